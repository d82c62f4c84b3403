#include "core/capture/capture_maths.h"

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

}  // namespace tintora
