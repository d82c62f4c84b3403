#include "widgets/click_area.h"

#include <QPainter>
#include <QPen>

#include <span>

#include <QKeyEvent>
#include <QMouseEvent>

namespace tintora {

void ClickArea::PaintFocusFrame(QPainter& painter) const {
  if (!hasFocus()) return;
  // The style's dotted focus rectangle all but vanishes on small pictures and dark desktops: a
  // ring in the selection colour, with a thin one inside in its text colour, shows on anything
  // (even on a swatch of the selection colour itself).
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  painter.setPen(QPen(palette().color(QPalette::HighlightedText), 1));
  painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
  painter.restore();
}

void ClickArea::SetVision(ColourVision vision) {
  if (vision == vision_) return;
  vision_ = vision;
  update();
}

QColor ClickArea::Seen(Rgb8 c) const {
  const Rgb8 seen = SimulateColourVision(c, vision_);
  return QColor(seen.red, seen.green, seen.blue);
}

QImage ClickArea::Seen(const QImage& picture) const {
  if (vision_ == ColourVision::Normal || picture.isNull()) return picture;
  QImage seen = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < seen.height(); ++y)
    SimulateColourVision(std::span<std::uint32_t>(reinterpret_cast<std::uint32_t*>(seen.scanLine(y)),
                                                  static_cast<std::size_t>(seen.width())),
                         vision_);
  return seen;
}

void ViewAs(QWidget* root, ColourVision vision) {
  if (auto* area = qobject_cast<ClickArea*>(root)) area->SetVision(vision);
  for (ClickArea* area : root->findChildren<ClickArea*>()) area->SetVision(vision);
}

void ClickArea::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit MousePressed(Qt::LeftButton, rect().center());
    emit MouseReleased(Qt::LeftButton, rect().center());
    emit Clicked();
    return;
  }
  QFrame::keyPressEvent(event);
}

ClickArea::ClickArea(QWidget* parent) : QFrame(parent) { setMouseTracking(true); }

void ClickArea::mousePressEvent(QMouseEvent* event) {
  pressedInside_ = true;
  emit MousePressed(event->button(), event->position().toPoint());
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressedInside_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressedInside_ = false;
  emit MouseReleased(event->button(), event->position().toPoint());
  if (click) emit Clicked();
}

void ClickArea::mouseMoveEvent(QMouseEvent* event) { emit MouseMoved(event->position().toPoint()); }

void ClickArea::mouseDoubleClickEvent(QMouseEvent* event) {
  pressedInside_ = true;
  if (event->button() == Qt::LeftButton) emit DoubleClicked();
}

}  // namespace tintora
