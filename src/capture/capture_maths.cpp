#include "capture/capture_maths.h"

#include "colour/notations.h"
#include "colour/number_text.h"

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

std::string CustomSlotKey(int slot) { return std::string("Color") + static_cast<char>('A' + slot); }

std::string CustomSlotText(const std::optional<int>& slot) { return slot ? IntToHex(*slot, 6) : "FFFFFFFF"; }

bool AnyCustomColour(const CustomColourSlots& slots) {
  for (const auto& slot : slots)
    if (!(CustomSlotText(slot) > std::string("FFFFFF"))) return true;
  return false;
}

std::vector<ColourEntry> CustomColourEntries(const CustomColourSlots& slots) {
  std::vector<ColourEntry> entries;
  for (int k = 0; k < 16; ++k) {
    const std::string text = CustomSlotText(slots[static_cast<std::size_t>(k)]);
    if (text == "FFFFFFFF") continue;
    entries.push_back({CustomSlotKey(k), SwapRedBlueHex(text)});
  }
  return entries;
}

}  // namespace tintora
