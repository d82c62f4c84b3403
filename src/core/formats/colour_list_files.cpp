#include "core/formats/colour_list_files.h"

#include <algorithm>

#include "core/colour/conversion_error.h"
#include "core/colour/number_text.h"
#include "core/formats/palette_file.h"
#include "core/io/large_buffer.h"
#include "core/io/lines.h"

namespace tintora {

std::vector<ColourEntry> ParseLstText(std::string_view text) {
  std::vector<std::string> names, values;
  ForEachLine(text, [&](std::string_view line) {
    const std::size_t eq = line.find('=');
    const std::string_view after = eq == std::string_view::npos ? line : line.substr(eq + 1);
    // Each side stops one past what a list may hold; the entries then say the file holds too many.
    if (line.substr(0, 4) == "Name") {
      if (names.size() <= kMaxListEntries) names.emplace_back(after);
    } else if (line.substr(0, 5) == "Color") {
      if (values.size() <= kMaxListEntries)
        values.push_back(IntToHex(StrToInt(eq == std::string_view::npos ? std::string_view{} : after), 6));
    }
    return names.size() <= kMaxListEntries || values.size() <= kMaxListEntries;
  });
  const std::size_t n = std::min(names.size(), values.size());
  std::vector<ColourEntry> entries;
  ReserveLarge(entries, n);
  for (std::size_t i = 0; i < n; ++i) entries.push_back({std::move(names[i]), std::move(values[i])});
  return entries;
}

ListFileProblem CheckListFile(std::string_view bytes, std::size_t entries) {
  if (bytes.substr(0, 4096).find('\0') != std::string_view::npos) return ListFileProblem::Binary;
  if (entries == 0 && !bytes.empty()) return ListFileProblem::NoColours;
  return ListFileProblem::None;
}

}  // namespace tintora
