// WheelOptionsWindow: the colour wheel's divisions and drawing options ("Customize Colour Wheel").
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace tintora {

// How the wheel is drawn.
struct WheelOptions {
  bool outline = true;
  bool borders = true;
  int divisions = 12;
};

class WheelOptionsWindow : public QWidget {
  Q_OBJECT
 public:
  explicit WheelOptionsWindow(QWidget* parent = nullptr);

  WheelOptions Options() const;
  int Divisions() const;
  // Stored options, set without announcing a change; the save button goes, as they are saved.
  void SetStoredOptions(const WheelOptions& options);
  // While open it keeps the keyboard focus, above the main window; false when it is closed.
  bool KeepFocus(QWidget* mainWindow);

 signals:
  // The options changed; the main window redraws the wheel.
  void SettingsChanged();
  void SaveRequested();
  void Shown();
  void Closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QCheckBox* WheelOutlineCheckBox = nullptr;
  QCheckBox* ColourBordersCheckBox = nullptr;
  QLabel* DivisionsLabel = nullptr;
  QSpinBox* DivisionsUpDown = nullptr;  // with its edit, DivisionsEdit
  QLineEdit* DivisionsEdit = nullptr;
  QPushButton* OkButton = nullptr;       // OK
  QPushButton* CancelButton = nullptr;   // Cancel
  QPushButton* DefaultButton = nullptr;  // Default
  QToolButton* WheelCustSaveSpeedButton = nullptr;

  void OptionChanged();
  void OkButtonClick();
  void CancelButtonClick();
  void DefaultButtonClick();
  void WheelCustSaveSpeedButtonClick();

  bool SavedWheelOutline = true;
  bool SavedColourBorders = true;
  int SavedDivisions = 12;
};

}  // namespace tintora
