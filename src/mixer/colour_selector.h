// The "Colour Selector" pane: the selector swatch and its hex text, the 16-colour tray, and
// the three base palettes with their lock. Pointing at a source shows its colour in the
// selector; a click makes it the active colour.
#pragma once

#include <QObject>

#include "widgets/active_colour_holder.h"

class QAction;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace tintora {

class ColourPanel;
class ColourSelection;
class ImageBox;
class SpeedButton;
class StayOnTop;
class TPopupExt;
struct SettingsValues;

class ColourSelectorPane : public QObject {
  Q_OBJECT
 public:
  ColourSelectorPane(QGroupBox* pane, ActiveColourHolder& active, ColourSelection& selection,
                     StayOnTop& onTop);

  void PalettePanelUpdate(int palette);  // 1 red, 2 green, 3 blue based
  void WebSafePaletteToggle();
  void BaseColourLockToggle();
  void BaseColourLockReset();
  bool DerivativesLocked() const { return DerivativesLocked_; }
  // The settings file's "Colour Selector" section.
  void ApplySettings(const SettingsValues& values);
  void CollectSettings(SettingsValues& values) const;

  // Where the capture room draws its magnified view, and its part of the selector's menu.
  QWidget* ZoomHost() const;
  TPopupExt* SelectorMenu() const { return ColourSelectorPopupExt; }

 private:
  void BuildTray(QGridLayout* grid);
  void BuildPalettes(QGridLayout* grid);
  void Connect();
  void ActiveColourChanged(const ActiveColour& now, const ActiveColour& before);
  void ShowSelection(int colour);
  void TrayPanelMouseOverAndSelect(ColourPanel* panel, bool select);
  void BMPPixelColourRetreive(int palette, QPoint pos);
  void PaletteImagesMouseDown(int palette, Qt::MouseButton button, QPoint pos);
  void LockColourSpeedButtonMouseDown(Qt::MouseButton button);
  void RetrieveAllAsWebSafeClick();
  void DrawPalette(int palette, int base);

  ActiveColourHolder& active_;
  ColourSelection& selection_;
  bool DerivativesLocked_ = true;

  ColourPanel* ColourSelectorPanel = nullptr;
  QLineEdit* ColourSelectorEdit = nullptr;
  ImageBox* WebSafeImage = nullptr;
  ColourPanel* trayPanels_[16] = {};
  ImageBox* basePalette_[4] = {};  // 1 red, 2 green, 3 blue
  SpeedButton* LockColourSpeedButton = nullptr;
  TPopupExt* ColourSelectorPopupExt = nullptr;
  QAction* RetrieveAllAsWebSafeAction = nullptr;
  TPopupExt* PalettePopupExt = nullptr;
  QAction* WebSafePaletteAction = nullptr;
};

}  // namespace tintora
