// The colour list: ordered entries of a name and an RGB hex value. One model, so names and
// values can never come out of step.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/colour/custom_colours.h"
#include "core/colour/rgb8.h"

namespace tintora {

struct ColourEntry {
  ColourEntry() = default;
  ColourEntry(std::string entryName, std::string entryValue)
      : name(std::move(entryName)), value(std::move(entryValue)) {}

  std::string name;   // UTF-8, one line
  std::string value;  // RRGGBB as indexed; files may give other text, kept as given

  bool operator==(const ColourEntry& other) const { return name == other.name && value == other.value; }

 private:
  // The value's colour, read by the list when the entry comes into it or its value changes, so
  // that drawing the list never reads text; nothing when the value is no RRGGBB.
  friend class ColourList;
  std::optional<Rgb8> colour_;
};

// The five sort commands, by their codes.
enum class SortKey { Alphabetical = 0, Intensity = 1, Saturation = 2, Hue = 3, HexValue = 4 };

class ColourList {
 public:
  std::size_t Count() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  const ColourEntry& At(std::size_t i) const { return entries_[i]; }
  const std::vector<ColourEntry>& Entries() const { return entries_; }
  // The colour of entry i's value, read when it came in: nothing when the value is no RRGGBB.
  std::optional<Rgb8> ColourAt(std::size_t i) const { return entries_[i].colour_; }

  void Append(ColourEntry entry);
  void Append(std::vector<ColourEntry> entries);
  // Inserts before `position` (Count() appends).
  void Insert(std::size_t position, ColourEntry entry);
  // Removes the entries at the given indices (any order, duplicates allowed) in one pass.
  void Remove(std::vector<std::size_t> indices);
  // Takes the entry at `from` out and puts it back at `to`.
  void Move(std::size_t from, std::size_t to);
  void Rename(std::size_t i, std::string name);
  void Clear();
  void Replace(std::vector<ColourEntry> entries);

  // Ascending by the key's sequence (alphabetical: names upper-cased; hex: values
  // upper-cased; the colour keys: vibrance/hue/saturation in the order of the command). Entries
  // whose value is not hex text cannot be placed by colour and go to the end, in their order.
  void Sort(SortKey key);

  // Every value snapped to the web-safe palette; values that are not hex text stay.
  void ConvertToWebSafe();

 private:
  // Reads the colours of the entries from `first` on.
  void ReadColours(std::size_t first = 0);

  std::vector<ColourEntry> entries_;
};

// The list as an HTML comment: "<!--", one "\"value\" = name" line each, "//-->".
std::vector<std::string> HtmlCommentLines(const ColourList& list);

// The entries the colour dialog's custom colours give: one per set slot, in slot order, named
// by the slot's key, valued RRGGBB.
std::vector<ColourEntry> CustomColourEntries(const CustomColourSlots& slots);

}  // namespace tintora
