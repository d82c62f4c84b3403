#include "mixer/palette.h"

#include "colour/websafe.h"
#include "mixer/spectrum.h"

namespace tintora {

int BasePaletteColour(int palette, int red, int green, int blue, int x, int y) {
  // base + x * dx + y * dy, with the colour value's byte order (red low, blue high).
  switch (palette) {
    case 1:
      return red + (x * 4 << 8) + (y * 4 << 16);
    case 2:
      return (green << 8) + (x * 4 << 16) + y * 4;
    default:
      return (blue << 16) + x * 4 + (y * 4 << 8);
  }
}

void DrawBasePalette(int palette, int red, int green, int blue, bool websafe,
                     std::span<std::uint32_t> pixels) {
  if (pixels.size() < static_cast<std::size_t>(kPaletteSize) * kPaletteSize) return;
  for (int y = 0; y < kPaletteSize; ++y) {
    std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * kPaletteSize;
    for (int x = 0; x < kPaletteSize; ++x) {
      int c = BasePaletteColour(palette, red, green, blue, x, y);
      if (websafe) c = ConvertDecimalToWebSafe(c);
      row[x] = PixelOf(c);
    }
  }
}

}  // namespace tintora
