// The arithmetic of pixel capture, free of widgets.
#pragma once

#include <cstdint>
#include <span>

namespace tintora {

// Whether a screen point lies on a window's bounds, both edges included (a point on the right
// edge, x == left + width, counts as inside).
bool InsideBounds(int x, int y, int left, int top, int width, int height);

inline constexpr int kZoomBlock = 12;  // pixels read around the cursor ("Zoom x4")
inline constexpr int kZoomShown = 50;  // the block stretched to this size

// Where the cursor pixel lands in a block of `size` pixels square: 6 in the usual 12.
constexpr int ZoomCentre(int size) { return size / 2; }

// Marks the cursor pixel of a square block (0xFFRRGGBB pixels, `size` per row): its diagonal
// neighbours white, its side neighbours black; the pixel itself keeps the screen's colour.
void MarkZoomCentre(std::span<std::uint32_t> block, int size = kZoomBlock);

}  // namespace tintora
