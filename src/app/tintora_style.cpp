#include "app/tintora_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace tintora {

// No base style: the one the desktop chose (Fusion where it chose none).
TintoraStyle::TintoraStyle() : QProxyStyle() {}

int TintoraStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
  if (hint == SH_ToolTip_WakeUpDelay) return 250;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void TintoraStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  // Flat (auto-raised) tool buttons show no frame of their own: the keyboard focus gets one.
  if (control == CC_ToolButton && (option->state & State_HasFocus) &&
      (option->state & State_KeyboardFocusChange)) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QPen pen(option->palette.color(QPalette::Highlight), 2);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(option->rect).adjusted(1, 1, -1, -1), 3, 3);
    painter->restore();
  }
}

void ApplyTintoraLook() { QApplication::setStyle(new TintoraStyle); }

}  // namespace tintora
