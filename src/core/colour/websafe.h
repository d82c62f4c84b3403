// Web-safe quantisation: each component snapped to the nearest of 0, 51, 102, 153, 204, 255.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/colour/notations.h"

namespace tintora {

// The web-safe pair of a two-digit hex pair; empty for a value outside 0..255.
// Throws ConversionError for a non-hex pair.
std::string ConvValueToWebSafe(std::string_view pair);

// Each of the three pairs made web-safe, in the same order (works for RGB and BGR text).
std::string ConvertRGBToWebSafe(std::string_view hex);

// One component 0..255 made web-safe.
int WebSafeByte(int component);

// Each byte of a 24-bit integer made web-safe; the byte order stays as it was.
int ConvertDecimalToWebSafe(int value);

// ConvertDecimalToWebSafe when complements are to be web-safe, otherwise the value unchanged.
int ConvertComplDecimalToWebSafe(int value, bool websafeComplimentsOnly);

// The 216 web-safe colour values in the order "Generate WebSafe List" adds them: red changes
// fastest and blue slowest, from black to white.
std::array<ColourValue, 216> WebSafeColourValues();

}  // namespace tintora
