// The three base palettes of the colour selector: every colour that shares one component with
// the active colour, the other two running 0, 4, ..., 252 across and down.
#pragma once

#include <cstdint>
#include <span>

#include "core/colour/active_colour.h"

namespace tintora {

inline constexpr int kPaletteSize = 64;

// The palette of `kept` (red, green or blue) keeps that component at the given track bar
// positions. Writes 64 x 64 pixels (0xFFRRGGBB, rows top to bottom). With `websafe` every pixel
// is snapped to the web-safe palette, the top-left one (the base itself) included.
void DrawBasePalette(ColourComponent kept, int red, int green, int blue, bool websafe,
                     std::span<std::uint32_t> pixels);

// The colour value of palette pixel (x, y) before any web-safe snapping.
Rgb8 BasePaletteColour(ColourComponent kept, int red, int green, int blue, int x, int y);

}  // namespace tintora
