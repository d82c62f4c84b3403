#include "core/mixer/palette.h"

#include "core/colour/websafe.h"
#include "core/mixer/spectrum.h"

namespace tintora {

Rgb8 BasePaletteColour(ColourComponent kept, int red, int green, int blue, int x, int y) {
  // The palette's own component stays; the other two run in steps of four across and down.
  auto c = [](int r, int g, int b) {
    return Rgb8{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
  };
  switch (kept) {
    case ColourComponent::Red:
      return c(red, x * 4, y * 4);
    case ColourComponent::Green:
      return c(y * 4, green, x * 4);
    default:
      return c(x * 4, y * 4, blue);
  }
}

void DrawBasePalette(ColourComponent kept, int red, int green, int blue, bool websafe,
                     std::span<std::uint32_t> pixels) {
  if (pixels.size() < static_cast<std::size_t>(kPaletteSize) * kPaletteSize) return;
  for (int y = 0; y < kPaletteSize; ++y) {
    std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * kPaletteSize;
    for (int x = 0; x < kPaletteSize; ++x) {
      const Rgb8 c = BasePaletteColour(kept, red, green, blue, x, y);
      row[x] = (websafe ? WebSafeColour(c) : c).Pixel();
    }
  }
}

}  // namespace tintora
