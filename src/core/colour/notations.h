// How a colour is held and written as text.
//
// Colours travel as Rgb8 (rgb8.h). The older colour value, a 32-bit integer with red in bits
// 0-7, green in 8-15 and blue in 16-23, is the layout of the Windows API and of the notations
// and files that keep it (decimal BGR, the colour dialog's custom slots); it is converted at
// those edges. RGB hex text is RRGGBB, BGR hex text is the
// colour value written with six digits (BBGGRR). Hex texts are written upper case and read by
// prefixing "$" (ParseDollarHex), which accepts either case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tintora {

using ColourValue = int;

constexpr ColourValue kMaxColourValue = 0xFFFFFF;

// RGB hex text; each component rounded half to even and written as two hex digits.
std::string RGBDecToHex(long double red, long double green, long double blue);

// Exchanges the first and third digit pairs: RRGGBB <-> BBGGRR.
std::string SwapRedBlueHex(std::string_view hex);

// The integer value of pair 1, 2 or 3 of a six-digit hex text; -1 for any other pair number.
// Throws ConversionError when the pair is not hex.
int ExtractColour(std::string_view hex, int pair);

// Low and high bytes exchanged (0..16777215).
int SwapRedBlueInt(int value);

// RGB hex text of a colour value.
std::string BGRIntToRGBHEX(ColourValue value);

// Colour value of an RGB hex text. Throws ConversionError for non-hex text.
ColourValue RGBHEXToBGRInt(std::string_view rgbHex);

// Colour value from components 0..255.
constexpr ColourValue ColourFromRgb(int red, int green, int blue) {
  return red | (green << 8) | (blue << 16);
}
constexpr int RedOf(ColourValue c) { return c & 0xFF; }
constexpr int GreenOf(ColourValue c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(ColourValue c) { return (c >> 16) & 0xFF; }

// The 32-bit picture pixel of a colour value (0xFFRRGGBB, as the program's pictures hold them),
// and the colour value of such a pixel (its alpha ignored).
constexpr std::uint32_t PixelOf(ColourValue c) {
  return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(c)) << 16) |
         (static_cast<std::uint32_t>(GreenOf(c)) << 8) | static_cast<std::uint32_t>(BlueOf(c));
}
constexpr ColourValue ColourOfPixel(std::uint32_t p) {
  return ColourFromRgb(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                       static_cast<int>(p & 0xFF));
}

// A 16-bit swatch channel, scaled by a 16-bit scale value, as an 8-bit component.
int Col16ToCol8(int channel, int scale);

// Percentage text with at most `decimals` decimals, e.g. (3, 127, 255) -> "49.804%".
std::string CalculatePercentString(int decimals, long double value, long double fullScale);

// Truncated integer percentage, for progress displays.
int CalculatePercentInteger(long double value, long double fullScale);

}  // namespace tintora
