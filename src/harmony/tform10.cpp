#include "harmony/tform10.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "app/guarded.h"

namespace tintora {

TForm10::TForm10(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  setObjectName("Form10");
  setWindowTitle("Customize Colour Wheel");
  setFixedSize(250, 128);

  WheelOutlineCheckBox = new QCheckBox("Wheel Outline", this);
  WheelOutlineCheckBox->setObjectName("WheelOutlineCheckBox");
  WheelOutlineCheckBox->setChecked(true);
  WheelOutlineCheckBox->setGeometry(12, 10, 120, 20);
  ColourBordersCheckBox = new QCheckBox("Colour Borders", this);
  ColourBordersCheckBox->setObjectName("ColourBordersCheckBox");
  ColourBordersCheckBox->setChecked(true);
  ColourBordersCheckBox->setGeometry(12, 34, 120, 20);
  DivisionsLabel = new QLabel("Divisions:", this);
  DivisionsLabel->setObjectName("DivisionsLabel");
  DivisionsLabel->setGeometry(12, 62, 64, 20);
  DivisionsUpDown = new QSpinBox(this);
  DivisionsUpDown->setObjectName("DivisionsUpDown");
  DivisionsUpDown->setRange(2, 360);
  DivisionsUpDown->setValue(12);
  DivisionsUpDown->setGeometry(80, 60, 64, 24);
  DivisionsEdit = DivisionsUpDown->findChild<QLineEdit*>();
  DivisionsEdit->setObjectName("DivisionsEdit");
  DivisionsEdit->installEventFilter(this);

  WheelCustSaveSpeedButton = new QToolButton(this);
  WheelCustSaveSpeedButton->setObjectName("WheelCustSaveSpeedButton");
  WheelCustSaveSpeedButton->setToolTip("Save Custom Settings");
  WheelCustSaveSpeedButton->setAutoRaise(true);
  WheelCustSaveSpeedButton->setGeometry(212, 10, 26, 26);
  WheelCustSaveSpeedButton->hide();

  Button1 = new QPushButton("OK", this);
  Button1->setObjectName("Button1");
  Button1->setDefault(true);
  Button1->setGeometry(12, 94, 70, 26);
  Button2 = new QPushButton("Cancel", this);
  Button2->setObjectName("Button2");
  Button2->setGeometry(88, 94, 70, 26);
  Button3 = new QPushButton("Default", this);
  Button3->setObjectName("Button3");
  Button3->setGeometry(164, 94, 74, 26);

  Link(WheelOutlineCheckBox, &QCheckBox::toggled, this, [this](bool) { OptionChanged(); });
  Link(ColourBordersCheckBox, &QCheckBox::toggled, this, [this](bool) { OptionChanged(); });
  Link(DivisionsUpDown, &QSpinBox::valueChanged, this, [this](int) { OptionChanged(); });
  Link(Button1, &QPushButton::clicked, this, [this](bool) { Button1Click(); });
  Link(Button2, &QPushButton::clicked, this, [this](bool) { Button2Click(); });
  Link(Button3, &QPushButton::clicked, this, [this](bool) { Button3Click(); });
  Link(WheelCustSaveSpeedButton, &QToolButton::clicked, this,
       [this](bool) { WheelCustSaveSpeedButtonClick(); });
}

int TForm10::Divisions() const { return DivisionsUpDown->value(); }

void TForm10::showEvent(QShowEvent* event) {
  SavedWheelOutline = WheelOutlineCheckBox->isChecked();
  SavedColourBorders = ColourBordersCheckBox->isChecked();
  SavedDivisions = DivisionsUpDown->value();
  emit Shown();
  QWidget::showEvent(event);
}

void TForm10::closeEvent(QCloseEvent* event) {
  emit Closed();
  QWidget::closeEvent(event);
}

bool TForm10::eventFilter(QObject* watched, QEvent* event) {
  // Releasing a key in the edit shows the limited value, never a number out of range.
  if (watched == DivisionsEdit && event->type() == QEvent::KeyRelease) {
    Guarded([this] {
      DivisionsUpDown->interpretText();
      DivisionsEdit->setText(QString::number(DivisionsUpDown->value()));
    });
  }
  return QWidget::eventFilter(watched, event);
}

void TForm10::OptionChanged() {
  emit SettingsChanged();
  WheelCustSaveSpeedButton->show();
}

void TForm10::Button1Click() {
  emit SettingsChanged();
  close();
}

void TForm10::Button2Click() {
  {
    const QSignalBlocker a(WheelOutlineCheckBox), b(ColourBordersCheckBox), c(DivisionsUpDown);
    WheelOutlineCheckBox->setChecked(SavedWheelOutline);
    ColourBordersCheckBox->setChecked(SavedColourBorders);
    DivisionsUpDown->setValue(SavedDivisions);
  }
  emit SettingsChanged();
  close();
}

void TForm10::Button3Click() {
  WheelOutlineCheckBox->setChecked(true);
  ColourBordersCheckBox->setChecked(true);
  DivisionsUpDown->setValue(12);
  WheelCustSaveSpeedButton->show();
}

void TForm10::WheelCustSaveSpeedButtonClick() {
  emit SaveRequested();
  WheelCustSaveSpeedButton->hide();
}

}  // namespace tintora
