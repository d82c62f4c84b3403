#include "widgets/shape_box.h"

#include <QPainter>

#include "widgets/colour_panel.h"

namespace tintora {

ShapeBox::ShapeBox(Kind kind, QWidget* parent) : ClickArea(parent), kind_(kind) {}

void ShapeBox::SetBrushColour(Rgb8 c) {
  if (c == brush_ && !accessibleDescription().isEmpty()) return;
  brush_ = c;
  setAccessibleDescription(ColourDescription(c));
  update();
}

void ShapeBox::SetPen(bool visible, Rgb8 c) {
  penVisible_ = visible;
  pen_ = c;
  update();
}

void ShapeBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (kind_ == Kind::Circle) p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Seen(brush_));
  if (penVisible_) {
    p.setPen(QPen(Seen(pen_), 1));
  } else {
    p.setPen(Qt::NoPen);
  }
  const QRect r = rect().adjusted(0, 0, penVisible_ ? -1 : 0, penVisible_ ? -1 : 0);
  if (kind_ == Kind::Circle) {
    p.drawEllipse(r);
  } else {
    p.drawRect(r);
  }
}

}  // namespace tintora
