// Reading the screen: the cursor's position and the pixels under it, in the desktop's logical
// coordinates (multi-monitor included), whatever the device pixel ratio.
#pragma once

#include <memory>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace tintora {

class ScreenAccess {
 public:
  virtual ~ScreenAccess() = default;
  // False when the desktop does not let a program read other windows (a Wayland session).
  virtual bool CanReadScreen() const = 0;
  virtual QPoint CursorPos() const = 0;
  // The colour value (red in the low byte) of the pixel at a desktop position; -1 when it
  // cannot be read (outside every screen, or no screen access).
  virtual int PixelAt(QPoint position) = 0;
  // The block of logical pixels `rect` covers, one image pixel per logical pixel (RGB32);
  // parts outside the screen holding the block's centre are black. A null image when the
  // screen cannot be read.
  virtual QImage GrabRect(QRect rect) = 0;
  // The primary screen from its top-left corner; a null image when it cannot be read.
  virtual QImage GrabPrimaryScreen() = 0;
};

// The screen through Qt: grabWindow(0, ...) on the screen under the point.
class QtScreenAccess : public ScreenAccess {
 public:
  bool CanReadScreen() const override;
  QPoint CursorPos() const override;
  int PixelAt(QPoint position) override;
  QImage GrabRect(QRect rect) override;
  QImage GrabPrimaryScreen() override;
};

// The reader this build and desktop want: the X server's own on X11, Qt's elsewhere. Made
// once the application (and its window system connection) exists.
std::unique_ptr<ScreenAccess> MakeScreenAccess();

}  // namespace tintora
