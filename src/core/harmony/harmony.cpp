#include "core/harmony/harmony.h"

#include "core/colour/hsv.h"
#include "core/colour/rounding.h"

namespace tintora {

std::vector<int> SchemeOffsets(HarmonyScheme scheme) {
  switch (scheme) {
    case HarmonyScheme::Complimentary:
      return {180};
    case HarmonyScheme::SplitComplimentary:
      return {165, 195};
    case HarmonyScheme::Analogous:
      return {60, 300};
    case HarmonyScheme::Triadic:
      return {120, 240};
    case HarmonyScheme::Tetradic:
      return {90, 180, 270};
    case HarmonyScheme::ColourWheel:
      return {};
  }
  return {};
}

int MarkerLeft(int huePosition, int swatchOffset) {
  int m = huePosition + swatchOffset - 1;
  if (m >= 360) m -= 360;
  return static_cast<int>(Round(m / 360.0L * 254));
}

int HSVtoRGBforComplCol(int offset, long double hue, long double saturation, long double vibrance) {
  long double h = hue == 360 ? offset : offset + hue;
  if (h >= 360) h -= 360;
  return HSVtoColourValue(h, saturation, vibrance);
}

SwatchLayout ComplimentarySwatchLayout(HarmonyScheme scheme, bool large) {
  SwatchLayout l;
  switch (scheme) {
    case HarmonyScheme::Complimentary:
      l.visibleSwatches = 1;
      l.visibleMarkers = 1;
      l.top = {19, 0, 0};
      l.height = {large ? 84 : 18, 0, 0};
      break;
    case HarmonyScheme::SplitComplimentary:
    case HarmonyScheme::Analogous:
    case HarmonyScheme::Triadic:
      l.visibleSwatches = 2;
      l.visibleMarkers = 2;
      l.top = {19, large ? 61 : 28, 0};
      l.height = {large ? 42 : 9, large ? 42 : 9, 0};
      break;
    case HarmonyScheme::Tetradic:
      l.visibleSwatches = 3;
      l.visibleMarkers = 3;
      l.top = {19, large ? 47 : 25, large ? 75 : 31};
      l.height = {large ? 28 : 6, large ? 28 : 6, large ? 28 : 6};
      break;
    case HarmonyScheme::ColourWheel:
      l.visibleSwatches = 0;
      l.visibleMarkers = 0;
      break;
  }
  return l;
}

WheelLayout ColourWheelLayout(bool large) {
  // In the middle of the viewer's colour panel (104 x 107 large, 104 x 41 small), the centre
  // disc in the middle of the wheel.
  if (large) return {20, 21, 64, 42, 43, 20};
  return {36, 4, 32, 47, 15, 10};
}

std::vector<int> WheelIndexOffsets(int divisions) {
  std::vector<int> out;
  if (divisions <= 0) return out;
  const long double step = 360.0L / divisions;
  for (long double h = step; h <= 360 - step; h += step) out.push_back(static_cast<int>(Round(h)));
  return out;
}

}  // namespace tintora
