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
class QMenu;
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
  // The value field's right-click menu, for other rooms' items.
  QMenu* Menu() const;
  // How many propagations ran; read by tests and benchmarks.
  int PropagationCount() const { return propagationCount_; }

 protected:
  // Ctrl+C in the value field with nothing selected copies the whole value.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build(QGroupBox* pane);
  void Connect();
  void HTMLCheckBoxClick();
  void DecimalRadioButtonClick();
  void BGRCheckBoxClick();
  void AutoCopyCheckBoxClick();
  void CopyActionExecute();
  void CopyEditText();

  ActiveColourHolder& active_;
  Notation& notation_;
  Services& services_;
  int propagationCount_ = 0;

  QLineEdit* HexHTMLEdit = nullptr;
  QRadioButton* HexadecimalRadioButton = nullptr;
  QRadioButton* DecimalRadioButton = nullptr;
  QCheckBox* HTMLCheckBox = nullptr;
  QCheckBox* IENSCheckBox = nullptr;
  QCheckBox* BGRCheckBox = nullptr;
  QCheckBox* AutoCopyCheckBox = nullptr;
  QPushButton* CopyValueButton = nullptr;
  QAction* CopyAction = nullptr;
  QGridLayout* grid_ = nullptr;
  ValueMenu* menu_ = nullptr;
};

}  // namespace tintora
