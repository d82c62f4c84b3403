#include "mixer/value_output.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/settings/settings_values.h"
#include "mixer/rgb_mixer.h"
#include "mixer/value_menu.h"
#include "widgets/guarded.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/notation.h"
#include "widgets/popup_ext.h"
#include "widgets/services.h"

namespace tintora {

ValueOutput::ValueOutput(QGroupBox* pane, ActiveColourHolder& active, Notation& notation,
                         ColourSelection& selection, StayOnTop& onTop, Services& services)
    : active_(active), notation_(notation), services_(services) {
  Build(pane);
  menu_ = new ValueMenu(HexHTMLEdit, active_, selection, onTop, services_, [this] { CopyEditText(); });
  Connect();
}

void ValueOutput::Build(QGroupBox* pane) {
  HexHTMLEdit = Make<QLineEdit>(pane, "HexHTMLEdit", "Current colour.");
  HexHTMLEdit->installEventFilter(this);
  HexHTMLEdit->setReadOnly(true);
  HexHTMLEdit->setFont(ContentFont("Courier New", QFont::TypeWriter, 11, true));
  FitCharacters(HexHTMLEdit, 20);  // the longest colour name, LightGoldenRodYellow

  HexadecimalRadioButton =
      Make<QRadioButton>(pane, "HexOrDecimalRadioButton1", "Displays Hexadecimal Value.", "Hexadecimal");
  DecimalRadioButton =
      Make<QRadioButton>(pane, "HexOrDecimalRadioButton2", "Displays decimal value.", "Decimal");
  HexadecimalRadioButton->setChecked(true);
  HTMLCheckBox = Make<QCheckBox>(pane, "HTMLCheckBox", "Displays HTML 3.2 colour names.", "HTML");
  IENSCheckBox =
      Make<QCheckBox>(pane, "IENSCheckBox", "Displays Internet Explorer 5/Netscape colour names.", "IE/NS");
  IENSCheckBox->setEnabled(false);
  BGRCheckBox = Make<QCheckBox>(pane, "BGRCheckBox", "This option is for programmers.", "BGR");
  AutoCopyCheckBox = Make<QCheckBox>(pane, "AutoCopyCheckBox",
                                     "Automatically copy selected colour to clipboard.", "Auto Copy");
  CopyValueButton =
      Make<QPushButton>(pane, "CopyValueButton", "Copies value to the Windows clipboard.", "Copy Value");

  grid_ = GridOn(pane);
  grid_->addWidget(HexHTMLEdit, 0, 0, 1, 3);
  grid_->addWidget(HexadecimalRadioButton, 1, 0);
  grid_->addWidget(DecimalRadioButton, 1, 1, 1, 2);
  grid_->addWidget(HTMLCheckBox, 2, 0);
  grid_->addWidget(IENSCheckBox, 2, 1);
  grid_->addWidget(BGRCheckBox, 2, 2);
  grid_->addWidget(AutoCopyCheckBox, 3, 0);
  grid_->addWidget(CopyValueButton, 3, 2, 1, 2, Qt::AlignRight);
  grid_->setRowStretch(4, 1);
  grid_->setColumnStretch(3, 1);

  // Ctrl+C anywhere in the window but a text field copies the value as shown.
  CopyAction = AddWindowShortcut(pane, "EditCopy1", "&Copy", QKeySequence::Copy);
}

void ValueOutput::PlaceBesideValue(QWidget* widget) {
  grid_->addWidget(widget, 0, 3, Qt::AlignRight | Qt::AlignVCenter);
}

void ValueOutput::Connect() {
  Link(&active_, &ActiveColourHolder::Changed, this,
       [this](const ActiveColour& now, const ActiveColour& before) {
         CombinedColourValueUpdate();
         if (now.Intensity() != before.Intensity()) MarkOffset(HexHTMLEdit, now.Intensity() != 0);
       });
  Link(HTMLCheckBox, &QCheckBox::toggled, this, [this](bool) { HTMLCheckBoxClick(); });
  Link(HexadecimalRadioButton, &QRadioButton::toggled, this, [this](bool on) {
    if (on) HexHTMLUpdate();
  });
  Link(DecimalRadioButton, &QRadioButton::toggled, this, [this](bool on) {
    if (on) DecimalRadioButtonClick();
  });
  Link(BGRCheckBox, &QCheckBox::toggled, this, [this](bool) { BGRCheckBoxClick(); });
  Link(IENSCheckBox, &QCheckBox::toggled, this, [this](bool) { HexHTMLUpdate(); });
  Link(AutoCopyCheckBox, &QCheckBox::toggled, this, [this](bool) { AutoCopyCheckBoxClick(); });
  Link(CopyValueButton, &QPushButton::clicked, this, [this](bool) { CopyEditText(); });
  Link(CopyAction, &QAction::triggered, this, [this](bool) { CopyActionExecute(); });
  // Every change of the shown text, by a propagation or a notation switch.
  Link(HexHTMLEdit, &QLineEdit::textChanged, this, [this](const QString&) { CopyValueToClip(); });
}

void ValueOutput::ApplySettings(const SettingsValues& v) {
  if (v.decimal) DecimalRadioButton->setChecked(true);
  if (v.html) HTMLCheckBox->setChecked(true);
  if (v.ieColourNames) IENSCheckBox->setChecked(true);
  if (v.bgr) BGRCheckBox->setChecked(true);
  if (v.autoCopy) AutoCopyCheckBox->setChecked(true);
}

void ValueOutput::CollectSettings(SettingsValues& v) const {
  v.decimal = DecimalRadioButton->isChecked();
  v.html = HTMLCheckBox->isChecked();
  v.ieColourNames = IENSCheckBox->isChecked();
  v.bgr = BGRCheckBox->isChecked();
  v.autoCopy = AutoCopyCheckBox->isChecked();
}

QMenu* ValueOutput::Menu() const { return menu_->Menu(); }

void ValueOutput::CombinedColourValueUpdate() {
  ++propagationCount_;
  HexHTMLUpdate();
}

void ValueOutput::HexHTMLUpdate() {
  NotationSwitches s;
  s.html = HTMLCheckBox->isChecked();
  s.hexadecimal = HexadecimalRadioButton->isChecked();
  s.bgr = BGRCheckBox->isChecked();
  s.ieNs = IENSCheckBox->isChecked();
  notation_.Set(s);
  const QString text = notation_.Text(active_.Value());
  if (HexHTMLEdit->text() != text) HexHTMLEdit->setText(text);
}

void ValueOutput::HTMLCheckBoxClick() {
  if (HTMLCheckBox->isChecked()) {
    IENSCheckBox->setEnabled(true);
    HexadecimalRadioButton->setChecked(true);
    BGRCheckBox->setChecked(false);
  } else {
    IENSCheckBox->setEnabled(false);  // it keeps its check mark
  }
  HexHTMLUpdate();
}

void ValueOutput::DecimalRadioButtonClick() {
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

bool ValueOutput::eventFilter(QObject* watched, QEvent* event) {
  const bool copy = (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
                    static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
  if (watched == HexHTMLEdit && copy && !HexHTMLEdit->hasSelectedText()) {
    // The field would copy its selection, which is nothing: the value is what is meant.
    if (event->type() == QEvent::KeyPress) CopyEditText();
    event->accept();
    return event->type() == QEvent::KeyPress;
  }
  return QObject::eventFilter(watched, event);
}

void ValueOutput::CopyActionExecute() {
  HexHTMLEdit->selectAll();
  services_.SetClipboardText(HexHTMLEdit->text());
}

}  // namespace tintora
