// Active pixel capture: the capture button, the hot-key menu, and the heartbeat's reading of
// the pixel under the mouse into the colour selector, plain or magnified. The hot key commits
// the colour the last reading showed.
#pragma once

#include <optional>

#include <QImage>
#include <QList>
#include <QObject>

#include "capture/colour_management.h"
#include "core/colour/notations.h"

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace tintora {

class ColourSelection;
class DebugPanel;
class ImageBox;
class Services;
class SpeedButton;
class StayOnTop;
class PopupMenu;
struct SettingsValues;

// The average in linear light of the `size` square around `centre` of an RGB32 picture.
Rgb8 AverageOf(const QImage& rgb32, QPoint centre, int size);

class PixelCapture : public QObject {
  Q_OBJECT
 public:
  // `sources`: the panel for the capture button; `zoomHost`: where the magnified view shows;
  // `window`: the main window, over which nothing is read while it is active.
  PixelCapture(QWidget* sources, QWidget* zoomHost, QWidget* window, ColourSelection& selection,
               DebugPanel& debug, StayOnTop& onTop, Services& services);
  ~PixelCapture() override;

  void DeskTopPixelCaptInit();
  void SetupHotkeys();
  void PixelCaptureToggler();
  void PixelCaptureHintDisplay();
  // The capture hot key was pressed.
  void HotKeyPressed();
  // Where the desktop picks colours on request: asks it for one, which is then taken as the
  // hot key takes a captured pixel.
  void PickOnce();
  // Checks the key item a stored settings index names; 0 and values above 19 change nothing.
  void CheckHotKeyItem(int settingsIndex);
  bool CaptureActive() const { return PixelCaptureActive; }
  // The settings file's "External Colour" section, but for the auto-open item.
  void ApplySettings(const SettingsValues& values);
  void CollectSettings(SettingsValues& values) const;
  // The zoom items of the colour selector's menu, and its sample sizes.
  QList<QAction*> ZoomActions() const;
  QMenu* SampleMenu() const { return sampleMenu_; }
  // The display profile's item for the selector's menu, and the value menu's item that copies
  // the screen's own value of the last pick.
  QAction* DisplayProfileAction() const { return displayProfileItem_; }
  QAction* ScreenValueAction() const { return screenValueItem_; }
  ColourManagement& Management() { return management_; }
  // How many pixels across a pick takes: 1, 3, 5, 7 or 9.
  int SampleSize() const { return sampleSize_; }
  void SetSampleSize(int size);

  // Heartbeat steps: the hot key is held whatever the capture state (asking again for the
  // combination already held costs nothing), and the pixel under the mouse is read.
  void HoldHotKey();
  void CaptureTick();
  // Whether the next tick has work here: capture is on, or the hot key is not yet held.
  bool NeedsTick() const;

 signals:
  // A left click on the capture button while capture is off.
  void SnapshotRequested();
  // A heartbeat job appeared (capture on, a new hot key, the desktop now offering keys).
  void TickWanted();
  // Another sample size was chosen (the snapshot's clicks take it too).
  void SampleSizeChanged(int size);
  // A colour was taken from the screen (the hot key, the desktop's picker).
  void Picked(Rgb8 colour);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CaptureDesktopSpeedButtonMouseUp(Qt::MouseButton button);
  void PopupHotKeyMenu();
  void PlainRead(QPoint cursor);
  void ZoomRead(QPoint cursor);
  // The magnified picture's pixel grid (at x4) and the sampled square's outline.
  void OutlineSample(QImage& shown, int size) const;
  // A colour read from the screen at `at` into the selector, through the display profile;
  // nothing read leaves the selector as it is.
  void ShowRead(std::optional<Rgb8> device, QPoint at);

  QWidget* window_;
  ColourSelection& selection_;
  DebugPanel& debug_;
  StayOnTop& onTop_;
  Services& services_;
  bool PixelCaptureActive = false;
  // The stored "ActivePixelCapture" where live capture cannot run, written back unchanged.
  bool storedCaptureActive_ = false;
  std::optional<bool> hintCanGrab_;  // what the hint last said of the hot key
  bool hotKeyHeld_ = false;          // the last registration succeeded
  unsigned HotKeyModifiers = 0;
  unsigned HotKeyVirtualKey = 0;
  QImage ZoomBitmap;
  int sampleSize_ = 1;
  ColourManagement management_;
  QAction* displayProfileItem_ = nullptr;
  QAction* screenValueItem_ = nullptr;
  std::optional<Rgb8> labelledScreenValue_;
  QMenu* sampleMenu_ = nullptr;
  QAction* sampleItems_[5] = {};

  SpeedButton* CaptureDesktopSpeedButton = nullptr;
  ImageBox* ZoomImage = nullptr;
  PopupMenu* ActivePixHotKeyPopupExt = nullptr;
  QAction* ShiftAction = nullptr;
  QAction* CtrlAction = nullptr;
  QAction* AltAction = nullptr;
  QAction* HotKeyUnavailableAction = nullptr;
  QAction* hotKeyItems_[19] = {};
  QAction* ZoomViewAction = nullptr;
  QAction* ZoomX2Action = nullptr;
  QAction* ZoomX4Action = nullptr;
};

}  // namespace tintora
