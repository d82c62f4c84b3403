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

Rgb8 HarmonyColour(int offset, long double hue, long double saturation, long double vibrance) {
  long double h = hue == 360 ? offset : offset + hue;
  if (h >= 360) h -= 360;
  return HsvToRgb8(h, saturation, vibrance);
}

SwatchLayout ComplimentarySwatchLayout(HarmonyScheme scheme, bool large) {
  SwatchLayout l;
  switch (scheme) {
    case HarmonyScheme::Complimentary:
      l.visibleSwatches = 1;
      break;
    case HarmonyScheme::SplitComplimentary:
    case HarmonyScheme::Analogous:
    case HarmonyScheme::Triadic:
      l.visibleSwatches = 2;
      break;
    case HarmonyScheme::Tetradic:
      l.visibleSwatches = 3;
      break;
    case HarmonyScheme::ColourWheel:
      l.visibleSwatches = 0;
      break;
  }
  l.visibleMarkers = l.visibleSwatches;
  const int n = l.visibleSwatches;
  for (int i = 0; i < n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (large) {
      // The 84 pixels under the top strip of the 104 x 107 panel, shared out.
      l.left[k] = 4;
      l.height[k] = 84 / n;
      l.top[k] = 19 + i * l.height[k];
    } else {
      // One row along the 41-pixel panel, 2 pixels apart.
      l.left[k] = 4 + i * (kSwatchWidth + 2);
      l.top[k] = 19;
      l.height[k] = 18;
    }
  }
  return l;
}

WheelLayout ColourWheelLayout() {
  // In the middle of the panel, the centre disc in the middle of the wheel.
  constexpr int kWheel = 120, kDisc = 36;
  constexpr int kImage = (kWheelPanelSize - kWheel) / 2, kDiscAt = kImage + (kWheel - kDisc) / 2;
  return {kImage, kImage, kWheel, kDiscAt, kDiscAt, kDisc};
}

std::vector<int> WheelIndexOffsets(int divisions) {
  std::vector<int> out;
  if (divisions <= 0) return out;
  const long double step = 360.0L / divisions;
  for (long double h = step; h <= 360 - step; h += step) out.push_back(static_cast<int>(Round(h)));
  return out;
}

}  // namespace tintora
