#include "core/list/adjust.h"

#include <algorithm>
#include <cmath>

#include "core/colour/hsv.h"
#include "core/colour/number_text.h"
#include "core/colour/rounding.h"
#include "core/colour/websafe.h"
#include "core/io/text_codec.h"

namespace tintora {

std::optional<std::string> AdjustColour(std::string_view hex, const Adjustment& a) {
  if (!Rgb8::OfHex(hex)) return std::nullopt;
  const long double h = RGBHexToHue(hex) + a.hue;  // below 720; the conversion takes 360 off once
  long double s = RGBHexToSaturation(hex);
  long double v = RGBHexToVibrance(hex);
  if (a.saturation >= 0 && s < 1)
    s = a.saturation / 255.0L * (1 - s) + s;
  else if (a.saturation < 0 && s > 0)
    s = s - (-a.saturation) / 255.0L * s;
  if (a.vibrance >= 0 && v < 255)
    v = a.vibrance / 255.0L * (255 - v) + v;
  else if (a.vibrance < 0)
    v = v - (-a.vibrance) / 255.0L * v;
  return HSVtoRGBHEX(h, std::clamp<long double>(s, 0, 1), std::clamp<long double>(v, 0, 255));
}

std::string AdjustPercentText(int position) {
  const long long thousandths = Round(position / 255.0L * 100 * 1000);
  return GeneralNumberText(static_cast<long double>(thousandths) / 1000) + "%";
}

std::string AdjustPreviewName(std::string_view name) {
  const std::string cut = CutToChars(name, 20);
  return cut.size() < name.size() ? cut + "..." : cut;
}

AdjustedEntry AdjustEntry(const ColourList& list, std::size_t index, const Adjustment& adjustment,
                          bool webSafeShown) {
  const ColourEntry& e = list.At(index);
  AdjustedEntry out{index, AdjustPreviewName(e.name), e.value, e.value, e.value};
  if (auto after = AdjustColour(e.value, adjustment)) {
    out.after = *after;
    out.shown = webSafeShown ? ConvertRGBToWebSafe(*after) : *after;
  }
  return out;
}

std::vector<ColourEntry> AdjustedEntries(const ColourList& list, const std::vector<std::size_t>& selected,
                                         const Adjustment& adjustment) {
  std::vector<ColourEntry> entries = list.Entries();
  for (std::size_t i : selected)
    if (auto after = AdjustColour(entries[i].value, adjustment)) entries[i].value = *after;
  return entries;
}

int AdjustPreviewHeight(std::size_t selected) {
  return selected == 0 ? 0 : static_cast<int>(selected / 2 + 1) * kAdjustCellHeight;
}

}  // namespace tintora
