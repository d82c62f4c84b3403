#include "core/capture/capture_maths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tintora {

bool InsideBounds(int x, int y, int left, int top, int width, int height) {
  return left <= x && x <= left + width && top <= y && y <= top + height;
}

void MarkZoomCentre(std::span<std::uint32_t> block, int size) {
  if (size < 3 || block.size() < static_cast<std::size_t>(size) * size) return;
  auto at = [&](int x, int y) -> std::uint32_t& { return block[static_cast<std::size_t>(y) * size + x]; };
  const int c = ZoomCentre(size);
  for (auto [dx, dy] : {std::pair{-1, -1}, {1, -1}, {-1, 1}, {1, 1}}) at(c + dx, c + dy) = 0xFFFFFFFFu;
  for (auto [dx, dy] : {std::pair{0, -1}, {-1, 0}, {1, 0}, {0, 1}}) at(c + dx, c + dy) = 0xFF000000u;
}

int SampleSizeOrOne(int n) {
  for (int size : kSampleSizes)
    if (n == size) return n;
  return 1;
}

namespace {

// sRGB's decoding of the 256 component levels, made once.
const std::array<double, 256>& LinearLevels() {
  static const std::array<double, 256> levels = [] {
    std::array<double, 256> out{};
    for (int v = 0; v < 256; ++v) {
      const double c = v / 255.0;
      out[static_cast<std::size_t>(v)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
    return out;
  }();
  return levels;
}

std::uint8_t Encoded(double linear) {
  const double c = linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
  return static_cast<std::uint8_t>(std::lround(std::clamp(c, 0.0, 1.0) * 255));
}

}  // namespace

Rgb8 AverageInLinearLight(std::span<const std::uint32_t> pixels) {
  if (pixels.empty()) return {};
  const std::array<double, 256>& linear = LinearLevels();
  double sum[3] = {0, 0, 0};
  for (std::uint32_t p : pixels) {
    sum[0] += linear[(p >> 16) & 0xFF];
    sum[1] += linear[(p >> 8) & 0xFF];
    sum[2] += linear[p & 0xFF];
  }
  const auto n = static_cast<double>(pixels.size());
  return {Encoded(sum[0] / n), Encoded(sum[1] / n), Encoded(sum[2] / n)};
}

Rgb8 AverageSquare(std::span<const std::uint32_t> picture, int width, int x, int y, int size) {
  if (width <= 0) return {};
  const int height = static_cast<int>(picture.size() / static_cast<std::size_t>(width));
  const int half = size / 2;
  std::vector<std::uint32_t> square;
  square.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
  for (int row = std::max(0, y - half); row <= std::min(height - 1, y + half); ++row)
    for (int col = std::max(0, x - half); col <= std::min(width - 1, x + half); ++col)
      square.push_back(picture[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                               static_cast<std::size_t>(col)]);
  return AverageInLinearLight(square);
}

}  // namespace tintora
