#include "colourizer/colourizer_preview_window.h"

#include <QLayout>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include "widgets/centre.h"
#include "widgets/layouts.h"
#include "widgets/make.h"

namespace tintora {

// A dialog to the window system, so that it names its owner and stays above it as the other
// secondary windows do (Qt names an owner only for dialogs), with a plain window's buttons.
ColourizerPreviewWindow::ColourizerPreviewWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
  setObjectName("Form8");
  setWindowTitle("Text Colourizer Preview");
  ColouredTextPreviewRichEdit = Make<QTextEdit>(this, "ColouredTextPreviewRichEdit");
  ColouredTextPreviewRichEdit->setReadOnly(true);
  ColouredTextPreviewRichEdit->setAccessibleName("Coloured text preview");
  ColouredTextPreviewRichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ColouredTextPreviewRichEdit->setContextMenuPolicy(Qt::CustomContextMenu);
  ColouredTextPreviewRichEdit->setFont(ContentFont("Times New Roman", QFont::Serif, 12));
  // A long line of big letters fits: a wide, low window.
  MinimumTextArea(ColouredTextPreviewRichEdit, 80, 3);
  wantedTextArea_ = ColouredTextPreviewRichEdit->minimumSize();
  ColumnOn(this, true)->addWidget(ColouredTextPreviewRichEdit);
}

void ColourizerPreviewWindow::showEvent(QShowEvent* event) {
  // On a screen narrower than that long line, the text wraps instead.
  if (const QScreen* s = screen()) {
    const QSize margins = frameGeometry().size() - size();
    ColouredTextPreviewRichEdit->setMinimumSize(
        wantedTextArea_.boundedTo(s->availableGeometry().size() - margins));
    if (layout()) layout()->activate();
  }
  KeepOnScreen(this);
  QWidget::showEvent(event);
  emit Shown();
}

void ColourizerPreviewWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit Hidden();
}

}  // namespace tintora
