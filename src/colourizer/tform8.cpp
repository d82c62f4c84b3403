#include "colourizer/tform8.h"

#include <QTextEdit>
#include <QVBoxLayout>

#include "widgets/make.h"

namespace tintora {

TForm8::TForm8(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Form8");
  setWindowTitle("Text Colourizer Preview");
  resize(736, 100);
  ColouredTextPreviewRichEdit = Make<QTextEdit>(this, "ColouredTextPreviewRichEdit", {});
  ColouredTextPreviewRichEdit->setReadOnly(true);
  ColouredTextPreviewRichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ColouredTextPreviewRichEdit->setContextMenuPolicy(Qt::CustomContextMenu);
  QFont font("Times New Roman");
  font.setPixelSize(16);
  ColouredTextPreviewRichEdit->setFont(font);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ColouredTextPreviewRichEdit);
}

void TForm8::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  emit Shown();
}

void TForm8::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit Hidden();
}

}  // namespace tintora
