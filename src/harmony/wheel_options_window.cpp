#include "harmony/wheel_options_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "widgets/glyphs.h"
#include "widgets/guarded.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/stay_on_top.h"

namespace tintora {

WheelOptionsWindow::WheelOptionsWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  setObjectName("Form10");
  // The main window waits while it is open.
  setWindowModality(Qt::WindowModal);
  setWindowTitle("Customize Colour Wheel");

  WheelOutlineCheckBox = Make<QCheckBox>(this, "WheelOutlineCheckBox", {}, "Wheel Outline");
  WheelOutlineCheckBox->setChecked(true);
  ColourBordersCheckBox = Make<QCheckBox>(this, "ColourBordersCheckBox", {}, "Colour Borders");
  ColourBordersCheckBox->setChecked(true);
  DivisionsLabel = Make<QLabel>(this, "DivisionsLabel", {}, "Divisions:");
  DivisionsUpDown = Make<QSpinBox>(this, "DivisionsUpDown");
  DivisionsLabel->setBuddy(DivisionsUpDown);
  DivisionsUpDown->setRange(2, 360);
  DivisionsUpDown->setValue(12);
  DivisionsEdit = DivisionsUpDown->findChild<QLineEdit*>();
  DivisionsEdit->setObjectName("DivisionsEdit");
  DivisionsEdit->installEventFilter(this);

  WheelCustSaveSpeedButton = Make<QToolButton>(this, "WheelCustSaveSpeedButton", "Save Custom Settings");
  WheelCustSaveSpeedButton->setIcon(GlyphIcon(":/glyphs/save.svg"));
  WheelCustSaveSpeedButton->setAutoRaise(true);
  WheelCustSaveSpeedButton->hide();

  OkButton = Make<QPushButton>(this, "Button1", {}, "OK");
  OkButton->setDefault(true);
  CancelButton = Make<QPushButton>(this, "Button2", {}, "Cancel");
  DefaultButton = Make<QPushButton>(this, "Button3", {}, "Default");
  QGridLayout* grid = GridOn(this);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  grid->addWidget(WheelOutlineCheckBox, 0, 0, 1, 2);
  grid->addWidget(WheelCustSaveSpeedButton, 0, 2, Qt::AlignRight);
  grid->addWidget(ColourBordersCheckBox, 1, 0, 1, 2);
  grid->addWidget(DivisionsLabel, 2, 0);
  grid->addWidget(DivisionsUpDown, 2, 1, Qt::AlignLeft);
  grid->addLayout(Row({OkButton, CancelButton, DefaultButton}), 3, 0, 1, 3);

  Link(WheelOutlineCheckBox, &QCheckBox::toggled, this, [this](bool) { OptionChanged(); });
  Link(ColourBordersCheckBox, &QCheckBox::toggled, this, [this](bool) { OptionChanged(); });
  Link(DivisionsUpDown, &QSpinBox::valueChanged, this, [this](int) { OptionChanged(); });
  Link(OkButton, &QPushButton::clicked, this, [this](bool) { OkButtonClick(); });
  Link(CancelButton, &QPushButton::clicked, this, [this](bool) { CancelButtonClick(); });
  Link(DefaultButton, &QPushButton::clicked, this, [this](bool) { DefaultButtonClick(); });
  Link(WheelCustSaveSpeedButton, &QToolButton::clicked, this,
       [this](bool) { WheelCustSaveSpeedButtonClick(); });
}

int WheelOptionsWindow::Divisions() const { return DivisionsUpDown->value(); }

WheelOptions WheelOptionsWindow::Options() const {
  return {WheelOutlineCheckBox->isChecked(), ColourBordersCheckBox->isChecked(), Divisions()};
}

void WheelOptionsWindow::SetStoredOptions(const WheelOptions& o) {
  const QSignalBlocker a(DivisionsUpDown), b(WheelOutlineCheckBox), c(ColourBordersCheckBox);
  DivisionsUpDown->setValue(o.divisions);
  WheelOutlineCheckBox->setChecked(o.outline);
  ColourBordersCheckBox->setChecked(o.borders);
  WheelCustSaveSpeedButton->hide();
}

bool WheelOptionsWindow::KeepFocus(QWidget* mainWindow) {
  if (!isVisible()) return false;
  QWidget* focus = QApplication::focusWidget();
  if (focus && (focus == this || isAncestorOf(focus))) return true;
  // The main window stays below the option window while it is open.
  ApplyStayOnTop(mainWindow, false);
  activateWindow();
  OkButton->setFocus();
  return true;
}

void WheelOptionsWindow::showEvent(QShowEvent* event) {
  SavedWheelOutline = WheelOutlineCheckBox->isChecked();
  SavedColourBorders = ColourBordersCheckBox->isChecked();
  SavedDivisions = DivisionsUpDown->value();
  emit Shown();
  QWidget::showEvent(event);
}

void WheelOptionsWindow::closeEvent(QCloseEvent* event) {
  emit Closed();
  QWidget::closeEvent(event);
}

bool WheelOptionsWindow::eventFilter(QObject* watched, QEvent* event) {
  // Releasing a key in the edit shows the limited value, never a number out of range.
  if (watched == DivisionsEdit && event->type() == QEvent::KeyRelease) {
    Guarded([this] {
      DivisionsUpDown->interpretText();
      DivisionsEdit->setText(QString::number(DivisionsUpDown->value()));
    });
  }
  return QWidget::eventFilter(watched, event);
}

void WheelOptionsWindow::OptionChanged() {
  emit SettingsChanged();
  WheelCustSaveSpeedButton->show();
}

void WheelOptionsWindow::OkButtonClick() {
  emit SettingsChanged();
  close();
}

void WheelOptionsWindow::CancelButtonClick() {
  {
    const QSignalBlocker a(WheelOutlineCheckBox), b(ColourBordersCheckBox), c(DivisionsUpDown);
    WheelOutlineCheckBox->setChecked(SavedWheelOutline);
    ColourBordersCheckBox->setChecked(SavedColourBorders);
    DivisionsUpDown->setValue(SavedDivisions);
  }
  emit SettingsChanged();
  close();
}

void WheelOptionsWindow::DefaultButtonClick() {
  WheelOutlineCheckBox->setChecked(true);
  ColourBordersCheckBox->setChecked(true);
  DivisionsUpDown->setValue(12);
  WheelCustSaveSpeedButton->show();
}

void WheelOptionsWindow::WheelCustSaveSpeedButtonClick() {
  emit SaveRequested();
  WheelCustSaveSpeedButton->hide();
}

}  // namespace tintora
