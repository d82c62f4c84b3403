#include "widgets/speed_button.h"

#include "widgets/glyphs.h"

#include <QMouseEvent>

namespace tintora {

SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent) {
  setAutoRaise(true);
  setCursor(Qt::PointingHandCursor);
  setIconSize(QSize(16, 16));
}

void SpeedButton::SetGlyph(const QString& file) { setIcon(GlyphIcon(file)); }

void SpeedButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) QToolButton::mousePressEvent(event);
  emit MouseDown(event->button());
}

void SpeedButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) QToolButton::mouseReleaseEvent(event);
  emit MouseUp(event->button());
}

}  // namespace tintora
