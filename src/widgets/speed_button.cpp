#include "widgets/speed_button.h"

#include "widgets/glyphs.h"

#include <QMouseEvent>

namespace tintora {

SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent) {
  setAutoRaise(true);
  setCursor(Qt::PointingHandCursor);
  setIconSize(QSize(16, 16));
  // Space or Enter on the button is a left click, whatever the handlers listen to.
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (!mouseClick_) {
      emit MouseDown(Qt::LeftButton);
      emit MouseUp(Qt::LeftButton);
    }
  });
}

void SpeedButton::RightClick() {
  emit MouseDown(Qt::RightButton);
  emit MouseUp(Qt::RightButton);
}

void SpeedButton::SetGlyph(const QString& file) { setIcon(GlyphIcon(file)); }

void SpeedButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) QToolButton::mousePressEvent(event);
  emit MouseDown(event->button());
}

void SpeedButton::mouseReleaseEvent(QMouseEvent* event) {
  mouseClick_ = true;
  if (event->button() == Qt::LeftButton) QToolButton::mouseReleaseEvent(event);
  mouseClick_ = false;
  emit MouseUp(event->button());
}

}  // namespace tintora
