#include "capture/snapshots.h"
#include "capture/pixel_capture.h"

#include <QAction>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "capture/colour_management.h"
#include "capture/platform/screen_access.h"
#include "capture/screen_shot_window.h"
#include "widgets/colour_selection.h"
#include "widgets/cursors.h"
#include "widgets/guarded.h"
#include "widgets/image_box.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/popup_ext.h"
#include "widgets/services.h"
#include "widgets/speed_button.h"
#include "widgets/stay_on_top.h"

namespace tintora {

namespace {

// Waits while the window system's messages are still handled, so handlers may run inside.
void Delay(int milliseconds) {
  if (milliseconds <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

Snapshots::Snapshots(QWidget* sources, QWidget* window, MadeOnFirstUse<ScreenShotWindow> shot,
                     ColourSelection& selection, StayOnTop& onTop, Services& services)
    : window_(window),
      screenShot_(std::move(shot)),
      selection_(selection),
      onTop_(onTop),
      services_(services) {
  CopyFromClipSpeedButton =
      Make<SpeedButton>(sources, "CopyFromClipSpeedButton", "Get image from clipboard (if available)");
  AddInOrder(static_cast<QBoxLayout*>(sources->layout()), CopyFromClipSpeedButton, 2);
  CopyFromClipSpeedButton->SetGlyph(":/glyphs/clipboard.svg");
  WinPaletteSpeedButton = Make<SpeedButton>(sources, "WinPaletteSpeedButton", "Open standard Colour Palette");
  AddInOrder(static_cast<QBoxLayout*>(sources->layout()), WinPaletteSpeedButton, 3);
  WinPaletteSpeedButton->SetGlyph(":/glyphs/palette.svg");
  DesktopCapturePopupExt = MakePopup(sources, "DesktopCapturePopupExt", onTop);
  QAction* copy = DesktopCapturePopupExt->AddItem("CopyToClipboard1", "Copy to Clipboard");

  Link(CopyFromClipSpeedButton, &SpeedButton::clicked, this,
       [this](bool) { CopyFromClipSpeedButtonClick(); });
  Link(WinPaletteSpeedButton, &SpeedButton::clicked, this, [this](bool) { WinPaletteSpeedButtonClick(); });
  Link(copy, &QAction::triggered, this,
       [this](bool) { services_.SetClipboardImage(screenShot_->Picture()); });
  screenShot_.OnMade([this, &onTop](ScreenShotWindow& shotWindow) {
    onTop.Follow(&shotWindow, false);
    shotWindow.SetMainBounds([this] { return window_->frameGeometry(); });
    Link(&shotWindow, &ScreenShotWindow::PointedAt, this,
         [this](QPoint p, bool click) { BMPPixelColourRetreive(p, click); });
    Link(&shotWindow, &ScreenShotWindow::MenuRequested, this,
         [this](QPoint global) { DesktopCapturePopupExt->Popup(global); });
  });
}

Snapshots::~Snapshots() = default;

void Snapshots::BMPPixelColourRetreive(QPoint pos, bool select) {
  ImageBox* image = &screenShot_->Image();
  image->setCursor(CustomCursor(selection_.SourceCursor()));
  const QImage& picture = image->Picture();
  const std::optional<Rgb8> device =
      sampleSize_ > 1 && picture.valid(pos) && picture.format() == QImage::Format_RGB32
          ? AverageOf(picture, pos, sampleSize_)
          : image->PixelColour(pos.x(), pos.y());
  // The snapshot is of the primary screen, from its top-left corner.
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (device)
    selection_.ColourSelectorUpdate(
        management_ && primary ? management_->Seen(*device, primary->geometry().topLeft() + pos) : *device);
  if (!select) return;
  selection_.SetColourSelection({.copyValue = true});
  if (screenShot_->windowTitle() == "Screen Shot") emit Picked(selection_.Colour());
}

ScreenShotWindow* Snapshots::ScreenShot() { return screenShot_.get(); }

// ---------------------------------------------------------------- snapshot and clipboard picture

void Snapshots::CaptureDesktop() {
  if (shooting_) return;  // one picture at a time, however the desktop answers
  shooting_ = true;
  const bool onTop = window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  // Out of the picture: the mixer (should it float), the screen-shot window, the main window.
  emit SnapshotStarting();
  screenShot_->showMinimized();
  screenShot_->hide();
  window_->showMinimized();
  window_->hide();
  Delay(1500);
  screenShot_->ClearPicture();
  // Read at once where the screen can be read; a desktop portal answers later.
  QPointer<Snapshots> self(this);
  CaptureScreen([self, onTop](const ScreenAnswer& answer) {
    if (self) Guarded([&] { self->SnapshotTaken(answer, onTop); });
  });
}

void Snapshots::SnapshotTaken(const ScreenAnswer& answer, bool onTop) {
  shooting_ = false;
  const bool taken = answer.outcome == ScreenAnswer::Outcome::Done && !answer.picture.isNull();
  if (taken) screenShot_->SetPicture(answer.picture);
  screenShot_->setWindowTitle("Screen Shot");
  window_->show();
  window_->showNormal();
  emit SnapshotFinished();
  if (taken) {
    screenShot_->show();
    screenShot_->showNormal();
  } else if (answer.outcome != ScreenAnswer::Outcome::Cancelled) {
    services_.ShowMessage(window_, "Screen Shot:\r\n\r\n" + answer.message, MessageIcon::Information,
                          MessageButtons::Ok);
  }
  if (onTop) ApplyStayOnTop(window_, true);
}

void Snapshots::CaptureScreen(std::function<void(const ScreenAnswer&)> done) {
  services_.Screen().TakeSnapshot(std::move(done));
}

void Snapshots::CopyFromClipSpeedButtonClick() {
  if (auto picture = services_.ClipboardImage()) {
    screenShot_->SetPicture(*picture);
    screenShot_->setWindowTitle("Clipboard Image");
    screenShot_->show();
    screenShot_->raise();
    return;
  }
  services_.Beep(BeepKind::Information);
  services_.ShowMessage(window_, "Retrieve From Clipboard:\r\n\r\nThere is no bitmap image on the clipboard.",
                        MessageIcon::Information, MessageButtons::Ok);
}

// ---------------------------------------------------------------- the system colour dialog

void Snapshots::WinPaletteSpeedButtonClick() {
  // It opens on the colour the user is looking at, as any colour chooser would.
  if (const auto chosen = services_.ColourDialog(window_, selection_.Active().Shown(), customColours_)) {
    selection_.Take(*chosen);
    selection_.SetColourSelection();
    RetreiveColourPalette();
  }
}

void Snapshots::RetreiveColourPalette() {
  if (!AnyCustomColour(customColours_)) return;
  services_.Beep(BeepKind::Question);
  const MessageAnswer answer = services_.ShowMessage(window_,
                                                     "Common Palette Custom Colour Copy:\r\n\r\nWould you "
                                                     "like to append the\r\ncustom colours to your list?",
                                                     MessageIcon::Question, MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) return;  // the slots stay for the next opening
  emit CustomColoursAccepted(customColours_);
  customColours_.fill(std::nullopt);
}

}  // namespace tintora
