#include "app/tintora_style.h"

#include <QApplication>
#include <QStyleFactory>

namespace tintora {

TintoraStyle::TintoraStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

int TintoraStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
  if (hint == SH_ToolTip_WakeUpDelay) return 250;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ApplyTintoraLook() {
  // The desktop's own font and palette: only the style's tooltip delay is ours.
  QApplication::setStyle(new TintoraStyle);
}

}  // namespace tintora
