#include "mixer/mixer_maths.h"

#include "colour/named_colours.h"
#include "colour/number_text.h"

namespace tintora {

std::string HexHTMLText(const ActiveColour& colour, const NotationSwitches& s) {
  if (s.html) return "COLOR=\"" + IENSColourNameConvert(colour.HexRGBText(), s.ieNs) + "\"";
  if (s.hexadecimal) return s.bgr ? colour.HexBGRText() : colour.HexRGBText();
  return s.bgr ? IntToStr(colour.Shown()) : colour.DecimalRGBText();
}

int SnapDown(int p) {
  if (p <= 0) return 255;
  return ((p - 1) / 51) * 51;
}

int SnapUp(int p) {
  if (p >= 255) return 0;
  return (p / 51 + 1) * 51;
}

int NudgeHue(int p, bool up) {
  if (up) {
    p += 30;
    if (p >= 360) p -= 360;
  } else {
    p -= 30;
    if (p < 0) p += 360;
  }
  return p;
}

int NudgeLevel(int p, bool up) {
  if (up) {
    if (p == 255) return 0;
    p += 51;
    if (p > 255) p -= 255;
  } else {
    if (p == 0) return 255;
    p -= 51;
    if (p < 0) p += 255;
  }
  return p;
}

}  // namespace tintora
