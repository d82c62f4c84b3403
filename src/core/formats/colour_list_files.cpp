#include "core/formats/colour_list_files.h"

#include <algorithm>

#include "core/colour/conversion_error.h"
#include "core/colour/number_text.h"
#include "core/formats/palette_file.h"
#include "core/io/large_buffer.h"
#include "core/io/lines.h"

namespace tintora {

namespace {

// The text between the first `open` and the first `close`, the way the list files have
// always been read (see ParseCdtText).
std::string Between(std::string_view s, char open, char close) {
  const std::size_t a = s.find(open);
  const std::size_t b = s.find(close);
  const long long from = a == std::string_view::npos ? 0 : static_cast<long long>(a) + 1;  // 0-based start
  const long long to = b == std::string_view::npos ? -1 : static_cast<long long>(b);       // 0-based end
  if (to - from < 1) return {};
  return std::string(s.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)));
}

}  // namespace

std::vector<ColourEntry> ParseCdtText(std::string_view text) {
  std::vector<ColourEntry> entries;
  // Room for them all at once rather than growing (and copying) a million entries step by
  // step: a line an entry, and only lines holding "{" or "[" are entries.
  const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  const auto marks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '{') +
                                              std::count(text.begin(), text.end(), '['));
  ReserveLarge(entries, std::min({lines, marks, kMaxListEntries + 1}));
  ForEachLine(text, [&](std::string_view line) {
    if (line.find('{') == std::string_view::npos && line.find('[') == std::string_view::npos) return true;
    // The value is looked for after the name, so a name holding "[" or "]" (from sources other
    // than the name dialog) cannot spoil its value.
    const std::size_t nameEnd = line.find('}');
    const std::string_view rest = nameEnd == std::string_view::npos ? line : line.substr(nameEnd + 1);
    entries.push_back({Between(line, '{', '}'), Between(rest, '[', ']')});
    return !OverFull(entries);
  });
  return entries;
}

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
