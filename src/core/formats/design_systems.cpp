#include "core/formats/design_systems.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "core/colour/css_text.h"
#include "core/colour/text_filters.h"
#include "core/formats/css.h"

namespace tintora {

namespace {

// The ASCII letters of a Latin letter with marks, or nothing: the common ones of the European
// languages, which a designer's colour names come in.
std::string_view AsciiOf(char32_t c) {
  struct Fold {
    char32_t from, to;
    const char* ascii;
  };
  static constexpr Fold kFolds[] = {
      {U'\u00C0', U'\u00C5', "a"},  {U'\u00C6', U'\u00C6', "ae"}, {U'\u00C7', U'\u00C7', "c"},
      {U'\u00C8', U'\u00CB', "e"},  {U'\u00CC', U'\u00CF', "i"},  {U'\u00D0', U'\u00D0', "d"},
      {U'\u00D1', U'\u00D1', "n"},  {U'\u00D2', U'\u00D6', "o"},  {U'\u00D8', U'\u00D8', "o"},
      {U'\u00D9', U'\u00DC', "u"},  {U'\u00DD', U'\u00DD', "y"},  {U'\u00DF', U'\u00DF', "ss"},
      {U'\u00E0', U'\u00E5', "a"},  {U'\u00E6', U'\u00E6', "ae"}, {U'\u00E7', U'\u00E7', "c"},
      {U'\u00E8', U'\u00EB', "e"},  {U'\u00EC', U'\u00EF', "i"},  {U'\u00F0', U'\u00F0', "d"},
      {U'\u00F1', U'\u00F1', "n"},  {U'\u00F2', U'\u00F6', "o"},  {U'\u00F8', U'\u00F8', "o"},
      {U'\u00F9', U'\u00FC', "u"},  {U'\u00FD', U'\u00FD', "y"},  {U'\u00FF', U'\u00FF', "y"},
      {U'\u0100', U'\u0105', "a"},  {U'\u0106', U'\u010D', "c"},  {U'\u010E', U'\u0111', "d"},
      {U'\u0112', U'\u011B', "e"},  {U'\u011C', U'\u0123', "g"},  {U'\u0124', U'\u0127', "h"},
      {U'\u0128', U'\u0131', "i"},  {U'\u0134', U'\u0135', "j"},  {U'\u0136', U'\u0137', "k"},
      {U'\u0139', U'\u0142', "l"},  {U'\u0143', U'\u0148', "n"},  {U'\u014C', U'\u0151', "o"},
      {U'\u0152', U'\u0153', "oe"}, {U'\u0154', U'\u0159', "r"},  {U'\u015A', U'\u0161', "s"},
      {U'\u0162', U'\u0167', "t"},  {U'\u0168', U'\u0173', "u"},  {U'\u0174', U'\u0175', "w"},
      {U'\u0176', U'\u0178', "y"},  {U'\u0179', U'\u017E', "z"},
  };
  for (const Fold& f : kFolds)
    if (c >= f.from && c <= f.to) return f.ascii;
  return {};
}

bool AsciiLetterOrDigit(char32_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Less reads "@media: …" and its kin as the at-rule, not as a variable.
bool LessAtRule(std::string_view name) {
  for (std::string_view word :
       {"charset", "import", "namespace", "media", "supports", "document", "page", "font-face", "keyframes",
        "viewport", "counter-style", "layer", "container", "plugin", "property"})
    if (name == word) return true;
  return false;
}

std::string HexOf(const ColourEntry& e) {
  const Rgb c = *EntryRgb(e);
  return css_text::Lower(HexOfRgb(c.red, c.green, c.blue));
}

// Why a list cannot be written: empty, or an entry without a colour.
std::optional<ListWriteResult> Unwritable(const ColourList& list) {
  if (list.Empty()) return ListWriteResult{{}, "The colour list is empty."};
  if (auto bad = FirstNonColour(list)) return ListWriteResult{{}, *bad};
  return std::nullopt;
}

// Every entry as "<before><name><between>#rrggbb<after>" lines.
ListWriteResult WriteDeclarations(const ColourList& list, const std::vector<std::string>& names,
                                  std::string head, std::string_view before, std::string_view between,
                                  std::string_view after) {
  std::string text = std::move(head);
  text.reserve(text.size() + list.Count() * 40 + 16);
  for (std::size_t i = 0; i < list.Count(); ++i) {
    text += before;
    text += names[i];
    text += between;
    text += '#';
    text += HexOf(list.At(i));
    text += after;
  }
  return {std::move(text), {}};
}

// Top-level "<sigil>name: value;" declarations holding colours.
ListReadResult ReadVariables(std::string_view text, char sigil) {
  ListReadResult out;
  int depth = 0;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (text.compare(i, 2, "//") == 0) {  // a line comment
      const std::size_t end = text.find('\n', i);
      i = end == std::string_view::npos ? text.size() : end;
    } else if (text.compare(i, 2, "/*") == 0) {
      const std::size_t end = text.find("*/", i + 2);
      i = end == std::string_view::npos ? text.size() : end + 2;
    } else if (c == '{' || c == '(') {
      ++depth;
      ++i;
    } else if (c == '}' || c == ')') {
      depth = std::max(0, depth - 1);
      ++i;
    } else if (c == sigil && depth == 0) {
      std::size_t nameEnd = i + 1;
      while (nameEnd < text.size() &&
             (AsciiLetterOrDigit(static_cast<unsigned char>(text[nameEnd])) || text[nameEnd] == '-' ||
              text[nameEnd] == '_' || static_cast<unsigned char>(text[nameEnd]) >= 0x80))
        ++nameEnd;
      std::size_t colon = nameEnd;
      while (colon < text.size() && (text[colon] == ' ' || text[colon] == '\t')) ++colon;
      if (nameEnd == i + 1 || colon >= text.size() || text[colon] != ':') {
        i = nameEnd;
        continue;
      }
      // The value runs to the ";" (or the line's end) outside brackets; a map's brackets are
      // passed over whole.
      std::size_t end = colon + 1;
      while (end < text.size() && (text[end] == ' ' || text[end] == '\t')) ++end;
      const bool map = end < text.size() && text[end] == '(';
      for (int brackets = 0; end < text.size(); ++end) {
        if (text[end] == '(') ++brackets;
        if (text[end] == ')') --brackets;
        if (brackets <= 0 && (text[end] == ';' || (text[end] == '\n' && !map))) break;
      }
      std::string_view value = text.substr(colon + 1, end - colon - 1);
      // "!default" and "!global" (Sass) say how it is set, not what.
      for (std::string_view flag : {"!default", "!global"})
        if (const std::size_t at = value.find(flag); at != std::string_view::npos)
          value = value.substr(0, at);
      if (!map) {
        if (const auto hex = CssColour(value)) {
          if (out.entries.size() >= kMaxListEntries) return RefusedRead(TooManyEntries());
          out.entries.push_back({std::string(text.substr(i + 1, nameEnd - i - 1)), *hex});
        }
      }
      i = end;
    } else {
      ++i;
    }
  }
  if (out.entries.empty()) {
    out.status = ListReadResult::Status::Refused;
    out.reason = std::string("holds no ") + (sigil == '$' ? "Sass" : "Less") + " variable with a colour.";
  }
  return out;
}

}  // namespace

std::string DesignName(std::string_view name) {
  std::string out;
  bool separate = false;
  char32_t previous = 0;
  for (char32_t c : DecodeUtf8Lenient(name)) {
    std::string_view piece;
    std::string lower;
    if (c >= 'A' && c <= 'Z') {
      // A capital after a small letter or a digit starts a word: "darkBlue" is "dark-blue".
      if ((previous >= 'a' && previous <= 'z') || (previous >= '0' && previous <= '9')) separate = true;
      lower = static_cast<char>(c - 'A' + 'a');
      piece = lower;
    } else if (AsciiLetterOrDigit(c)) {
      lower = static_cast<char>(c);
      piece = lower;
    } else if (!(piece = AsciiOf(c)).empty()) {
    } else if (c >= 0x80 && c != U'\uFFFD' && !(c >= 0x2000 && c <= 0x206F) && c != 0xA0) {
      // A letter with no ASCII form is its code point, a word of its own: Tailwind's utilities
      // and Less's variables take ASCII names alone.
      static constexpr char kHex[] = "0123456789abcdef";
      lower = "u";
      bool digits = false;
      for (int shift = 20; shift >= 0; shift -= 4)
        if (const unsigned d = (c >> shift) & 0xF; d != 0 || digits || shift <= 12) {
          lower += kHex[d];
          digits = true;
        }
      separate = !out.empty();
      piece = lower;
      if (separate) out += '-';
      out += piece;
      separate = true;
      previous = c;
      continue;
    } else {
      separate = !out.empty();
      previous = c;
      continue;
    }
    if (separate && !out.empty()) out += '-';
    separate = false;
    out += piece;
    previous = c;
  }
  if (out.empty()) return "color";
  if ((out[0] >= '0' && out[0] <= '9') || LessAtRule(out)) return "color-" + out;
  return out;
}

std::vector<std::string> DesignNames(const ColourList& list) {
  std::vector<std::string> names;
  names.reserve(list.Count());
  std::unordered_set<std::string> taken;
  taken.reserve(list.Count() * 2);
  // The number each name's next duplicate tries first: a list of a hundred thousand "red"s
  // numbers them in one pass, not by counting up from 2 for each.
  std::unordered_map<std::string, int> nextNumber;
  for (const ColourEntry& e : list.Entries()) {
    const std::string base = DesignName(e.name.empty() ? HexOf(e) : e.name);
    std::string name = base;
    if (!taken.insert(name).second) {
      int& n = nextNumber.try_emplace(base, 2).first->second;
      do name = base + "-" + std::to_string(n++);
      while (!taken.insert(name).second);
    }
    names.push_back(std::move(name));
  }
  return names;
}

ListWriteResult WriteTailwind(const ColourList& list) {
  if (auto refused = Unwritable(list)) return *refused;
  ListWriteResult r = WriteDeclarations(list, DesignNames(list), "@theme {\n", "  --color-", ": ", ";\n");
  if (r.Ok()) r.bytes += "}\n";
  return r;
}

ListWriteResult WriteScss(const ColourList& list, std::string_view title) {
  if (auto refused = Unwritable(list)) return *refused;
  const std::vector<std::string> names = DesignNames(list);
  ListWriteResult r = WriteDeclarations(list, names, {}, "$", ": ", ";\n");
  // The map takes the palette's name, kept apart from the colours' own.
  std::string map = DesignName(title.empty() ? "palette" : title);
  while (std::find(names.begin(), names.end(), map) != names.end()) map += "-colors";
  r.bytes += "\n$" + map + ": (\n";
  for (std::size_t i = 0; i < list.Count(); ++i)
    r.bytes += "  \"" + names[i] + "\": #" + HexOf(list.At(i)) + ",\n";
  r.bytes += ");\n";
  return r;
}

ListWriteResult WriteLess(const ColourList& list) {
  if (auto refused = Unwritable(list)) return *refused;
  return WriteDeclarations(list, DesignNames(list), {}, "@", ": ", ";\n");
}

ListReadResult ReadScss(std::string_view text) { return ReadVariables(text, '$'); }
ListReadResult ReadLess(std::string_view text) { return ReadVariables(text, '@'); }

}  // namespace tintora
