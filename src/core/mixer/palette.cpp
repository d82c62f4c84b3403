#include "core/mixer/palette.h"

#include "core/colour/websafe.h"
#include "core/mixer/spectrum.h"

namespace tintora {

int BasePaletteColour(ColourComponent kept, int red, int green, int blue, int x, int y) {
  // The palette's own component stays; the other two run in steps of four across and down.
  switch (kept) {
    case ColourComponent::Red:
      return ColourFromRgb(red, x * 4, y * 4);
    case ColourComponent::Green:
      return ColourFromRgb(y * 4, green, x * 4);
    default:
      return ColourFromRgb(x * 4, y * 4, blue);
  }
}

void DrawBasePalette(ColourComponent kept, int red, int green, int blue, bool websafe,
                     std::span<std::uint32_t> pixels) {
  if (pixels.size() < static_cast<std::size_t>(kPaletteSize) * kPaletteSize) return;
  for (int y = 0; y < kPaletteSize; ++y) {
    std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * kPaletteSize;
    for (int x = 0; x < kPaletteSize; ++x) {
      int c = BasePaletteColour(kept, red, green, blue, x, y);
      if (websafe) c = ConvertDecimalToWebSafe(c);
      row[x] = PixelOf(c);
    }
  }
}

}  // namespace tintora
