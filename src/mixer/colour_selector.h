// The "Colour Selector" pane: the selector swatch and its hex text, the 16-colour tray, and
// the three base palettes with their lock. Pointing at a source shows its colour in the
// selector; a click makes it the active colour.
#pragma once

#include <array>

#include <QObject>

#include "widgets/active_colour_holder.h"

class QAction;
class QFrame;
class QGridLayout;
class QKeyEvent;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace tintora {

class ColourPanel;
class ColourSelection;
class Services;
class ImageBox;
class SpeedButton;
class StayOnTop;
class PopupMenu;
struct SettingsValues;

class ColourSelectorPane : public QObject {
  Q_OBJECT
 public:
  ColourSelectorPane(QGroupBox* pane, ActiveColourHolder& active, ColourSelection& selection,
                     StayOnTop& onTop, Services& services);

  // The palette that keeps that component of the active colour (red, green or blue).
  void PalettePanelUpdate(ColourComponent kept);
  void WebSafePaletteToggle();
  void BaseColourLockToggle();
  void BaseColourLockReset();
  bool DerivativesLocked() const { return DerivativesLocked_; }
  // The settings file's "Colour Selector" section.
  void ApplySettings(const SettingsValues& values);
  void CollectSettings(SettingsValues& values) const;

  // Where the capture room draws its magnified view, and its part of the selector's menu.
  QWidget* ZoomHost() const;
  PopupMenu* SelectorMenu() const { return ColourSelectorPopupExt; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildTray(QGridLayout* grid);
  void BuildPalettes(QGridLayout* grid);
  void Connect();
  void ActiveColourChanged(const ActiveColour& now, const ActiveColour& before);
  void ShowSelection(Rgb8 colour);
  void TrayPanelMouseOverAndSelect(ColourPanel* panel, bool select);
  void BMPPixelColourRetrieve(ColourComponent kept, QPoint pos);
  void PaletteImagesMouseDown(ColourComponent kept, Qt::MouseButton button, QPoint pos);
  void LockColourSpeedButtonMouseDown(Qt::MouseButton button);
  void RetrieveAllAsWebSafeClick();
  void DrawPalette(ColourComponent kept, int base);
  // Colour text typed into the hex box (hex, or any CSS colour), on Enter.
  void TypedColourEntered();
  // The tray from the keyboard: the arrows move along it, Space or Enter takes the colour.
  bool TrayKey(QKeyEvent* event);
  void MarkTrayCurrent(bool shown);

  ActiveColourHolder& active_;
  ColourSelection& selection_;
  Services& services_;
  bool DerivativesLocked_ = true;

  ColourPanel* ColourSelectorPanel = nullptr;
  QLineEdit* ColourSelectorEdit = nullptr;
  ImageBox* WebSafeImage = nullptr;
  QFrame* tray_ = nullptr;
  QGroupBox* pane_ = nullptr;  // takes colours dropped from other programs
  bool DropEvent(QEvent* event);
  ColourPanel* trayPanels_[16] = {};
  int trayCurrent_ = 0;
  std::array<ImageBox*, 3> basePalette_ = {};  // red, green, blue
  SpeedButton* LockColourSpeedButton = nullptr;
  PopupMenu* ColourSelectorPopupExt = nullptr;
  QAction* RetrieveAllAsWebSafeAction = nullptr;
  PopupMenu* PalettePopupExt = nullptr;
  QAction* WebSafePaletteAction = nullptr;
};

}  // namespace tintora
