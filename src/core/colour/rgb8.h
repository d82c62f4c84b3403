// An 8-bit sRGB colour with its channels named. The program's older colour value (an int with
// red in the low byte, the layout of the Windows API and of stored files) converts to and from
// it at the edges that need that layout.
#pragma once

#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/colour/notations.h"

namespace tintora {

struct Rgb8 {
  std::uint8_t red = 0, green = 0, blue = 0;

  // Ordered red first, then green, then blue: as the RRGGBB text sorts.
  constexpr auto operator<=>(const Rgb8&) const = default;

  // From levels already within 0..255.
  static constexpr Rgb8 OfLevels(int red, int green, int blue) {
    return {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
            static_cast<std::uint8_t>(blue)};
  }
  static constexpr Rgb8 Of(ColourValue value) {
    return {static_cast<std::uint8_t>(RedOf(value)), static_cast<std::uint8_t>(GreenOf(value)),
            static_cast<std::uint8_t>(BlueOf(value))};
  }
  constexpr ColourValue Value() const { return ColourFromRgb(red, green, blue); }
  // The 32-bit picture pixel (0xFFRRGGBB) and the colour of one, its alpha ignored.
  constexpr std::uint32_t Pixel() const { return 0xFF000000u | Packed(); }
  static constexpr Rgb8 OfPixel(std::uint32_t p) {
    return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
            static_cast<std::uint8_t>(p)};
  }
  // Each channel mirrored (255 minus it): the colour's negative.
  constexpr Rgb8 Inverse() const {
    return {static_cast<std::uint8_t>(255 - red), static_cast<std::uint8_t>(255 - green),
            static_cast<std::uint8_t>(255 - blue)};
  }
  // 0xRRGGBB.
  constexpr std::uint32_t Packed() const {
    return (static_cast<std::uint32_t>(red) << 16) | (static_cast<std::uint32_t>(green) << 8) | blue;
  }

  // Exactly six hex digits, either case ("3366cc"); nothing for any other text.
  static std::optional<Rgb8> OfHex(std::string_view rrggbb);
  // "3366CC", as the list and the value field write it.
  std::string Hex() const;
};

}  // namespace tintora

template <>
struct std::hash<tintora::Rgb8> {
  std::size_t operator()(const tintora::Rgb8& c) const noexcept { return c.Packed(); }
};
