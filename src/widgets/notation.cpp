#include "widgets/notation.h"

namespace tintora {

void Notation::Set(const NotationSwitches& s) {
  if (s == switches_) return;
  switches_ = s;
  emit Changed();
}

QString Notation::Text(const ActiveColour& colour) const {
  return QString::fromStdString(HexHTMLText(colour, switches_));
}

}  // namespace tintora
