// Harmony colours around the active colour: swatches for the classic schemes in the colour
// viewer, markers on the hue strip, and the colour wheel with its options window (WheelOptionsWindow).
// Swatches and wheel pick colours like any source; a right click indexes one into the list.
#pragma once

#include <memory>
#include <vector>

#include <QObject>

#include "core/mixer/mixer_maths.h"
#include "harmony/wheel_options_window.h"
#include "widgets/active_colour_holder.h"
#include "widgets/made_on_first_use.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QToolButton;
class QWidget;

namespace tintora {

class ColourSelection;
class ImageBox;
class SettingsStore;
struct SettingsValues;
class ShapeBox;
class StayOnTop;
class WheelOptionsWindow;
class PopupMenu;

// The shared objects the harmony colours talk through.
struct HarmonyParts {
  ActiveColourHolder& active;
  ColourSelection& selection;
  StayOnTop& onTop;
  SettingsStore& settings;
};

class HarmonyColours : public QObject {
  Q_OBJECT
 public:
  HarmonyColours(QGroupBox* viewerPane, QWidget* swatchHost, QWidget* window,
                 MadeOnFirstUse<WheelOptionsWindow> options, const HarmonyParts& parts);
  ~HarmonyColours() override;

  // The caption and the web-safe mark, for the viewer to place under its panels.
  QWidget* CaptionLabel() const;
  QWidget* WebSafeMark() const;

  void ComplimentaryColActivate();
  void ComplimentaryColDisplay();
  void ComplimentaryColSize();
  void ComplimentaryColUpdate();
  Rgb8 HarmonyColour(int offset) const;
  // Adds one colour to the list without changing the active colour.
  void IndexComplimentary(Rgb8 colour);
  // "Inc. Cmpl.": the colours of the scheme shown, added after the active colour.
  void IndexComplements();
  void DrawWheel();

  // What the harmony colours follow besides the active colour.
  void SetWorkingValues(const HsWorkingValues& values);
  void SetLargeViewer(bool large);

  // The settings file's harmony keys: the scheme, web-safe complements and the wheel's section
  // first, then the master switch (the reader's order).
  void ApplySchemeSettings(const SettingsValues& values);
  void ApplyShowSettings(const SettingsValues& values);
  void CollectSettings(SettingsValues& values) const;
  // The save button of the wheel's options: its own three keys.
  void WheelCustSave();

  // The wheel's options window (built when first wanted), whether it is open, and its focus
  // kept while it is.
  WheelOptionsWindow* Options();
  bool OptionsOpen() const;
  void KeepOptionsFocus(QWidget* mainWindow);
  bool ShowingComplements() const;

 signals:
  // Hue offsets to mark on the hue strip; none hides the markers.
  void MarkersChanged(const std::vector<int>& offsets);
  // The master switch: "Inc. Cmpl." of the list is offered only while it is on.
  void ComplementsShown(bool on);
  // The wheel's right click outside its colours, and its double click, act on the viewer.
  void ViewerRescaleRequested();
  void SampleResetRequested();
  // The wheel shows or goes: the viewer makes room for it.
  void WheelShown(bool shown);

 private:
  void Build(QGroupBox* viewerPane, QWidget* swatchHost);
  void Connect();
  void ShapeMouseDown(ShapeBox* shape, Qt::MouseButton button);
  void SchemeClick(QAction* item);
  void WebSafeComplementsOnlyClick();
  void WheelImageMouseMove(QPoint pos);
  void WheelImageMouseDown(Qt::MouseButton button, QPoint pos);
  void WheelCenterShapeMouseDown(Qt::MouseButton button);
  void CustomizeColourWheelClick();
  void PointAt(Rgb8 colour, QWidget* source);
  int CheckedScheme() const;  // 1..6
  Rgb8 ComplementWebSafe(Rgb8 colour) const;
  std::vector<int> VisibleMarkers() const;
  Rgb8 ActiveShown() const { return active_.Value().Shown(); }

  ActiveColourHolder& active_;
  ColourSelection& selection_;
  QWidget* window_;
  MadeOnFirstUse<WheelOptionsWindow> options_;
  WheelOptions stored_;  // the settings' wheel, until the window holds it
  // The wheel as its window has it, or as the settings left it while there is no window.
  WheelOptions CurrentOptions() const;
  HsWorkingValues working_;
  bool largeViewer_ = false;
  bool indexingComplements_ = false;
  SettingsStore& settings_;

  QWidget* caption_ = nullptr;  // the label and its menu button
  QLabel* CompColLabel = nullptr;
  QToolButton* HarmonyMenuButton = nullptr;
  ImageBox* ComplementsWebSafeImage = nullptr;
  PopupMenu* ComplimentaryColPopupExt = nullptr;
  QAction* ShowComplementaryColoursAction = nullptr;
  QAction* WebSafeComplementsOnlyAction = nullptr;
  QAction* schemes_[6] = {};  // Complimentary1 .. ColourWheel1, in scheme order
  QAction* CustomizeColourWheelAction = nullptr;
  QActionGroup* schemeGroup_ = nullptr;
  ShapeBox* swatches_[3] = {};  // Shape1, Shape2, Shape3
  ImageBox* WheelImage = nullptr;
  ShapeBox* WheelCenterShape = nullptr;
};

}  // namespace tintora
