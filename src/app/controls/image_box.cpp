#include "app/controls/image_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace tintora {

ImageBox::ImageBox(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setMouseTracking(true);
}

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
  const QRgb p = picture_.pixel(x, y);
  return qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16);
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

void ImageBox::mousePressEvent(QMouseEvent* event) {
  pressedInside_ = true;
  emit MousePressed(event->button(), event->position().toPoint());
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressedInside_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressedInside_ = false;
  emit MouseReleased(event->button(), event->position().toPoint());
  if (click) emit Clicked();
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) { emit MouseMoved(event->position().toPoint()); }

void ImageBox::mouseDoubleClickEvent(QMouseEvent* event) {
  pressedInside_ = true;
  if (event->button() == Qt::LeftButton) emit DoubleClicked();
}

}  // namespace tintora
