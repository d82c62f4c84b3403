// The active colour's propagation and the value field: one routine that every change ends
// in, the notation switches, and copying the shown value to the clipboard.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "app/controls/colour_panel.h"
#include "app/guarded.h"
#include "app/services.h"
#include "app/tform1.h"
#include "colour/conversion_error.h"
#include "colour/notations.h"
#include "mixer/mixer_maths.h"

namespace tintora {

namespace {

template <typename Button>
Button* MakeButton(QWidget* parent, const char* name, const char* caption, const char* hint, QRect r) {
  auto* button = new Button(caption, parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setGeometry(r);
  return button;
}

}  // namespace

void TForm1::BuildValueOutput() {
  QWidget* pane = RGBValuesGroupBox;
  HexHTMLEdit = new QLineEdit(pane);
  HexHTMLEdit->setObjectName("HexHTMLEdit");
  HexHTMLEdit->setReadOnly(true);
  HexHTMLEdit->setToolTip("Current colour.");
  QFont fixed("Courier New");
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setPointSize(11);
  fixed.setBold(true);
  HexHTMLEdit->setFont(fixed);
  HexHTMLEdit->setGeometry(8, 18, 170, 26);

  HexOrDecimalRadioButton1 = MakeButton<QRadioButton>(pane, "HexOrDecimalRadioButton1", "Hexadecimal",
                                                      "Displays Hexadecimal Value.", {8, 50, 100, 20});
  HexOrDecimalRadioButton2 = MakeButton<QRadioButton>(pane, "HexOrDecimalRadioButton2", "Decimal",
                                                      "Displays decimal value.", {112, 50, 80, 20});
  HexOrDecimalRadioButton1->setChecked(true);
  HTMLCheckBox =
      MakeButton<QCheckBox>(pane, "HTMLCheckBox", "HTML", "Displays HTML 3.2 colour names.", {8, 74, 64, 20});
  IENSCheckBox = MakeButton<QCheckBox>(
      pane, "IENSCheckBox", "IE/NS", "Displays Internet Explorer 5/Netscape colour names.", {76, 74, 64, 20});
  IENSCheckBox->setEnabled(false);
  BGRCheckBox =
      MakeButton<QCheckBox>(pane, "BGRCheckBox", "BGR", "This option is for programmers.", {146, 74, 56, 20});
  AutoCopyCheckBox =
      MakeButton<QCheckBox>(pane, "AutoCopyCheckBox", "Auto Copy",
                            "Automatically copy selected colour to clipboard.", {8, 98, 100, 20});
  CopyValueButton = new QPushButton("Copy Value", pane);
  CopyValueButton->setObjectName("CopyValueButton");
  CopyValueButton->setToolTip("Copies value to the Windows clipboard.");
  CopyValueButton->setGeometry(160, 96, 100, 26);

  EditCopy1 = new QAction("&Copy", this);
  EditCopy1->setObjectName("EditCopy1");
  EditCopy1->setShortcut(QKeySequence::Copy);
  EditCopy1->setShortcutContext(Qt::WindowShortcut);
  addAction(EditCopy1);

  // The viewer shows the active colour and its inverse.
  ColourViewPanel = new ColourPanel("ColourViewPanel", ColourViewerGroupBox);
  ColourViewPanel->SetBevel(false);
  ColourViewPanel->setGeometry(8, 20, 104, 41);
  ColourViewNegPanel = new ColourPanel("ColourViewNegPanel", ColourViewerGroupBox);
  ColourViewNegPanel->SetCaption("INV");
  ColourViewNegPanel->setToolTip("Click to set this colour as active.");
  ColourViewNegPanel->setGeometry(116, 20, 38, 30);
}

void TForm1::ConnectValueOutput() {
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
  Link(CopyValueButton, &QPushButton::clicked, this, [this](bool) { CopyValueButtonClick(); });
  Link(EditCopy1, &QAction::triggered, this, [this](bool) { EditCopy1Execute(); });
  Link(HexHTMLEdit, &QLineEdit::textChanged, this, [this](const QString&) { HexHTMLEditChange(); });
}

void TForm1::CombinedColourValueUpdate() {
  ++propagationCount_;
  const ActiveColour c = ComputeActiveColour(RedTrackBar->value(), GreenTrackBar->value(),
                                             BlueTrackBar->value(), IntensityTrackBar->value());
  HexRGBText = QString::fromStdString(c.hexRGBText);
  DecimalRGBText = QString::fromStdString(c.decimalRGBText);
  HexBGRText = QString::fromStdString(c.hexBGRText);
  HexHTMLUpdate();

  // The previews show each component without the offset: the track bars' own levels.
  RedPreviewPanel->SetColour(ColourFromRgb(RedTrackBar->value(), 0, 0));
  GreenPreviewPanel->SetColour(ColourFromRgb(0, GreenTrackBar->value(), 0));
  BluePreviewPanel->SetColour(ColourFromRgb(0, 0, BlueTrackBar->value()));
  IntensityPreviewPanel->SetColour(c.grey * 65793);
  ColourViewPanel->SetColour(c.value);
  ColourViewNegPanel->SetFontColour(c.value);
  ColourViewNegPanel->SetColour(0xFFFFFF - c.value);
  ComplimentaryColDisplay();
  ColourPercentDisplayUpdate();
}

void TForm1::HexHTMLUpdate() {
  NotationSwitches s;
  s.html = HTMLCheckBox->isChecked();
  s.hexadecimal = HexOrDecimalRadioButton1->isChecked();
  s.bgr = BGRCheckBox->isChecked();
  s.ieNs = IENSCheckBox->isChecked();
  ActiveColour c;
  c.hexRGBText = HexRGBText.toStdString();
  c.decimalRGBText = DecimalRGBText.toStdString();
  c.hexBGRText = HexBGRText.toStdString();
  SetEditText(HexHTMLEdit, QString::fromStdString(HexHTMLText(c, s)));
}

void TForm1::ColourPercentDisplayUpdate() {
  for (int i = 1; i <= 6; ++i)
    percentLabel_[i]->setText(
        QString::fromStdString(CalculatePercentString(3, componentTrackBar_[i]->value(), 255)));
}

void TForm1::HTMLCheckBoxClick() {
  if (HTMLCheckBox->isChecked()) {
    IENSCheckBox->setEnabled(true);
    HexOrDecimalRadioButton1->setChecked(true);
    BGRCheckBox->setChecked(false);
  } else {
    IENSCheckBox->setEnabled(false);  // it keeps its check mark
  }
  HexHTMLUpdate();
}

void TForm1::HexOrDecimalRadioButton2Click() {
  HTMLCheckBox->setChecked(false);
  HexHTMLUpdate();
}

void TForm1::BGRCheckBoxClick() {
  if (BGRCheckBox->isChecked()) HTMLCheckBox->setChecked(false);
  HexHTMLUpdate();
}

void TForm1::AutoCopyCheckBoxClick() {
  if (AutoCopyCheckBox->isChecked()) CopyValueToClip();
}

void TForm1::HexColourSet(int n) {
  for (int i = 1; i <= 6; ++i) {
    if (n != 0 && n != i) continue;
    const int value = ParseDollarHex(hexEdit_[i]->text().toUpper().toStdString());
    componentTrackBar_[i]->setValue(value);
  }
}

void TForm1::CopyEditText() {
  HexHTMLEdit->selectAll();
  services_.SetClipboardText(HexHTMLEdit->text());
  HexHTMLEdit->deselect();
}

void TForm1::CopyValueToClip() {
  if (AutoCopyCheckBox->isChecked()) CopyEditText();
}

void TForm1::CopyValueButtonClick() { CopyEditText(); }

void TForm1::EditCopy1Execute() {
  // Ctrl+C anywhere but a text field copies the value as shown.
  HexHTMLEdit->selectAll();
  services_.SetClipboardText(HexHTMLEdit->text());
}

void TForm1::HexHTMLEditChange() { CopyValueToClip(); }

}  // namespace tintora
