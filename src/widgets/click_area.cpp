#include "widgets/click_area.h"

#include <QMouseEvent>

namespace tintora {

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
