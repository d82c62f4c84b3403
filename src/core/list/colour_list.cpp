#include "core/list/colour_list.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>

#include "core/colour/conversion_error.h"
#include "core/colour/notations.h"
#include "core/colour/number_text.h"
#include "core/colour/websafe.h"
#include "core/io/large_buffer.h"

namespace tintora {

void ColourList::ReadColours(std::size_t first) {
  for (std::size_t i = first; i < entries_.size(); ++i) entries_[i].colour_ = Rgb8::OfHex(entries_[i].value);
}

void ColourList::Append(ColourEntry entry) {
  entry.colour_ = Rgb8::OfHex(entry.value);
  entries_.push_back(std::move(entry));
}

void ColourList::Append(std::vector<ColourEntry> entries) {
  const std::size_t first = entries_.size();
  if (entries_.empty()) {  // a list read from a file: taken over, not moved entry by entry
    entries_ = std::move(entries);
  } else {
    entries_.insert(entries_.end(), std::make_move_iterator(entries.begin()),
                    std::make_move_iterator(entries.end()));
  }
  ReadColours(first);
}

void ColourList::Insert(std::size_t position, ColourEntry entry) {
  position = std::min(position, entries_.size());
  entry.colour_ = Rgb8::OfHex(entry.value);
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(position), std::move(entry));
}

void ColourList::Remove(std::vector<std::size_t> indices) {
  if (indices.empty()) return;
  std::vector<char> doomed(entries_.size(), 0);
  for (std::size_t i : indices)
    if (i < doomed.size()) doomed[i] = 1;
  std::size_t out = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (!doomed[i]) {
      if (out != i) entries_[out] = std::move(entries_[i]);
      ++out;
    }
  entries_.resize(out);
}

void ColourList::Move(std::size_t from, std::size_t to) {
  if (from >= entries_.size() || from == to) return;
  to = std::min(to, entries_.size() - 1);
  ColourEntry e = std::move(entries_[from]);
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(from));
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(to), std::move(e));
}

void ColourList::Rename(std::size_t i, std::string name) {
  if (i < entries_.size()) entries_[i].name = std::move(name);
}

void ColourList::Clear() { entries_.clear(); }

void ColourList::Replace(std::vector<ColourEntry> entries) {
  entries_ = std::move(entries);
  ReadColours();
}

