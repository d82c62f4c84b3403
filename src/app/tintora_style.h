// The look every Tintora window shares: Fusion everywhere (the same on every desktop, which
// the pixel-exact layout relies on), hints after 250 ms.
#pragma once

#include <QProxyStyle>

namespace tintora {

class TintoraStyle : public QProxyStyle {
 public:
  TintoraStyle();
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
};

// Installs the style and the application font.
void ApplyTintoraLook();

}  // namespace tintora
