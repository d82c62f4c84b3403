// The arithmetic of pixel capture, free of widgets.
#pragma once

#include <cstdint>
#include <span>

#include "core/colour/notations.h"
#include "core/colour/rgb8.h"

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

// The sample sizes a pick may take: the one pixel under the pointer, or the square of n x n
// pixels around it. Any other number (a settings file's) reads as one pixel.
inline constexpr int kSampleSizes[] = {1, 3, 5, 7, 9};
int SampleSizeOrOne(int n);

// The colour of pixels (0xAARRGGBB, alpha ignored) averaged in linear light: each component
// decoded from sRGB, the mean taken, encoded again and rounded. The light a patch gives off,
// not the mean of its encoded numbers: a black and white checkerboard averages to #BCBCBC, not
// #808080. Black for no pixels.
Rgb8 AverageInLinearLight(std::span<const std::uint32_t> pixels);

// The average of the `size` x `size` square centred on (x, y) of a picture `width` pixels wide
// (rows one after the other); the part of the square off the picture is left out.
Rgb8 AverageSquare(std::span<const std::uint32_t> picture, int width, int x, int y, int size);

}  // namespace tintora
