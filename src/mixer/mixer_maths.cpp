#include "mixer/mixer_maths.h"

#include <algorithm>
#include <cstdlib>

#include "colour/conversion_error.h"
#include "colour/named_colours.h"
#include "colour/number_text.h"
#include "colour/rounding.h"

namespace tintora {

namespace {

int Offset(int position, int intensity) {
  // Double precision, as the track bars' arithmetic always was.
  double v;
  if (intensity < 0) {
    v = position - position * (std::abs(intensity) / 100.0);
  } else {
    v = position + (255 - position) * (intensity / 100.0);
  }
  return static_cast<int>(std::clamp<long long>(Round(v), 0, 255));
}

}  // namespace

ActiveColour ComputeActiveColour(int red, int green, int blue, int intensity) {
  ActiveColour c;
  c.red = Offset(red, intensity);
  c.green = Offset(green, intensity);
  c.blue = Offset(blue, intensity);
  c.grey = static_cast<int>(Round((intensity + 100) / 2.0 / 100.0 * 255));
  c.hexRGBText = RGBDecToHex(c.red, c.green, c.blue);
  c.decimalRGBText = IntToStr(ParseDollarHex(c.hexRGBText));
  c.hexBGRText = SwapRedBlueHex(c.hexRGBText);
  c.value = ParseDollarHex(c.hexBGRText);
  return c;
}

std::string HexHTMLText(const ActiveColour& colour, const NotationSwitches& s) {
  if (s.html) return "COLOR=\"" + IENSColourNameConvert(colour.hexRGBText, s.ieNs) + "\"";
  if (s.hexadecimal) return s.bgr ? colour.hexBGRText : colour.hexRGBText;
  return s.bgr ? IntToStr(ParseDollarHex(colour.hexBGRText)) : colour.decimalRGBText;
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
