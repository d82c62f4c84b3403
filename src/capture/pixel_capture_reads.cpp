// The capture's reads on each heartbeat tick: the pixel (or the averaged square) under the
// pointer, or the magnifier's block with the sampled square outlined, turned into the colour
// the screen shows and handed to the selector.
#include "capture/pixel_capture.h"

#include <QAction>
#include <QPainter>
#include <QWidget>

#include "capture/platform/screen_access.h"
#include "core/capture/capture_maths.h"
#include "core/colour/css_colour.h"
#include "widgets/colour_selection.h"
#include "widgets/debug_panel.h"
#include "widgets/image_box.h"
#include "widgets/services.h"

namespace tintora {

void PixelCapture::CaptureTick() {
  if (!PixelCaptureActive) return;
  const QPoint p = services_.Screen().CursorPos();
  const QRect f = window_->frameGeometry();
  if (InsideBounds(p.x(), p.y(), f.left(), f.top(), f.width(), f.height()) && window_->isActiveWindow()) {
    if (ZoomImage->isVisible()) ZoomImage->hide();
    return;
  }
  // A read that fails this tick is simply tried again on the next.
  try {
    if (ZoomViewAction->isChecked()) {
      ZoomRead(p);
    } else {
      PlainRead(p);
    }
  } catch (...) {
  }
}

void PixelCapture::PlainRead(QPoint p) {
  if (ZoomImage->isVisible()) ZoomImage->hide();  // the zoom view was switched off
  if (debug_.isVisible()) debug_.ShowMouse(p);
  if (sampleSize_ == 1) {
    ShowRead(services_.Screen().PixelAt(p), p);
    return;
  }
  const int half = sampleSize_ / 2;
  const QImage square = services_.Screen()
                            .GrabRect(QRect(p.x() - half, p.y() - half, sampleSize_, sampleSize_))
                            .convertToFormat(QImage::Format_RGB32);
  if (!square.isNull()) ShowRead(AverageOf(square, QPoint(half, half), sampleSize_), p);
}

void PixelCapture::ShowRead(std::optional<Rgb8> device, QPoint at) {
  if (!device) return;  // tried again on the next tick
  selection_.ColourSelectorUpdate(management_.Seen(*device, at));
  const bool managed = management_.InForce();
  screenValueItem_->setEnabled(managed);
  // The pointer mostly rests on one colour: the item's text is made when the value moves.
  if (managed && device != labelledScreenValue_) {
    labelledScreenValue_ = device;
    screenValueItem_->setText("Copy Screen Value (" +
                              QString::fromStdString(WriteCssColour(*device, CssNotation::Hex)) + ")");
  }
}

Rgb8 AverageOf(const QImage& rgb32, QPoint centre, int size) {
  return AverageSquare(
      std::span<const std::uint32_t>(reinterpret_cast<const std::uint32_t*>(rgb32.constBits()),
                                     static_cast<std::size_t>(rgb32.width()) * rgb32.height()),
      rgb32.width(), centre.x(), centre.y(), size);
}

void PixelCapture::ZoomRead(QPoint p) {
  if (ZoomImage->isHidden()) ZoomImage->show();
  const int size = ZoomX2Action->isChecked() ? 2 * kZoomBlock : kZoomBlock;
  const int c = ZoomCentre(size);
  QImage block = services_.Screen().GrabRect(QRect(p.x() - c, p.y() - c, size, size));
  if (block.isNull()) return;
  block = block.convertToFormat(QImage::Format_RGB32);
  // A pointer resting over still pixels costs a read and nothing more.
  if (block == ZoomBitmap && !ZoomImage->Picture().isNull()) return;
  ZoomBitmap = block;
  QImage marked = block;
  if (sampleSize_ == 1) {
    MarkZoomCentre(std::span<std::uint32_t>(reinterpret_cast<std::uint32_t*>(marked.bits()),
                                            static_cast<std::size_t>(size) * size),
                   size);
    ShowRead(Rgb8::OfPixel(marked.pixel(c, c)), p);
  } else {
    ShowRead(AverageOf(block, QPoint(c, c), sampleSize_), p);
  }
  QImage shown = marked.scaled(kZoomShown, kZoomShown, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  OutlineSample(shown, size);
  ZoomImage->SetPicture(shown);
  ZoomImage->repaint();
}

void PixelCapture::OutlineSample(QImage& shown, int size) const {
  const double cell = static_cast<double>(kZoomShown) / size;
  QPainter painter(&shown);
  // Single pixels are big enough to tell apart at x4: a faint grid between them.
  if (cell >= 4) {
    painter.setPen(QColor(128, 128, 128, 90));
    for (int k = 1; k < size; ++k) {
      const int at = static_cast<int>(k * cell);
      painter.drawLine(at, 0, at, kZoomShown - 1);
      painter.drawLine(0, at, kZoomShown - 1, at);
    }
  }
  if (sampleSize_ == 1) return;
  // The sampled square, in black and white so that it shows on any colour.
  const int first = ZoomCentre(size) - sampleSize_ / 2;
  const QRectF square(first * cell, first * cell, sampleSize_ * cell, sampleSize_ * cell);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(square.adjusted(0, 0, -1, -1));
  painter.setPen(QPen(Qt::white, 1));
  painter.drawRect(square.adjusted(1, 1, -2, -2));
}

}  // namespace tintora
