// Harmony schemes around the active colour: which hue offsets each scheme shows, where the
// markers on the hue strip go, how the swatches are laid out in the viewer, and the colour of
// a turned hue.
#pragma once

#include <array>
#include <vector>

#include "core/colour/rgb8.h"

namespace tintora {

enum class HarmonyScheme { Complimentary = 1, SplitComplimentary, Analogous, Triadic, Tetradic, ColourWheel };

// The hue offsets of the swatches (Shape1..Shape3); empty for the wheel.
std::vector<int> SchemeOffsets(HarmonyScheme scheme);

// The left position of a marker on the 254-pixel hue strip for a hue slider position and a
// swatch offset (the marker stands one degree short of it).
int MarkerLeft(int huePosition, int swatchOffset);

// The active colour's saturation and vibrance at its hue turned by `offset` degrees. A hue of
// exactly 360 counts as 0.
Rgb8 HarmonyColour(int offset, long double currentHue, long double currentSaturation,
                   long double currentVibrance);

// Swatch geometry inside the colour viewer for one scheme and viewer size.
// Every swatch is at least 16 x 16 pixels, big enough to see and click: in the small viewer
// they stand side by side, in the large one one above the other.
struct SwatchLayout {
  int visibleSwatches = 1;    // Shape1, Shape2, Shape3 in that order
  std::array<int, 3> left{};  // per swatch
  std::array<int, 3> top{};
  std::array<int, 3> height{};
  int visibleMarkers = 1;
};
inline constexpr int kSwatchWidth = 20;

SwatchLayout ComplimentarySwatchLayout(HarmonyScheme scheme, bool largeViewer);

// The wheel's place in the viewer: picture square and centre disc. While the wheel shows, the
// viewer's colour panel is kWheelPanelSize square whatever its layout, so that the wheel is
// 120 pixels across.
struct WheelLayout {
  int imageLeft, imageTop, imageSize;
  int discLeft, discTop, discSize;
};
inline constexpr int kWheelPanelSize = 128;
WheelLayout ColourWheelLayout();

// The hue steps "Inc. Cmpl." indexes for a wheel of n divisions: step, 2 step, ... while at
// most 360 - step, each rounded half to even (12 divisions: 30, 60, ..., 330).
std::vector<int> WheelIndexOffsets(int divisions);

}  // namespace tintora
