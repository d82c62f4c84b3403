// The three colour strips of the hue/saturation mixer, computed without widgets into a
// 32-bit pixel buffer (0xFFRRGGBB per pixel, rows top to bottom).
#pragma once

#include <cstdint>
#include <span>

#include "core/colour/notations.h"

namespace tintora {

enum class SpectrumMode {
  Hue = 0,               // full hue circle at full saturation and vibrance
  ActiveSaturation = 1,  // saturation 0..1 at the current hue and vibrance
  ActiveVibrance = 2,    // vibrance at the current hue and saturation
  StaticSaturation = 3,  // red, green and blue saturation fades
  StaticVibrance = 4,    // red, green and blue vibrance fades
};

// Fills `pixels` (width * height words). Each column holds one colour (the static modes
// repeat three bands of rows 2, 1 and 2 high); the running value grows by a fixed step per
// column, as the strips always did.
void DrawSpectrum(SpectrumMode mode, std::span<std::uint32_t> pixels, int width, int height,
                  long double currentHue, long double currentSaturation, long double currentVibrance);

}  // namespace tintora
