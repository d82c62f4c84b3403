// Hue, saturation and vibrance (HSV, hex cone) and hue, saturation and intensity (HSI, colour
// cube) conversions: per-colour routines for sorting, adjusting and exporting, and the mixer
// computations that say what the hue/saturation mixer must show.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/colour/rgb8.h"

namespace tintora {

// Per-colour routines; components 0..255 as reals.
long double RGBDecToHue(long double red, long double green, long double blue);         // 0 <= h < 360
long double RGBDecToSaturation(long double red, long double green, long double blue);  // 0..1
long double RGBDecToVibrance(long double red, long double green, long double blue);    // 0..255

// The same from RGB hex text. Throw ConversionError for non-hex text.
long double RGBHexToHue(std::string_view rgbHex);
long double RGBHexToSaturation(std::string_view rgbHex);
long double RGBHexToVibrance(std::string_view rgbHex);

struct RgbReal {
  long double red = 0, green = 0, blue = 0;
};

// The hex cone sector table on a hue already brought into 0..360 (360 reads as sector 6, the
// last one). No clamping: s must be 0..1 and v 0..255.
RgbReal HsvSectorComponents(long double hue, long double saturation, long double vibrance);

// RGB hex text; a hue of 360 or more has 360 taken off once.
std::string HSVtoRGBHEX(long double hue, long double saturation, long double vibrance);

// The colour of HSVtoRGBHEX's text, without the text: for the strips, palettes and wheel,
// which convert thousands of pixels per redraw. Components are limited to 0..255.
Rgb8 HsvToRgb8(long double hue, long double saturation, long double vibrance);

// What the hue/saturation mixer shows after a conversion from RGB.
struct HsMixerReadout {
  long double hue = 0, saturation = 0, vibrance = 0;  // the new working state
  int huePosition = 0, saturationPosition = 0, intensityPosition = 0;
  std::string hueText, saturationText, intensityText;
  bool distortion = false;
  std::optional<std::string> intensityHint;  // HSI only: "Brightness = ...%"
};

// What a conversion to RGB produces: the components (possibly above 255) and the mixer texts.
struct HsToRgbResult {
  RgbReal rgb;
  std::string hueText, saturationText, intensityText;
  bool distortion = false;
  std::optional<std::string> intensityHint;  // HSI only
};

HsMixerReadout RGBtoHSV(int red, int green, int blue);
HsToRgbResult HSVtoRGB(long double hue, long double saturation, long double vibrance);
HsMixerReadout HSICalculate(int red, int green, int blue);
HsToRgbResult HSI_to_RGB_Calc(long double hue, long double saturation, long double intensity);

// "Brightness = 100%" from the largest component, or nullopt when it is 0 (the hint stays).
std::optional<std::string> BrightnessHint(long double largestComponent);

}  // namespace tintora
