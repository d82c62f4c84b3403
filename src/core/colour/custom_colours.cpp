#include "core/colour/custom_colours.h"

#include "core/colour/number_text.h"

namespace tintora {

std::string CustomSlotKey(int slot) { return std::string("Color") + static_cast<char>('A' + slot); }

std::string CustomSlotText(const std::optional<Rgb8>& slot) {
  return slot ? IntToHex(slot->Value(), 6) : "FFFFFFFF";
}

bool AnyCustomColour(const CustomColourSlots& slots) {
  for (const auto& slot : slots)
    if (!(CustomSlotText(slot) > std::string("FFFFFF"))) return true;
  return false;
}

}  // namespace tintora
