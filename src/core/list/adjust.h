// Adjusting selected list colours as a batch: the hue turned by a number of degrees, the
// saturation and the vibrance moved proportionally towards their maximum or towards 0.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/list/colour_list.h"

namespace tintora {

// The slider positions: hue 0..360 degrees, saturation and vibrance -255..255.
struct Adjustment {
  int hue = 0, saturation = 0, vibrance = 0;
  bool IsNone() const { return hue == 0 && saturation == 0 && vibrance == 0; }
  bool operator==(const Adjustment&) const = default;
};

// The adjusted RGB hex text of an RGB hex text; nullopt for a value that is no colour.
std::optional<std::string> AdjustColour(std::string_view rgbHex, const Adjustment& adjustment);

// A slider position as the edit beside it shows it: 128 -> "50.196%", -255 -> "-100%".
std::string AdjustPercentText(int position);
// A name as the preview shows it: at most 20 characters, "..." after a longer one's first 20.
std::string AdjustPreviewName(std::string_view name);

// One selected entry in the preview.
struct AdjustedEntry {
  std::size_t index;   // in the list
  std::string name;    // as shown
  std::string before;  // the value as it is
  std::string after;   // the adjusted value (what Accept writes), or `before` if no colour
  std::string shown;   // what the preview paints: `after`, web-safe when asked
};
AdjustedEntry AdjustEntry(const ColourList& list, std::size_t index, const Adjustment& adjustment,
                          bool webSafeShown);

// The new values of the selected entries, in list order: what Accept writes.
std::vector<ColourEntry> AdjustedEntries(const ColourList& list, const std::vector<std::size_t>& selected,
                                         const Adjustment& adjustment);

// The preview's cells: two a row, 176 x 35 pixels each.
inline constexpr int kAdjustCellWidth = 176, kAdjustCellHeight = 35;
int AdjustPreviewHeight(std::size_t selected);

}  // namespace tintora
