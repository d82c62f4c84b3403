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

int ActiveColour::Component(ColourComponent c) const {
  if (IsCmy(c)) return 255 - Component(RgbTwin(c));
  return c == ColourComponent::Red ? red_ : c == ColourComponent::Green ? green_ : blue_;
}

ActiveColour ActiveColour::WithComponent(ColourComponent c, int level) const {
  if (IsCmy(c)) return WithComponent(RgbTwin(c), 255 - Level(level));
  ActiveColour out = *this;
  (c == ColourComponent::Red     ? out.red_
   : c == ColourComponent::Green ? out.green_
                                 : out.blue_) = Level(level);
  return out;
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

std::string ActiveColour::DecimalRGBText() const { return IntToStr(static_cast<int>(Shown().Packed())); }

std::string ActiveColour::HexBGRText() const { return SwapRedBlueHex(HexRGBText()); }

std::string HexHTMLText(const ActiveColour& colour, const NotationSwitches& s) {
  if (s.html) return "COLOR=\"" + IENSColourNameConvert(colour.HexRGBText(), s.ieNs) + "\"";
  if (s.hexadecimal) return s.bgr ? colour.HexBGRText() : colour.HexRGBText();
  return s.bgr ? IntToStr(colour.Shown().Value()) : colour.DecimalRGBText();
}

}  // namespace tintora
