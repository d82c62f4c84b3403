// The other outside colour sources: a snapshot of the desktop, a picture from the clipboard
// (both shown in the "Screen Shot" window, ScreenShotWindow, to pick from), and the system colour dialog
// with its custom colours.
#pragma once

#include <functional>
#include <memory>

#include <QImage>
#include <QObject>

#include "core/colour/custom_colours.h"
#include "widgets/made_on_first_use.h"

class QWidget;

namespace tintora {

class ColourManagement;
class ColourSelection;
struct ScreenAnswer;
class Services;
class SpeedButton;
class StayOnTop;
class ScreenShotWindow;
class PopupMenu;

class Snapshots : public QObject {
  Q_OBJECT
 public:
  Snapshots(QWidget* sources, QWidget* window, MadeOnFirstUse<ScreenShotWindow> shot,
            ColourSelection& selection, StayOnTop& onTop, Services& services);
  ~Snapshots() override;

  void CaptureDesktop();
  // How many pixels across a click on the picture takes (the capture's sample size).
  void SetSampleSize(int size) { sampleSize_ = size; }
  // The display profile a click's colour goes through, as the live capture's does.
  void SetColourManagement(ColourManagement* management) { management_ = management; }
  // The picture of the primary screen; `done` may run before this returns, or later.
  void CaptureScreen(std::function<void(const ScreenAnswer&)> done);
  void CopyFromClipSpeedButtonClick();
  void WinPaletteSpeedButtonClick();
  void RetreiveColourPalette();
  const CustomColourSlots& CustomColours() const { return customColours_; }
  ScreenShotWindow* ScreenShot();

 signals:
  // The desktop is about to be photographed (windows of ours get out of the picture), and has been.
  void SnapshotStarting();
  void SnapshotFinished();
  // The user wants the dialog's custom colours appended to the list.
  void CustomColoursAccepted(const CustomColourSlots& customSlots);
  // A colour was taken by a click on the desktop's picture (not on a clipboard picture).
  void Picked(Rgb8 colour);

 private:
  void SnapshotTaken(const ScreenAnswer& answer, bool onTop);
  void BMPPixelColourRetreive(QPoint pos, bool select);

  QWidget* window_;
  MadeOnFirstUse<ScreenShotWindow> screenShot_;
  ColourSelection& selection_;
  StayOnTop& onTop_;
  Services& services_;
  CustomColourSlots customColours_{};
  bool shooting_ = false;

  SpeedButton* CopyFromClipSpeedButton = nullptr;
  SpeedButton* WinPaletteSpeedButton = nullptr;
  PopupMenu* DesktopCapturePopupExt = nullptr;
  ColourManagement* management_ = nullptr;
  int sampleSize_ = 1;
};

}  // namespace tintora
