// The sixteen custom colour slots of the system colour dialog, kept between its openings.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/colour/rgb8.h"

namespace tintora {

// A colour each, or none.
using CustomColourSlots = std::array<std::optional<Rgb8>, 16>;

// The slots as the dialog reports them: key "ColorA".."ColorP", value BGR hex digits, or
// "FFFFFFFF" for an unset slot.
std::string CustomSlotKey(int slot);
std::string CustomSlotText(const std::optional<Rgb8>& slot);

// Whether any slot holds a colour (the first whose text is not greater than "FFFFFF").
bool AnyCustomColour(const CustomColourSlots& slots);

}  // namespace tintora
