// How colours look to people with a colour-vision deficiency, for previews: the two red-green
// dichromacies by Machado, Oliveira and Fernandes (2009) at full severity, tritanopia by
// Brettel, Viénot and Mollon (1997), and achromatopsia as luminance alone. All of them work on
// linear sRGB.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/colour/rgb8.h"

namespace tintora {

enum class ColourVision { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };
inline constexpr std::array<ColourVision, 5> kColourVisions = {
    ColourVision::Normal, ColourVision::Protanopia, ColourVision::Deuteranopia, ColourVision::Tritanopia,
    ColourVision::Achromatopsia};

// "Normal vision", "Protanopia" ...
std::string_view ColourVisionName(ColourVision vision);

// The colour as seen with that vision.
Rgb8 SimulateColourVision(Rgb8 colour, ColourVision vision);

// The same for picture pixels (0xAARRGGBB, alpha kept), in place.
void SimulateColourVision(std::span<std::uint32_t> pixels, ColourVision vision);

}  // namespace tintora
