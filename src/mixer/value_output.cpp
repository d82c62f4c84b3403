#include "mixer/value_output.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "mixer/rgb_mixer.h"
#include "settings/settings_values.h"
#include "widgets/guarded.h"
#include "widgets/make.h"
#include "widgets/notation.h"
#include "widgets/popup_ext.h"
#include "widgets/services.h"

namespace tintora {

ValueOutput::ValueOutput(QGroupBox* pane, ActiveColourHolder& active, Notation& notation, Services& services)
    : active_(active), notation_(notation), services_(services) {
  Build(pane);
  Connect();
}

void ValueOutput::Build(QGroupBox* pane) {
  HexHTMLEdit = Make<QLineEdit>(pane, "HexHTMLEdit", {8, 18, 170, 26}, "Current colour.");
  HexHTMLEdit->setReadOnly(true);
  QFont fixed("Courier New");
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setPointSize(11);
  fixed.setBold(true);
  HexHTMLEdit->setFont(fixed);

  HexOrDecimalRadioButton1 = Make<QRadioButton>(pane, "HexOrDecimalRadioButton1", {8, 50, 100, 20},
                                                "Displays Hexadecimal Value.", "Hexadecimal");
  HexOrDecimalRadioButton2 = Make<QRadioButton>(pane, "HexOrDecimalRadioButton2", {112, 50, 80, 20},
                                                "Displays decimal value.", "Decimal");
  HexOrDecimalRadioButton1->setChecked(true);
  HTMLCheckBox =
      Make<QCheckBox>(pane, "HTMLCheckBox", {8, 74, 64, 20}, "Displays HTML 3.2 colour names.", "HTML");
  IENSCheckBox = Make<QCheckBox>(pane, "IENSCheckBox", {76, 74, 64, 20},
                                 "Displays Internet Explorer 5/Netscape colour names.", "IE/NS");
  IENSCheckBox->setEnabled(false);
  BGRCheckBox =
      Make<QCheckBox>(pane, "BGRCheckBox", {146, 74, 56, 20}, "This option is for programmers.", "BGR");
  AutoCopyCheckBox = Make<QCheckBox>(pane, "AutoCopyCheckBox", {8, 98, 100, 20},
                                     "Automatically copy selected colour to clipboard.", "Auto Copy");
  CopyValueButton = Make<QPushButton>(pane, "CopyValueButton", {160, 96, 100, 26},
                                      "Copies value to the Windows clipboard.", "Copy Value");

  // Ctrl+C anywhere in the window but a text field copies the value as shown.
  EditCopy1 = AddWindowShortcut(pane, "EditCopy1", "&Copy", QKeySequence::Copy);
}

void ValueOutput::Connect() {
  Link(&active_, &ActiveColourHolder::Changed, this,
       [this](const ActiveColour& now, const ActiveColour& before) {
         CombinedColourValueUpdate();
         if (now.Intensity() != before.Intensity()) MarkOffset(HexHTMLEdit, now.Intensity() != 0);
       });
  Link(HTMLCheckBox, &QCheckBox::toggled, this, [this](bool) { HTMLCheckBoxClick(); });
  Link(HexOrDecimalRadioButton1, &QRadioButton::toggled, this, [this](bool on) {
    if (on) HexHTMLUpdate();
  });
  Link(HexOrDecimalRadioButton2, &QRadioButton::toggled, this, [this](bool on) {
    if (on) HexOrDecimalRadioButton2Click();
  });
  Link(BGRCheckBox, &QCheckBox::toggled, this, [this](bool) { BGRCheckBoxClick(); });
  Link(IENSCheckBox, &QCheckBox::toggled, this, [this](bool) { HexHTMLUpdate(); });
  Link(AutoCopyCheckBox, &QCheckBox::toggled, this, [this](bool) { AutoCopyCheckBoxClick(); });
  Link(CopyValueButton, &QPushButton::clicked, this, [this](bool) { CopyEditText(); });
  Link(EditCopy1, &QAction::triggered, this, [this](bool) { EditCopy1Execute(); });
  // Every change of the shown text, by a propagation or a notation switch.
  Link(HexHTMLEdit, &QLineEdit::textChanged, this, [this](const QString&) { CopyValueToClip(); });
}

void ValueOutput::ApplySettings(const SettingsValues& v) {
  if (v.decimal) HexOrDecimalRadioButton2->setChecked(true);
  if (v.html) HTMLCheckBox->setChecked(true);
  if (v.ieColourNames) IENSCheckBox->setChecked(true);
  if (v.bgr) BGRCheckBox->setChecked(true);
  if (v.autoCopy) AutoCopyCheckBox->setChecked(true);
}

void ValueOutput::CollectSettings(SettingsValues& v) const {
  v.decimal = HexOrDecimalRadioButton2->isChecked();
  v.html = HTMLCheckBox->isChecked();
  v.ieColourNames = IENSCheckBox->isChecked();
  v.bgr = BGRCheckBox->isChecked();
  v.autoCopy = AutoCopyCheckBox->isChecked();
}

void ValueOutput::CombinedColourValueUpdate() {
  ++propagationCount_;
  HexHTMLUpdate();
}

void ValueOutput::HexHTMLUpdate() {
  NotationSwitches s;
  s.html = HTMLCheckBox->isChecked();
  s.hexadecimal = HexOrDecimalRadioButton1->isChecked();
  s.bgr = BGRCheckBox->isChecked();
  s.ieNs = IENSCheckBox->isChecked();
  notation_.Set(s);
  const QString text = notation_.Text(active_.Value());
  if (HexHTMLEdit->text() != text) HexHTMLEdit->setText(text);
}

void ValueOutput::HTMLCheckBoxClick() {
  if (HTMLCheckBox->isChecked()) {
    IENSCheckBox->setEnabled(true);
    HexOrDecimalRadioButton1->setChecked(true);
    BGRCheckBox->setChecked(false);
  } else {
    IENSCheckBox->setEnabled(false);  // it keeps its check mark
  }
  HexHTMLUpdate();
}

void ValueOutput::HexOrDecimalRadioButton2Click() {
  HTMLCheckBox->setChecked(false);
  HexHTMLUpdate();
}

void ValueOutput::BGRCheckBoxClick() {
  if (BGRCheckBox->isChecked()) HTMLCheckBox->setChecked(false);
  HexHTMLUpdate();
}

void ValueOutput::AutoCopyCheckBoxClick() {
  if (AutoCopyCheckBox->isChecked()) CopyValueToClip();
}

void ValueOutput::CopyEditText() {
  HexHTMLEdit->selectAll();
  services_.SetClipboardText(HexHTMLEdit->text());
  HexHTMLEdit->deselect();
}

void ValueOutput::CopyValueToClip() {
  if (AutoCopyCheckBox->isChecked()) CopyEditText();
}

void ValueOutput::EditCopy1Execute() {
  HexHTMLEdit->selectAll();
  services_.SetClipboardText(HexHTMLEdit->text());
}

}  // namespace tintora
