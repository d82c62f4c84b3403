// The "RGB Values" pane: the value field showing the active colour in the chosen notation, the
// notation switches, and copying the shown value to the clipboard.
#pragma once

#include <QObject>

#include "widgets/active_colour_holder.h"

class QAction;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tintora {

class ColourSelection;
class Notation;
class StayOnTop;
class ValueMenu;
struct SettingsValues;
class Services;

class ValueOutput : public QObject {
  Q_OBJECT
 public:
  ValueOutput(QGroupBox* pane, ActiveColourHolder& active, Notation& notation, ColourSelection& selection,
              StayOnTop& onTop, Services& services);

  // The propagation every change of the active colour ends in.
  void CombinedColourValueUpdate();
  void HexHTMLUpdate();
  // Copies the shown value when "Auto Copy" is on.
  void CopyValueToClip();
  // The settings file's "RGB Values" switches: a true value checks its control (which runs its
  // handler), a false one changes nothing.
  void ApplySettings(const SettingsValues& values);
  void CollectSettings(SettingsValues& values) const;
  // A widget of another room at the value field's right (the frame's icons).
  void PlaceBesideValue(QWidget* widget);
  // How many propagations ran; read by tests and benchmarks.
  int PropagationCount() const { return propagationCount_; }

 private:
  void Build(QGroupBox* pane);
  void Connect();
  void HTMLCheckBoxClick();
  void HexOrDecimalRadioButton2Click();
  void BGRCheckBoxClick();
  void AutoCopyCheckBoxClick();
  void EditCopy1Execute();
  void CopyEditText();

  ActiveColourHolder& active_;
  Notation& notation_;
  Services& services_;
  int propagationCount_ = 0;

  QLineEdit* HexHTMLEdit = nullptr;
  QRadioButton* HexOrDecimalRadioButton1 = nullptr;
  QRadioButton* HexOrDecimalRadioButton2 = nullptr;
  QCheckBox* HTMLCheckBox = nullptr;
  QCheckBox* IENSCheckBox = nullptr;
  QCheckBox* BGRCheckBox = nullptr;
  QCheckBox* AutoCopyCheckBox = nullptr;
  QPushButton* CopyValueButton = nullptr;
  QAction* EditCopy1 = nullptr;
  QGridLayout* grid_ = nullptr;
  ValueMenu* menu_ = nullptr;
};

}  // namespace tintora
