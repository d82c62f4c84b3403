#include <algorithm>

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "capture/platform/screen_access.h"
#include "core/capture/screen_backend.h"
#include "core/colour/notations.h"

namespace tintora {

QImage OnePixelPerLogicalPixel(const QImage& device, QSize logical) {
  QImage out(logical, QImage::Format_RGB32);
  out.fill(Qt::black);
  if (device.isNull() || logical.isEmpty()) return out;
  const double sx = static_cast<double>(device.width()) / logical.width();
  const double sy = static_cast<double>(device.height()) / logical.height();
  const QImage source = device.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < logical.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(
        source.constScanLine(std::min(source.height() - 1, static_cast<int>(y * sy))));
    auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < logical.width(); ++x)
      to[x] = from[std::min(source.width() - 1, static_cast<int>(x * sx))];
  }
  return out;
}

void ScreenAccess::PickColour(ScreenAnswerHandler done) {
  done(ScreenAnswer::Failure("This desktop has no colour picker to ask."));
}

void ScreenAccess::MovePointer(QPoint by) { QCursor::setPos(QCursor::pos() + by); }

void ScreenAccess::TakeSnapshot(ScreenAnswerHandler done) {
  QImage picture = GrabPrimaryScreen();
  if (picture.isNull()) {
    done(ScreenAnswer::Failure(kCannotReadScreen));
  } else {
    done(ScreenAnswer::Picture(std::move(picture)));
  }
}

QString QtScreenAccess::BackendName() const { return ScreenBackendName(ScreenBackend::Qt); }

bool QtScreenAccess::CanReadScreen() const {
  // On Wayland a program sees only its own windows; elsewhere (X11, Windows) the whole desktop.
  return !QGuiApplication::platformName().startsWith("wayland");
}

QPoint QtScreenAccess::CursorPos() const { return QCursor::pos(); }

std::optional<Rgb8> QtScreenAccess::PixelAt(QPoint p) {
  QScreen* screen = QGuiApplication::screenAt(p);
  if (!screen || !CanReadScreen()) return std::nullopt;
  const QRect g = screen->geometry();
  // A one-pixel logical grab is several device pixels under a scale factor; the one under the
  // cursor is the first of them.
  const QImage image = screen->grabWindow(0, p.x() - g.x(), p.y() - g.y(), 1, 1).toImage();
  if (image.isNull() || image.width() < 1 || image.height() < 1) return std::nullopt;
  return Rgb8::OfPixel(image.pixel(0, 0));
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
  const QImage logical = OnePixelPerLogicalPixel(grabbed.toImage(), part.size());
  QPainter painter(&block);
  painter.drawImage(part.topLeft() - rect.topLeft(), logical);
  return block;
}

QImage QtScreenAccess::GrabPrimaryScreen() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || !CanReadScreen()) return {};
  const QRect g = screen->geometry();
  const QImage grabbed = screen->grabWindow(0, 0, 0, g.width(), g.height()).toImage();
  if (grabbed.isNull()) return {};
  return OnePixelPerLogicalPixel(grabbed, g.size());
}

}  // namespace tintora
