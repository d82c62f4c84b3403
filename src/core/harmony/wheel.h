// The colour wheel: pie sections drawn into a pixel buffer, with the geometry the wheel has
// always had (angles clockwise from twelve o'clock; a section whose two rays end on the same
// pixel is a full disc when it spans more than 3.14 radians and nothing otherwise).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "core/colour/rgb8.h"

namespace tintora {

// A 32-bit picture (0xFFRRGGBB) that drawing clips to.
struct PixelCanvas {
  std::span<std::uint32_t> pixels;
  int width = 0, height = 0;
  void Set(int x, int y, Rgb8 colour);
  std::optional<Rgb8> Get(int x, int y) const;  // nothing outside
};

// Brush and pen of one drawing call; nullopt leaves the fill or the outline out.
struct PieStyle {
  std::optional<Rgb8> brush;
  std::optional<Rgb8> pen;
};

// What a pie of radius r from a1 to a2 becomes: when both rays end on the same pixel it is a
// full disc if it spans more than 3.14 radians and nothing otherwise.
enum class PieShape { Nothing, Disc, Sector };
PieShape PieSectionShape(int r, float a1, float a2);

// Fills every pixel whose centre lies in the circle of radius r around (x, y) (pixel (x, y) is
// the one right of and below the centre point) and, for a pie, within the sector that runs
// clockwise from angle a1 to a2 (radians from twelve o'clock). The pen draws a one-pixel line
// along the shape's edge.
void DrawPieSection(PixelCanvas& canvas, int x, int y, int r, float a1, float a2, const PieStyle& style);

// Colour wheel colours: the colour for a hue offset in whole degrees (the caller applies the
// web-safe option).
using HueOffsetColour = std::function<Rgb8(int offset)>;

inline constexpr Rgb8 kWheelOutlineColour{0xC0, 0xC0, 0xC0};  // silver rim
inline constexpr Rgb8 kWheelBorderColour{1, 1, 1};            // a black that is not pure black
inline constexpr Rgb8 kWheelBackgroundColour{0xFF, 0xFF, 0xFF};
// The wheel's background, borders and rim are not colours to pick.
constexpr bool IsWheelChrome(Rgb8 pixel) {
  return pixel == kWheelBackgroundColour || pixel == kWheelBorderColour || pixel == kWheelOutlineColour;
}

// The sections of a wheel of radius r, as DrawColourWheel paints them one over the other: each
// runs clockwise from twelve o'clock to `end` (radians; a full disc where `full`), largest first.
struct WheelSection {
  long double end;
  bool full;
  Rgb8 brush;
};
std::vector<WheelSection> ColourWheelSections(int r, int divisions, const HueOffsetColour& colourAt);

// The whole wheel: the active colour as background, the silver rim, then one pie per
// division from the largest down.
void DrawColourWheel(PixelCanvas& canvas, int divisions, Rgb8 activeColour, bool wheelOutline,
                     bool colourBorders, const HueOffsetColour& colourAt);

}  // namespace tintora
