#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "capture/platform/screen_access.h"
#include "colour/notations.h"

namespace tintora {

bool QtScreenAccess::CanReadScreen() const {
  // On Wayland a program sees only its own windows; elsewhere (X11, Windows) the whole desktop.
  return !QGuiApplication::platformName().startsWith("wayland");
}

QPoint QtScreenAccess::CursorPos() const { return QCursor::pos(); }

int QtScreenAccess::PixelAt(QPoint p) {
  QScreen* screen = QGuiApplication::screenAt(p);
  if (!screen || !CanReadScreen()) return -1;
  const QRect g = screen->geometry();
  // A one-pixel logical grab is several device pixels under a scale factor; the one under the
  // cursor is the first of them.
  const QImage image = screen->grabWindow(0, p.x() - g.x(), p.y() - g.y(), 1, 1).toImage();
  if (image.isNull() || image.width() < 1 || image.height() < 1) return -1;
  return ColourOfPixel(image.pixel(0, 0));
}

QImage QtScreenAccess::GrabRect(QRect rect) {
  QScreen* screen = QGuiApplication::screenAt(rect.center());
  if (!screen || !CanReadScreen()) return {};
  QImage block(rect.size(), QImage::Format_RGB32);
  block.fill(Qt::black);
  const QRect g = screen->geometry();
  const QRect part = rect.intersected(g);
  if (part.isEmpty()) return block;
  const QPixmap grabbed =
      screen->grabWindow(0, part.x() - g.x(), part.y() - g.y(), part.width(), part.height());
  // Back to one pixel per logical pixel, whatever the scale factor.
  const QImage logical = grabbed.toImage().scaled(part.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  QPainter painter(&block);
  painter.drawImage(part.topLeft() - rect.topLeft(), logical);
  return block;
}

QImage QtScreenAccess::GrabPrimaryScreen() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || !CanReadScreen()) return {};
  const QRect g = screen->geometry();
  return screen->grabWindow(0, 0, 0, g.width(), g.height())
      .toImage()
      .scaled(g.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

}  // namespace tintora
