#include "widgets/click_area.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <QKeyEvent>
#include <QMouseEvent>

namespace tintora {

void ClickArea::PaintFocusFrame(QPainter& painter) const {
  if (!hasFocus()) return;
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = rect().adjusted(1, 1, -1, -1);
  option.backgroundColor = palette().color(QPalette::Window);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
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
