// The "RGB Colour Mixer" and "CMY Mixer" pages: six component rows (each CMY row mirrors its
// RGB twin), the intensity offset rows, the component previews, preset snapping on the caption
// panels and the web-safe indicator grid.
#pragma once

#include <array>
#include <optional>

#include <QObject>

#include "widgets/active_colour_holder.h"

class QAction;
class QLabel;
class QLineEdit;
class QSlider;
class QToolButton;
class QWidget;

namespace tintora {

class ColourPanel;
class StayOnTop;
class PopupMenu;
struct SettingsValues;

class RgbMixer : public QObject {
  Q_OBJECT
 public:
  RgbMixer(QWidget* rgbPage, QWidget* cmyPage, ActiveColourHolder& active, StayOnTop& onTop);

  void ColourTrackBarChanged(ColourComponent component);
  void AdjustTrackBar(ColourComponent component, Qt::MouseButton button);
  void TextFieldFilter(ColourComponent component);
  void TextFieldToHexFilter(ColourComponent component);
  // Commits the typed hex text of one row, or of all six (nullopt), to the track bars.
  void HexColourSet(std::optional<ColourComponent> component);
  void HexEntryEditPrep(QLineEdit* edit);
  void WebSafeGridToggle();
  // The settings file's "RGB Mixer" section.
  void ApplySettings(const SettingsValues& values);
  void CollectSettings(SettingsValues& values) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildComponentRow(QWidget* page, ColourComponent component, int row);
  QSlider* Bar(ColourComponent c) const { return componentTrackBar_[IndexOf(c)]; }
  void BuildIntensityRow(QWidget* page, bool cmy);
  void BuildWebSafeGrid(QWidget* page, int firstShape);
  // The lines follow the track bars wherever the layout puts them.
  void PlaceWebSafeGrid(int firstShape);
  void BuildPreviews(QWidget* page);
  void Connect();
  void ActiveColourChanged(const ActiveColour& now, const ActiveColour& before);
  void ShowComponent(ColourComponent component, int level);
  void ShowIntensity(int intensity);
  void ShowPreviews(const ActiveColour& colour);
  void ColourPercentDisplayUpdate(const ActiveColour& colour);
  void RGBIntensitySpeedButtonClick(QToolButton* sender);
  void ComponentPanelMouseDown(ColourComponent component, Qt::MouseButton button);

  ActiveColourHolder& active_;
  StayOnTop& onTop_;

  // Each component's row, in the order of kColourComponents.
  std::array<ColourPanel*, 6> componentPanel_ = {};
  std::array<QSlider*, 6> componentTrackBar_ = {};
  std::array<QLineEdit*, 6> hexEdit_ = {};
  std::array<QLineEdit*, 6> decimalEdit_ = {};
  std::array<QLabel*, 6> percentLabel_ = {};
  QSlider* IntensityTrackBar = nullptr;
  QSlider* CmyIntensityTrackBar = nullptr;
  QLineEdit* IntensityEdit = nullptr;
  QLineEdit* CMYIntensityEdit = nullptr;
  QToolButton* RGBIntensitySpeedButton = nullptr;
  QToolButton* CMYIntensitySpeedButton = nullptr;
  ColourPanel* RedPreviewPanel = nullptr;
  ColourPanel* GreenPreviewPanel = nullptr;
  ColourPanel* BluePreviewPanel = nullptr;
  ColourPanel* IntensityPreviewPanel = nullptr;
  QWidget* websafeGridShape_[13] = {};
  PopupMenu* RGBandCMYPopupExt = nullptr;
  QAction* WebSafeGridAction = nullptr;
};

// Black on yellow while the shown value is not what the track bars alone say (an intensity
// offset), the system's colours otherwise.
void MarkOffset(QLineEdit* edit, bool offset);

}  // namespace tintora
