#include "widgets/image_box.h"

#include <algorithm>

#include <QStyle>

#include "widgets/glyphs.h"

#include <QPainter>

#include "core/colour/notations.h"

namespace tintora {

ImageBox::ImageBox(QWidget* parent) : ClickArea(parent) {}

void ImageBox::SetPicture(const QImage& image) {
  picture_ = image;
  update();
}

void ImageBox::SetDisplay(const QImage& display) {
  display_ = display;
  update();
}

void ImageBox::SetGlyph(const QString& file) {
  glyph_ = file;
  updateGeometry();
  update();
}

QSize ImageBox::sizeHint() const {
  if (!glyph_.isEmpty()) {
    const int extent = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    return {extent, extent};
  }
  return picture_.isNull() ? ClickArea::sizeHint() : picture_.size();
}

void ImageBox::SetStretch(bool on) {
  stretch_ = on;
  update();
}

std::optional<Rgb8> ImageBox::PixelColour(int x, int y) const {
  if (picture_.isNull() || !picture_.valid(x, y)) return std::nullopt;
  return Rgb8::OfPixel(picture_.pixel(x, y));
}

void ImageBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!glyph_.isEmpty()) {
    const int extent = std::min(width(), height());
    PaintGlyph(p, glyph_, QRectF((width() - extent) / 2.0, (height() - extent) / 2.0, extent, extent));
  } else if (!display_.isNull()) {
    p.drawImage(QPointF(0, 0), Seen(display_));
  } else if (!picture_.isNull()) {
    p.setRenderHint(QPainter::SmoothPixmapTransform, gradient_);
    if (stretch_)
      p.drawImage(rect(), Seen(picture_));
    else
      p.drawImage(0, 0, Seen(picture_));
  }
  PaintFocusFrame(p);
}

}  // namespace tintora
