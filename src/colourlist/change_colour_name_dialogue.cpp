#include "colourlist/change_colour_name_dialogue.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/list/name_filter.h"
#include "widgets/guarded.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/stay_on_top.h"

namespace tintora {

ChangeColourNameDialogue::ChangeColourNameDialogue(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  setObjectName("ChangeColourNameDialogue");
  // The main window waits while it is open.
  setWindowModality(Qt::WindowModal);
  setWindowTitle("Colour Name");
  OldNameCaption = Make<QLabel>(this, "Label1", {}, "Old Name:");
  OldNameLabel = Make<QLabel>(this, "Label2");
  ChangeColourNameEdit = Make<QLineEdit>(this, "ChangeColourNameEdit");
  ChangeColourNameEdit->setAccessibleName("New name");
  FitCharacters(ChangeColourNameEdit, 30);
  ChangeColourNameEdit->setMaximumWidth(QWIDGETSIZE_MAX);
  OKBtn = Make<QPushButton>(this, "OKBtn", {}, "OK");
  OKBtn->setDefault(true);
  OKBtn->setAutoDefault(true);
  CancelBtn = Make<QPushButton>(this, "CancelBtn", {}, "Cancel");
  QGridLayout* grid = GridOn(this);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  grid->addWidget(OldNameCaption, 0, 0);
  grid->addWidget(OldNameLabel, 0, 1);
  grid->addWidget(ChangeColourNameEdit, 1, 0, 1, 2);
  grid->addLayout(Row({nullptr, OKBtn, CancelBtn}), 2, 0, 1, 2);
  grid->setColumnStretch(1, 1);

  Link(ChangeColourNameEdit, &QLineEdit::textChanged, this,
       [this](const QString&) { ChangeColourNameEditChange(); });
  Link(ChangeColourNameEdit, &QLineEdit::returnPressed, this, [this] { OKBtn->click(); });
  Link(OKBtn, &QPushButton::clicked, this, [this](bool) {
    emit Accepted();
    close();
  });
  Link(CancelBtn, &QPushButton::clicked, this, [this](bool) { close(); });
}

void ChangeColourNameDialogue::SetOldName(const QString& name) {
  OldNameLabel->setText(name);
  ChangeColourNameEdit->setText(name);
  ChangeColourNameEdit->selectAll();
}

QString ChangeColourNameDialogue::NewName() const { return ChangeColourNameEdit->text(); }

void ChangeColourNameDialogue::FocusName() { ChangeColourNameEdit->setFocus(); }

bool ChangeColourNameDialogue::KeepFocus(bool onTop) {
  if (!isVisible()) return false;
  QWidget* focus = QApplication::focusWidget();
  if (focus == ChangeColourNameEdit || focus == CancelBtn || focus == OKBtn || focus == this) return true;
  if (onTop) ApplyStayOnTop(this, true);
  activateWindow();
  ChangeColourNameEdit->setFocus();
  return true;
}

void ChangeColourNameDialogue::ChangeColourNameEditChange() {
  const QString text = ChangeColourNameEdit->text();
  if (text.isEmpty()) return;
  const int chars =
      static_cast<int>(text.left(ChangeColourNameEdit->cursorPosition()).toStdU32String().size());
  const EditFilterResult r = ColourNameFilter(text.toStdString(), chars);
  if (!r.changed) return;
  const QString filtered = QString::fromStdString(r.text);
  const QSignalBlocker block(ChangeColourNameEdit);
  ChangeColourNameEdit->setText(filtered);
  ChangeColourNameEdit->setCursorPosition(static_cast<int>(
      QString::fromStdU32String(filtered.toStdU32String().substr(0, static_cast<std::size_t>(r.caret)))
          .size()));
}

void ChangeColourNameDialogue::showEvent(QShowEvent* event) {
  emit Shown();
  QWidget::showEvent(event);
}

void ChangeColourNameDialogue::closeEvent(QCloseEvent* event) {
  emit Closed();
  QWidget::closeEvent(event);
}

bool ChangeColourNameDialogue::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) emit Activated();
  return QWidget::event(e);
}

void ChangeColourNameDialogue::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tintora
