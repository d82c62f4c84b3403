#include "app/tintora_style.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
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

void TintoraStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
  // Fusion draws a group box's frame from a picture it loads by name, and a picture loaded by
  // name has every image format plugin loaded to ask whether it is theirs (the JPEG library
  // and all) before the first paint. The same picture, read as the PNG it is, drawn as Fusion
  // draws it.
  if (element != PE_FrameGroupBox || baseStyle()->name().compare("fusion", Qt::CaseInsensitive) != 0)
    return QProxyStyle::drawPrimitive(element, option, painter, widget);
  static const QPixmap picture = [] {
    QImageReader png(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png", "png");
    png.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(png.read());
  }();
  constexpr int kTopMargin = 3;
  const auto* box = qobject_cast<const QGroupBox*>(widget);
  const int top =
      box && !box->isCheckable() && box->title().isEmpty()
          ? kTopMargin
          : std::max(proxy()->pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                kTopMargin;
  qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), picture);
}

void ApplyTintoraLook() { QApplication::setStyle(new TintoraStyle); }

}  // namespace tintora
