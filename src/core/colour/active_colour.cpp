#include "core/colour/active_colour.h"

#include <algorithm>
#include <cstdlib>

#include "core/colour/named_colours.h"
#include "core/colour/number_text.h"
#include "core/colour/rounding.h"

namespace tintora {

namespace {

int Level(int v) { return std::clamp(v, 0, 255); }

int Offset(int level, int intensity) {
  // Double precision, as the track bars' arithmetic always was.
  double v;
  if (intensity < 0) {
    v = level - level * (std::abs(intensity) / 100.0);
  } else {
    v = level + (255 - level) * (intensity / 100.0);
  }
  return static_cast<int>(std::clamp<long long>(Round(v), 0, 255));
}

}  // namespace

ActiveColour::ActiveColour(int red, int green, int blue, int intensity)
    : red_(Level(red)),
      green_(Level(green)),
      blue_(Level(blue)),
      intensity_(std::clamp(intensity, -100, 100)) {}

int ActiveColour::Component(int n) const {
  switch (n) {
    case 1:
      return red_;
    case 2:
      return green_;
    case 3:
      return blue_;
    case 4:
    case 5:
    case 6:
      return 255 - Component(n - 3);
    default:
      return 0;
  }
}

ActiveColour ActiveColour::WithComponent(int n, int level) const {
  if (n >= 4 && n <= 6) return WithComponent(n - 3, 255 - Level(level));
  ActiveColour c = *this;
  if (n == 1) c.red_ = Level(level);
  if (n == 2) c.green_ = Level(level);
  if (n == 3) c.blue_ = Level(level);
  return c;
}

ActiveColour ActiveColour::WithRgb(int red, int green, int blue) const {
  return ActiveColour(red, green, blue, intensity_);
}

ActiveColour ActiveColour::WithIntensity(int intensity) const {
  return ActiveColour(red_, green_, blue_, intensity);
}

int ActiveColour::ShownRed() const { return Offset(red_, intensity_); }
int ActiveColour::ShownGreen() const { return Offset(green_, intensity_); }
int ActiveColour::ShownBlue() const { return Offset(blue_, intensity_); }

int ActiveColour::Grey() const { return static_cast<int>(Round((intensity_ + 100) / 2.0 / 100.0 * 255)); }

std::string ActiveColour::HexRGBText() const { return RGBDecToHex(ShownRed(), ShownGreen(), ShownBlue()); }

std::string ActiveColour::DecimalRGBText() const { return IntToStr(SwapRedBlueInt(Shown())); }

std::string ActiveColour::HexBGRText() const { return SwapRedBlueHex(HexRGBText()); }

std::string HexHTMLText(const ActiveColour& colour, const NotationSwitches& s) {
  if (s.html) return "COLOR=\"" + IENSColourNameConvert(colour.HexRGBText(), s.ieNs) + "\"";
  if (s.hexadecimal) return s.bgr ? colour.HexBGRText() : colour.HexRGBText();
  return s.bgr ? IntToStr(colour.Shown()) : colour.DecimalRGBText();
}

}  // namespace tintora