namespace {

std::string UpperAscii(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

// A colour's sort key in one integer, computed once per entry: the three levels in the key's
// order, most significant first. The levels are fractions of the 8-bit components (the hue
// 60 times (a difference plus a sector) over the spread, the saturation the spread over the
// largest component, the vibrance the largest), computed here in whole numbers: two different
// hues are at least 60 / (255 * 254) apart and two saturations 1 / (255 * 254), so scaled by
// 2^12 and 2^17 and rounded they keep their order exactly, and equal ones stay equal.
// Non-colours carry the top bit and so come last.
constexpr std::uint64_t kHueScale = 60 * 4096, kSaturationScale = 131072;
constexpr int kHueBits = 21;         // 360 * 2^12 < 2^21
constexpr int kSaturationBits = 18;  // 1 * 2^17 < 2^18
constexpr int kVibranceBits = 8;
constexpr std::uint64_t kNotAColour = std::uint64_t{1} << 63;

// numerator / denominator * scale, rounded; both not negative.
std::uint64_t Scaled(std::uint64_t numerator, std::uint64_t denominator, std::uint64_t scale) {
  return (2 * scale * numerator + denominator) / (2 * denominator);
}

std::uint64_t PackedKey(const std::string& value, SortKey key) {
  std::uint64_t hue = 0, saturation = 0, vibrance = 0;
  try {
    int rgb[3];
    if (const std::optional<Rgb8> c = Rgb8::OfHex(value)) {
      rgb[0] = c->red, rgb[1] = c->green, rgb[2] = c->blue;
    } else {  // anything else as every other reader of values takes it
      for (int i = 0; i < 3; ++i) rgb[i] = ExtractColour(value, i + 1);
    }
    const int r = rgb[0], g = rgb[1], b = rgb[2];
    const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const int spread = mx == mn ? 1 : mx - mn;
    // The sectors as RGBDecToHue takes them: red first, then green, then blue.
    const int sixths = mx == r   ? (g - b < 0 ? g - b + 6 * spread : g - b)
                       : mx == g ? b - r + 2 * spread
                                 : r - g + 4 * spread;
    hue = Scaled(static_cast<std::uint64_t>(sixths), static_cast<std::uint64_t>(spread), kHueScale);
    saturation = mx == 0 ? 0
                         : Scaled(static_cast<std::uint64_t>(mx - mn), static_cast<std::uint64_t>(mx),
                                  kSaturationScale);
    vibrance = static_cast<std::uint64_t>(mx);
  } catch (const ConversionError&) {
    return kNotAColour;
  }
  switch (key) {
    case SortKey::Intensity:
      return (vibrance << (kHueBits + kSaturationBits)) | (hue << kSaturationBits) | saturation;
    case SortKey::Saturation:
      return (saturation << (kHueBits + kVibranceBits)) | (hue << kVibranceBits) | vibrance;
    default:
      return (hue << (kSaturationBits + kVibranceBits)) | (saturation << kVibranceBits) | vibrance;
  }
}

using Keyed = std::vector<std::pair<std::uint64_t, std::size_t>>;

Keyed ColourKeys(const std::vector<ColourEntry>& entries, SortKey key) {
  Keyed keyed(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) keyed[i] = {PackedKey(entries[i].value, key), i};
  return keyed;
}

// Values that are all "RRGGBB" compare as their numbers do as upper-case text; where one is
// anything else, none is given (the values are compared as text).
Keyed HexKeys(const std::vector<ColourEntry>& entries) {
  Keyed keyed(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::optional<Rgb8> c = Rgb8::OfHex(entries[i].value);
    if (!c) return {};
    keyed[i] = {c->Packed(), i};
  }
  return keyed;
}

}  // namespace

void ColourList::Sort(SortKey key) {
  const std::size_t n = entries_.size();
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), 0);
  std::vector<std::pair<std::uint64_t, std::size_t>> keyed;
  if (key == SortKey::HexValue)
    keyed = HexKeys(entries_);
  else if (key != SortKey::Alphabetical)
    keyed = ColourKeys(entries_, key);
  if (keyed.size() == n) {
    // The position breaks ties, so the order is stable without a stable sort.
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < n; ++i) order[i] = keyed[i].second;
  } else {
    std::vector<std::string> keys(n);
    for (std::size_t i = 0; i < n; ++i)
      keys[i] = UpperAscii(key == SortKey::Alphabetical ? entries_[i].name : entries_[i].value);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  }
  // In place, a cycle at a time: a second list of 100,000 entries would cost more in fresh
  // pages than the sort itself. `order[i]` is where position i's entry comes from; a position
  // done points at itself.
  for (std::size_t start = 0; start < n; ++start) {
    if (order[start] == start) continue;
    ColourEntry held = std::move(entries_[start]);
    std::size_t at = start;
    while (order[at] != start) {
      const std::size_t from = order[at];
      entries_[at] = std::move(entries_[from]);
      order[at] = at;
      at = from;
    }
    entries_[at] = std::move(held);
    order[at] = at;
  }
}

void ColourList::ConvertToWebSafe() {
  for (ColourEntry& e : entries_) {
    try {
      std::string safe = ConvertRGBToWebSafe(e.value);
      if (safe.size() == 6) {
        e.value = std::move(safe);
        e.colour_ = Rgb8::OfHex(e.value);
      }
    } catch (const ConversionError&) {
      // Not a colour: nothing to snap.
    }
  }
}

std::vector<std::string> HtmlCommentLines(const ColourList& list) {
  std::vector<std::string> lines;
  lines.reserve(list.Count() + 2);
  lines.emplace_back("<!--");
  for (const ColourEntry& e : list.Entries()) lines.push_back("\"" + e.value + "\" = " + e.name);
  lines.emplace_back("//-->");
  return lines;
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
