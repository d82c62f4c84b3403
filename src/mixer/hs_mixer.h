// The "HS... Mixer" page: hue, saturation and vibrance (or intensity) sliders with their colour
// strips, the HSV/HSI switch, the nudges on the caption panels, the harmony markers over the
// hue strip, and docking the whole mixer out into a tool window and back.
#pragma once

#include <vector>

#include <QObject>
#include <QPoint>
#include <QRect>

#include "core/mixer/mixer_maths.h"
#include "core/mixer/spectrum.h"
#include "widgets/active_colour_holder.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QWidget;

namespace tintora {

class ColourPanel;
class FloatingMixerWindow;
class ImageBox;
class ShapeBox;
struct RgbReal;

class HsMixer : public QObject {
  Q_OBJECT
 public:
  HsMixer(QWidget* page, ActiveColourHolder& active);

  // Converts the active colour's levels into the working values and the sliders.
  void RGBtoHSIHSV();
  void ChangeSpectrumImage(SpectrumMode mode);
  // All three strips, active or static as the check box says (at start).
  void DrawStrips();
  void HSIAdjustTrackBar(int row, Qt::MouseButton button);
  // The model switch and Calculate panel take the place of the docking hints, and back.
  void ToggleCalculateControls();
  // The hue offsets of the harmony colours to mark on the hue strip; none hides the markers.
  void SetHarmonyMarkers(const std::vector<int>& offsets);

  // Floats the mixer as its own tool window, or docks it back into its page.
  void UndockMixer(const QPoint& globalPos);
  void HSIDockPanelDockDrop();
  bool MixerFloating() const;
  // Out of the picture while a desktop snapshot is taken, and back.
  void HideForSnapshot();
  void ShowAfterSnapshot();

  // Heartbeat steps: the floating window never gets a close command back; strips that slider
  // drags marked are redrawn at most once a tick.
  void KeepFloatingUncloseable();
  void RedrawMarkedStrips();
  // Whether the next tick has work here: the mixer floats, or strips wait to be redrawn.
  bool NeedsTick() const;

  const HsWorkingValues& Working() const { return working_; }
  bool SpectrumRedrawPending() const { return SpectrumRedrawPending_; }
  bool ActiveSpectrum() const;

 signals:
  // The working values changed, or the levels did (the harmony colours follow both): once for
  // every change of the active colour's levels and every move of this mixer's sliders.
  void WorkingValuesChanged(const HsWorkingValues& values);
  // A heartbeat job appeared (strips to redraw, the mixer floating).
  void TickWanted();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build(QWidget* page);
  void Connect();
  void ActiveColourChanged(const ActiveColour& now, const ActiveColour& before);
  void HSIHSVtoRGB();
  void RGBtoHSV();
  void HSICalculate();
  void HsSliderChange(int row);
  void ActiveSpecCheckBoxClick();
  void HsModeClick(bool hsi);
  void CalculatePanelClick();
  void SetDistortion(bool distorted);
  void ShowTexts(const std::string& hue, const std::string& saturation, const std::string& intensity);
  void MoveSliders(int hue, int saturation, int intensity);
  void PlaceMarkers();
  // The levels the working values give, as the mixer writes them into the active colour.
  ActiveColour WorkingColour() const;
  RgbReal WorkingRgb() const;
  bool DockContains(QPoint globalPos) const;

  ActiveColourHolder& active_;
  HsWorkingValues working_;
  bool SpectrumRedrawPending_ = false;
  std::vector<int> markerOffsets_;

  QWidget* HSIDockPanel = nullptr;
  QWidget* HSIMixerPanel = nullptr;
  FloatingMixerWindow* floatingMixer_ = nullptr;
  ColourPanel* HuePanel = nullptr;
  ColourPanel* SaturationPanel = nullptr;
  ColourPanel* HSIIntensityPanel = nullptr;
  ImageBox* ColourSpectrumImage = nullptr;
  ImageBox* SaturationSpectrum = nullptr;
  ImageBox* VibranceIntensityImage = nullptr;
  QSlider* HueTrackBar = nullptr;
  QSlider* SaturationTrackBar = nullptr;
  QSlider* VibranceTrackBar = nullptr;
  QLineEdit* HueEdit = nullptr;
  QLineEdit* SaturationEdit = nullptr;
  QLineEdit* VibranceEdit = nullptr;
  QCheckBox* ActiveSpecCheckBox = nullptr;
  QWidget* HSSwitchPanel = nullptr;
  QRadioButton* HSVRadioButton = nullptr;
  QRadioButton* HSIRadioButton = nullptr;
  ColourPanel* CalculatePanel = nullptr;
  QLabel* UndockHintLabel = nullptr;
  QLabel* UndockRightArrow = nullptr;
  QLabel* UndockLeftArrow = nullptr;
  ShapeBox* markers_[3] = {};  // Shape4, Shape5, Shape6
  QPoint mixerDragStart_;
  bool mixerDragArmed_ = false;
};

}  // namespace tintora
