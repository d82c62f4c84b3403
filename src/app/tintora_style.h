// The look every Tintora window shares: the desktop's own style and palette, hints after
// 250 ms, and a focus frame on the flat tool buttons that the keyboard can always see.
#pragma once

#include <QProxyStyle>

namespace tintora {

class TintoraStyle : public QProxyStyle {
 public:
  TintoraStyle();
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget = nullptr) const override;
};

// Installs the style over the desktop's own.
void ApplyTintoraLook();

}  // namespace tintora
