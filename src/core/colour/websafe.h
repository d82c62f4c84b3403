// Web-safe quantisation: each component snapped to the nearest of 0, 51, 102, 153, 204, 255.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/colour/notations.h"
#include "core/colour/rgb8.h"

namespace tintora {

// The web-safe pair of a two-digit hex pair; empty for a value outside 0..255.
// Throws ConversionError for a non-hex pair.
std::string ConvValueToWebSafe(std::string_view pair);

// Each of the three pairs made web-safe, in the same order (works for RGB and BGR text).
std::string ConvertRGBToWebSafe(std::string_view hex);

// One component 0..255 made web-safe.
int WebSafeByte(int component);

// Each channel made web-safe, as ConvertRGBToWebSafe does to the colour's text.
Rgb8 WebSafeColour(Rgb8 colour);

// The 216 web-safe colours in the order "Generate WebSafe List" adds them: red changes fastest
// and blue slowest, from black to white.
std::array<Rgb8, 216> WebSafeColours();

}  // namespace tintora
