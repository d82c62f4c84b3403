#include "app/tintora_style.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace tintora {

TintoraStyle::TintoraStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

int TintoraStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
  if (hint == SH_ToolTip_WakeUpDelay) return 250;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ApplyTintoraLook() {
  QApplication::setStyle(new TintoraStyle);
  QFont font("MS Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  QApplication::setFont(font);
}

}  // namespace tintora
