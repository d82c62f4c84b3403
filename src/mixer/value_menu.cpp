#include "mixer/value_menu.h"

#include <QActionGroup>
#include <QLineEdit>

#include "widgets/active_colour_holder.h"
#include "widgets/colour_selection.h"
#include "widgets/guarded.h"
#include "widgets/popup_ext.h"
#include "widgets/services.h"
#include "widgets/stay_on_top.h"

namespace tintora {

namespace {

constexpr const char* kCopyAsShortcut = "Ctrl+Shift+C";

QString ItemName(CssNotation notation) {
  QString word = QString::fromLatin1(WordOfCssNotation(notation).data(),
                                     static_cast<int>(WordOfCssNotation(notation).size()));
  word[0] = word[0].toUpper();
  return "CopyAs" + word;
}

}  // namespace

ValueMenu::ValueMenu(QLineEdit* field, const ActiveColourHolder& active, ColourSelection& selection,
                     StayOnTop& onTop, Services& services, std::function<void()> copyShown)
    : QObject(field), field_(field), active_(active), selection_(selection), services_(services) {
  QWidget* pane = field->parentWidget();
  ValuePopupExt = MakePopup(pane, "ValuePopupExt", onTop);
  QAction* copy = ValuePopupExt->AddItem("CopyValue1", "&Copy Value");
  Link(copy, &QAction::triggered, this, [copyShown](bool) { copyShown(); });

  CopyAsMenu = ValuePopupExt->addMenu("Copy &As");
  CopyAsMenu->setObjectName("CopyAsMenu");
  auto* choices = new QActionGroup(CopyAsMenu);
  for (const CssNotationName& n : CssNotations()) {
    QAction* item = MakeAction(CopyAsMenu, ItemName(n.notation).toLatin1().constData(), {}, true);
    item->setActionGroup(choices);
    CopyAsMenu->addAction(item);
    copyAsItems_[static_cast<std::size_t>(n.notation)] = item;
    const CssNotation notation = n.notation;
    Link(item, &QAction::triggered, this, [this, notation](bool) { CopyAs(notation); });
  }
  ValuePopupExt->addSeparator();

  // Both keys work anywhere in the window; a text field that takes Ctrl+V keeps it.
  PasteColourAction = AddWindowShortcut(pane, "PasteColour1", "&Paste Colour", QKeySequence::Paste);
  ValuePopupExt->addAction(PasteColourAction);
  Link(PasteColourAction, &QAction::triggered, this, [this](bool) { PasteColour(); });
  CopyAsLastAction =
      AddWindowShortcut(pane, "CopyAsLast1", "Copy As Last Choice", QKeySequence(kCopyAsShortcut));
  Link(CopyAsLastAction, &QAction::triggered, this, [this](bool) { CopyAs(lastCopyAs_); });

  Link(ValuePopupExt, &PopupMenu::OnBeforePopup, this, [this](PopupMenu*) { Refresh(); });
  field->setContextMenuPolicy(Qt::CustomContextMenu);
  Link(field, &QWidget::customContextMenuRequested, this,
       [this](const QPoint& p) { ValuePopupExt->Popup(field_->mapToGlobal(p)); });
}

void ValueMenu::Refresh() {
  // Each item shows the text it copies; the name only where the colour has one, and the last
  // choice says which key copies it again.
  const Rgb8 colour = active_.Value().Shown();
  for (const CssNotationName& n : CssNotations()) {
    QAction* item = copyAsItems_[static_cast<std::size_t>(n.notation)];
    item->setText(QString::fromStdString(WriteCssColour(colour, n.notation)) +
                  (n.notation == lastCopyAs_ ? QString("\t") + kCopyAsShortcut : QString()));
    item->setChecked(n.notation == lastCopyAs_);
    if (n.notation == CssNotation::Name) item->setVisible(CssNameOf(colour).has_value());
  }
}

void ValueMenu::CopyAs(CssNotation notation) {
  lastCopyAs_ = notation;
  services_.SetClipboardText(QString::fromStdString(WriteCssColour(active_.Value().Shown(), notation)));
}

void ValueMenu::PasteColour() {
  const QString text = services_.ClipboardText();
  if (text.trimmed().isEmpty()) {
    services_.ShowMessage(field_->window(), "The clipboard holds no text to read as a colour.",
                          MessageIcon::Information, MessageButtons::Ok);
    return;
  }
  const CssColourReading read = ReadCssColour(text.toStdString());
  if (!read) {
    services_.ShowMessage(field_->window(),
                          "The clipboard holds no colour.\r\n\r\n" + QString::fromStdString(read.error),
                          MessageIcon::Information, MessageButtons::Ok);
    return;
  }
  // What a colour value cannot keep is said, not dropped in silence; a colour with no colour of
  // its own (transparent) is not taken at all.
  if (const auto note = AlphaNote(text.trimmed().toStdString(), read)) {
    services_.ShowHint(field_, QString::fromStdString(*note));
    if (read.alpha <= 0) return;
  }
  // The colour exactly as written, like a colour chosen in the colour dialog; it is committed as
  // any picked colour is, so Auto-Index and Auto Copy take it too.
  selection_.Take(read.colour);
  Commit commit;
  commit.undoStepFirst = true;
  selection_.SetColourSelection(commit);
}

}  // namespace tintora
