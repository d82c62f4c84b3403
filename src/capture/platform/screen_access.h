// Reading the screen: the cursor's position and the pixels under it, in the desktop's logical
// coordinates (multi-monitor included), whatever the device pixel ratio.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include "core/colour/rgb8.h"

namespace tintora {

// How a request to the desktop ended: a colour or a picture, the user's cancel, or a failure
// with the message to show.
struct ScreenAnswer {
  enum class Outcome { Done, Cancelled, Failed };
  Outcome outcome = Outcome::Failed;
  std::optional<Rgb8> colour;
  QImage picture;
  QString message;

  static ScreenAnswer Colour(Rgb8 colour) { return {Outcome::Done, colour, {}, {}}; }
  static ScreenAnswer Picture(QImage picture) { return {Outcome::Done, {}, std::move(picture), {}}; }
  static ScreenAnswer Cancelled() { return {Outcome::Cancelled, {}, {}, {}}; }
  static ScreenAnswer Failure(QString message) { return {Outcome::Failed, {}, {}, std::move(message)}; }
};
using ScreenAnswerHandler = std::function<void(const ScreenAnswer&)>;

class ScreenAccess {
 public:
  virtual ~ScreenAccess() = default;
  // What the About box calls it.
  virtual QString BackendName() const = 0;
  // False when the desktop does not let a program read other windows (a Wayland session).
  virtual bool CanReadScreen() const = 0;
  // True where the pointer cannot be followed but the desktop picks one colour on request
  // (a Wayland session with the desktop portal): live capture gives way to PickColour.
  virtual bool PicksOnRequest() const { return false; }
  // Asks the desktop's own picker for one colour; `done` runs later, on the GUI thread, once.
  // Where there is no picker it fails at once.
  virtual void PickColour(ScreenAnswerHandler done);
  // The square, `size` device pixels across, whose mean in linear light PickColour gives where
  // it reads the screen itself; a desktop's own picker (the portal's) gives its one pixel.
  virtual void SetPickSample(int size) { (void)size; }
  // A picture of the desktop for the snapshot window. Where the screen is read directly this
  // is GrabPrimaryScreen, answered before it returns; a portal answers later.
  virtual void TakeSnapshot(ScreenAnswerHandler done);
  virtual QPoint CursorPos() const = 0;
  // Moves the pointer by whole device pixels where the desktop lets a program do that (not on
  // Wayland); by logical pixels where only those can be named.
  virtual void MovePointer(QPoint by);
  // The colour of the pixel at a desktop position; nothing when it cannot be read (outside
  // every screen, or no screen access).
  virtual std::optional<Rgb8> PixelAt(QPoint position) = 0;
  // The block of logical pixels `rect` covers, one image pixel per logical pixel (RGB32);
  // parts outside the screen holding the block's centre are black. A null image when the
  // screen cannot be read.
  virtual QImage GrabRect(QRect rect) = 0;
  // The primary screen from its top-left corner; a null image when it cannot be read.
  virtual QImage GrabPrimaryScreen() = 0;
  // The colour profile (ICC) of the display showing a desktop position, as the desktop
  // publishes it; empty where it publishes none. Cheap to ask again: a desktop that says when
  // its profile changes is read once per change.
  virtual QByteArray ColourProfile(QPoint position) {
    (void)position;
    return {};
  }
};

// The screen through Qt: grabWindow(0, ...) on the screen under the point.
class QtScreenAccess : public ScreenAccess {
 public:
  QString BackendName() const override;
  bool CanReadScreen() const override;
  QPoint CursorPos() const override;
  std::optional<Rgb8> PixelAt(QPoint position) override;
  QImage GrabRect(QRect rect) override;
  QImage GrabPrimaryScreen() override;
#ifdef Q_OS_WIN
  QByteArray ColourProfile(QPoint position) override;
#endif
};

// One pixel per logical pixel from a picture in device pixels: the first device pixel of each,
// the one under the logical position. The result has a device pixel ratio of 1, so painting it
// does not shrink it.
QImage OnePixelPerLogicalPixel(const QImage& device, QSize logical);

// The message of a snapshot on a desktop that cannot be read.
inline constexpr const char* kCannotReadScreen = "This desktop does not let programs read the screen.";

}  // namespace tintora
