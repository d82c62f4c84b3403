// The arithmetic of pixel capture and the colour dialog's custom colours, free of widgets.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "colourlist/colour_list.h"

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

// The colour dialog's sixteen custom colour slots: a colour value each, or none.
using CustomColourSlots = std::array<std::optional<int>, 16>;

// The slots as the dialog reports them: key "ColorA".."ColorP", value BGR hex digits, or
// "FFFFFFFF" for an unset slot.
std::string CustomSlotKey(int slot);
std::string CustomSlotText(const std::optional<int>& slot);

// Whether any slot holds a colour (the first whose text is not greater than "FFFFFF").
bool AnyCustomColour(const CustomColourSlots& slots);

// The entries appended to the list: one per set slot, in slot order, named by the slot's key,
// valued RRGGBB.
std::vector<ColourEntry> CustomColourEntries(const CustomColourSlots& slots);

}  // namespace tintora
