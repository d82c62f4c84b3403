#include "core/formats/colour_list_files.h"

#include "core/colour/conversion_error.h"
#include "core/colour/number_text.h"

namespace tintora {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

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
  for (std::string_view line : SplitLines(text)) {
    if (line.find('{') == std::string_view::npos && line.find('[') == std::string_view::npos) continue;
    // The value is looked for after the name, so a name holding "[" or "]" (from sources other
    // than the name dialog) cannot spoil its value.
    const std::size_t nameEnd = line.find('}');
    const std::string_view rest = nameEnd == std::string_view::npos ? line : line.substr(nameEnd + 1);
    entries.push_back({Between(line, '{', '}'), Between(rest, '[', ']')});
  }
  return entries;
}

std::vector<ColourEntry> ParseLstText(std::string_view text) {
  std::vector<std::string> names, values;
  for (std::string_view line : SplitLines(text)) {
    const std::size_t eq = line.find('=');
    const std::string_view after = eq == std::string_view::npos ? line : line.substr(eq + 1);
    if (line.substr(0, 4) == "Name") {
      names.emplace_back(after);
    } else if (line.substr(0, 5) == "Color") {
      values.push_back(IntToHex(StrToInt(eq == std::string_view::npos ? std::string_view{} : after), 6));
    }
  }
  const std::size_t n = std::min(names.size(), values.size());
  std::vector<ColourEntry> entries;
  entries.reserve(n);
  for (std::size_t i = 0; i < n; ++i) entries.push_back({std::move(names[i]), std::move(values[i])});
  return entries;
}

namespace {
std::size_t NameStart(std::string_view path) {
  const std::size_t sep = path.find_last_of("\\/:");
  return sep == std::string_view::npos ? 0 : sep + 1;
}
}  // namespace

std::string ExtractFileExt(std::string_view path) {
  const std::size_t start = NameStart(path);
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || dot < start) return {};
  return std::string(path.substr(dot));
}

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
  const std::string ext = ExtractFileExt(path);
  return std::string(path.substr(0, path.size() - ext.size())) + std::string(extension);
}

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string NormalisedExt(std::string_view path) {
  std::string ext = ExtractFileExt(path);
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  while (!ext.empty() && ext.back() == ' ') ext.pop_back();
  return ext;
}

std::string TypeChangeFileName(std::string_view pathInDialog, std::string_view newExtension) {
  const std::string name =
      ExtractFileExt(pathInDialog).empty() ? std::string() : ExtractFileName(pathInDialog);
  return ChangeFileExt(name, newExtension);
}

ListFileProblem CheckListFile(std::string_view bytes, std::size_t entries) {
  if (bytes.substr(0, 4096).find('\0') != std::string_view::npos) return ListFileProblem::Binary;
  if (entries == 0 && !bytes.empty()) return ListFileProblem::NoColours;
  return ListFileProblem::None;
}

}  // namespace tintora
