#include "core/mixer/spectrum.h"

#include "core/colour/hsv.h"

namespace tintora {

void DrawSpectrum(SpectrumMode mode, std::span<std::uint32_t> pixels, int width, int height, long double hue,
                  long double saturation, long double vibrance) {
  if (width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(width) * height) return;
  const long double w = width;
  long double step = 0;
  switch (mode) {
    case SpectrumMode::Hue:
      step = 360 / w;
      break;
    case SpectrumMode::ActiveSaturation:
    case SpectrumMode::StaticSaturation:
      step = (100 / w) / 100;
      break;
    case SpectrumMode::ActiveVibrance:
    case SpectrumMode::StaticVibrance:
      step = w / 255;
      break;
  }
  const bool banded = mode == SpectrumMode::StaticSaturation || mode == SpectrumMode::StaticVibrance;
  long double t = 0;
  for (int x = 0; x < width; ++x, t += step) {
    if (!banded) {
      Rgb8 c;
      switch (mode) {
        case SpectrumMode::Hue:
          c = HsvToRgb8(t, 1, 255);
          break;
        case SpectrumMode::ActiveSaturation:
          c = HsvToRgb8(hue, t, vibrance);
          break;
        default:
          c = HsvToRgb8(hue, saturation, t);
          break;
      }
      const std::uint32_t p = c.Pixel();
      for (int y = 0; y < height; ++y) pixels[static_cast<std::size_t>(y) * width + x] = p;
      continue;
    }
    // Red in two rows, green in one, blue in two, repeated every five rows.
    const long double bandHue[5] = {0, 0, 120, 240, 240};
    for (int y = 0; y < height; ++y) {
      const long double h = bandHue[y % 5];
      const Rgb8 c = mode == SpectrumMode::StaticSaturation ? HsvToRgb8(h, t, 255) : HsvToRgb8(h, 1, t);
      pixels[static_cast<std::size_t>(y) * width + x] = c.Pixel();
    }
  }
}

}  // namespace tintora
