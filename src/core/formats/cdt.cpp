#include "core/formats/cdt.h"

#include <algorithm>

#include "core/io/large_buffer.h"
#include "core/io/lines.h"
#include "core/io/text_codec.h"

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

// A list file ends inside its last entry when its last line has no line break after it and
// no value (nothing, an open "[", or "[]"): the file was cut while it was written or copied.
// Every line Tintora writes ends with a line break, so an entry without a value that a list
// really holds still comes back.
ListReadResult ReadCdt(std::string_view text) {
  ListReadResult r;
  r.entries = ParseCdtText(text);
  const bool unterminated = !text.empty() && text.back() != '\n' && text.back() != '\r';
  if (unterminated && !r.entries.empty() && r.entries.back().value.empty()) {
    r.entries.pop_back();
    r.status = ListReadResult::Status::Cut;
  }
  return r;
}

std::string ParseDataForCDTFile(const ColourList& list) {
  std::string out;
  std::size_t size = 0;
  for (const ColourEntry& e : list.Entries()) size += e.name.size() + e.value.size() + 6;
  ReserveLarge(out, size);
  for (const ColourEntry& e : list.Entries()) {
    out += '{';
    out += e.name;
    out += "}[";
    out += e.value;
    out += "]\r\n";
  }
  return out;
}

ListWriteResult WriteCdt(const ColourList& list) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  return {EncodeFileText(ParseDataForCDTFile(list)), {}};
}

}  // namespace tintora
