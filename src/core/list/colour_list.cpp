#include "core/list/colour_list.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <tuple>

#include "core/colour/conversion_error.h"
#include "core/colour/hsv.h"
#include "core/colour/notations.h"
#include "core/colour/websafe.h"

namespace tintora {

void ColourList::Append(ColourEntry entry) { entries_.push_back(std::move(entry)); }

void ColourList::Append(std::vector<ColourEntry> entries) {
  entries_.insert(entries_.end(), std::make_move_iterator(entries.begin()),
                  std::make_move_iterator(entries.end()));
}

void ColourList::Insert(std::size_t position, ColourEntry entry) {
  position = std::min(position, entries_.size());
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

void ColourList::Replace(std::vector<ColourEntry> entries) { entries_ = std::move(entries); }

namespace {

std::string UpperAscii(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

struct ColourKeys {
  long double hue, saturation, vibrance;
};

std::optional<ColourKeys> KeysOf(const std::string& value) {
  try {
    return ColourKeys{RGBHexToHue(value), RGBHexToSaturation(value), RGBHexToVibrance(value)};
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

}  // namespace

void ColourList::Sort(SortKey key) {
  const std::size_t n = entries_.size();
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), 0);
  if (key == SortKey::Alphabetical || key == SortKey::HexValue) {
    std::vector<std::string> keys(n);
    for (std::size_t i = 0; i < n; ++i)
      keys[i] = UpperAscii(key == SortKey::Alphabetical ? entries_[i].name : entries_[i].value);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  } else {
    std::vector<std::optional<ColourKeys>> keys(n);
    for (std::size_t i = 0; i < n; ++i) keys[i] = KeysOf(entries_[i].value);
    auto tupleOf = [key](const ColourKeys& k) {
      switch (key) {
        case SortKey::Intensity:
          return std::tuple(k.vibrance, k.hue, k.saturation);
        case SortKey::Saturation:
          return std::tuple(k.saturation, k.hue, k.vibrance);
        default:
          return std::tuple(k.hue, k.saturation, k.vibrance);
      }
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      if (!keys[a] || !keys[b]) return keys[a].has_value() && !keys[b].has_value();
      return tupleOf(*keys[a]) < tupleOf(*keys[b]);
    });
  }
  std::vector<ColourEntry> sorted;
  sorted.reserve(n);
  for (std::size_t i : order) sorted.push_back(std::move(entries_[i]));
  entries_ = std::move(sorted);
}

void ColourList::ConvertToWebSafe() {
  for (ColourEntry& e : entries_) {
    try {
      std::string safe = ConvertRGBToWebSafe(e.value);
      if (safe.size() == 6) e.value = std::move(safe);
    } catch (const ConversionError&) {
      // Not a colour: nothing to snap.
    }
  }
}

std::string ParseDataForCDTFile(const ColourList& list) {
  std::string out;
  std::size_t size = 0;
  for (const ColourEntry& e : list.Entries()) size += e.name.size() + e.value.size() + 6;
  out.reserve(size);
  for (const ColourEntry& e : list.Entries()) {
    out += '{';
    out += e.name;
    out += "}[";
    out += e.value;
    out += "]\r\n";
  }
  return out;
}

std::vector<std::string> HtmlCommentLines(const ColourList& list) {
  std::vector<std::string> lines;
  lines.reserve(list.Count() + 2);
  lines.emplace_back("<!--");
  for (const ColourEntry& e : list.Entries()) lines.push_back("\"" + e.value + "\" = " + e.name);
  lines.emplace_back("//-->");
  return lines;
}

int EntryColourValue(const ColourEntry& entry) {
  const std::string& v = entry.value;
  if (v.size() != 6) return -1;
  for (char c : v)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'))) return -1;
  return RGBHEXToBGRInt(v);
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
