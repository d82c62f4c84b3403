#include "widgets/image_box.h"

#include <QPainter>

#include "colour/notations.h"

namespace tintora {

ImageBox::ImageBox(QWidget* parent) : ClickArea(parent) {}

void ImageBox::SetPicture(const QImage& image) {
  picture_ = image;
  update();
}

void ImageBox::SetStretch(bool on) {
  stretch_ = on;
  update();
}

int ImageBox::PixelColour(int x, int y) const {
  if (picture_.isNull() || !picture_.valid(x, y)) return -1;
  return ColourOfPixel(picture_.pixel(x, y));
}

void ImageBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  if (stretch_) {
    p.drawImage(rect(), picture_);
  } else {
    p.drawImage(0, 0, picture_);
  }
}

}  // namespace tintora
