// The "RGB Colour Mixer" and "CMY Mixer" pages: six component rows (each CMY row mirrors its
// RGB twin), the intensity offset rows, the component previews, preset snapping on the caption
// panels and the web-safe indicator grid.
#pragma once

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
class TPopupExt;
struct SettingsValues;

class RgbMixer : public QObject {
  Q_OBJECT
 public:
  RgbMixer(QWidget* rgbPage, QWidget* cmyPage, ActiveColourHolder& active, StayOnTop& onTop);

  // Rows are numbered 1 red, 2 green, 3 blue, 4 cyan, 5 magenta, 6 yellow.
  void ColourTrackBarChanged(int component);
  void AdjustTrackBar(int component, Qt::MouseButton button);
  void TextFieldFilter(int edit);
  void TextFieldToHexFilter(int edit);
  // Commits the typed hex text of one row (1..6), or of all six (0), to the track bars.
  void HexColourSet(int component);
  void HexEntryEditPrep(QLineEdit* edit);
  void WebSafeGridToggle();
  // The settings file's "RGB Mixer" section.
  void ApplySettings(const SettingsValues& values);
  void CollectSettings(SettingsValues& values) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildComponentRow(QWidget* page, int component, int row);
  void BuildIntensityRow(QWidget* page, bool cmy);
  void BuildWebSafeGrid(QWidget* page, int firstShape);
  // The lines follow the track bars wherever the layout puts them.
  void PlaceWebSafeGrid(int firstShape);
  void BuildPreviews(QWidget* page);
  void Connect();
  void ActiveColourChanged(const ActiveColour& now, const ActiveColour& before);
  void ShowComponent(int component, int level);
  void ShowIntensity(int intensity);
  void ShowPreviews(const ActiveColour& colour);
  void ColourPercentDisplayUpdate(const ActiveColour& colour);
  void CmyTrackBarChange(int component);
  void RGBIntensitySpeedButtonClick(QToolButton* sender);
  void ComponentPanelMouseDown(int component, Qt::MouseButton button);

  ActiveColourHolder& active_;
  StayOnTop& onTop_;

  ColourPanel* componentPanel_[7] = {};
  QSlider* componentTrackBar_[7] = {};
  QLineEdit* hexEdit_[7] = {};
  QLineEdit* decimalEdit_[7] = {};
  QLabel* percentLabel_[7] = {};
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
  TPopupExt* RGBandCMYPopupExt = nullptr;
  QAction* WebSafeGridAction = nullptr;
};

// Black on yellow while the shown value is not what the track bars alone say (an intensity
// offset), the system's colours otherwise.
void MarkOffset(QLineEdit* edit, bool offset);

}  // namespace tintora
