#include "core/formats/css.h"

#include <algorithm>
#include <vector>

#include "core/colour/css_colour.h"
#include "core/colour/css_text.h"
#include "core/colour/number_text.h"
#include "core/colour/text_filters.h"
#include "core/io/text_codec.h"

namespace tintora {

using namespace css_text;

namespace {

bool IsIdentChar(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         c >= 0x80;
}

// The end of an identifier starting at `i` (escapes included).
std::size_t IdentifierEnd(std::string_view s, std::size_t i) {
  while (i < s.size()) {
    if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] != '\n' && s[i + 1] != '\r') {
      // A hex escape runs to six digits and takes one blank after it as its end.
      std::size_t digits = 0;
      while (digits < 6 && i + 1 + digits < s.size() && HexDigit(s[i + 1 + digits]) >= 0) ++digits;
      i += 1 + std::max<std::size_t>(digits, 1);
      if (digits > 0 && i < s.size() && IsBlank(s[i])) ++i;
    } else if (IsIdentChar(static_cast<unsigned char>(s[i]))) {
      ++i;
    } else {
      break;
    }
  }
  return i;
}

// The text with every comment made a blank.
std::string WithoutComments(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, 2, "/*") == 0) {
      const std::size_t end = text.find("*/", i + 2);
      i = end == std::string_view::npos ? text.size() : end + 2;
      out += ' ';
    } else {
      out += text[i++];
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> CssColour(std::string_view value) {
  std::string_view v = Trim(value);
  constexpr std::string_view kImportant = "!important";
  if (v.size() >= kImportant.size() && SameWord(v.substr(v.size() - kImportant.size()), kImportant))
    v = Trim(v.substr(0, v.size() - kImportant.size()));
  // A number such as "--z: 100000" is not a colour in a style sheet, and "transparent" has none.
  const bool bareDigits =
      v.size() == 6 && std::all_of(v.begin(), v.end(), [](char c) { return HexDigit(c) >= 0; });
  if (bareDigits || SameWord(v, "transparent")) return std::nullopt;
  const CssColourReading r = ReadCssColour(v);
  if (!r) return std::nullopt;
  return r.colour.Hex();
}

std::string CssIdentifier(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (IsIdentChar(u)) {
      out += c;
    } else if (u < 0x20 || u == 0x7F) {
      static constexpr char kDigits[] = "0123456789abcdef";
      out += '\\';
      if (u >= 0x10) out += kDigits[u >> 4];
      out += kDigits[u & 0xF];
      out += ' ';
    } else {
      out += '\\';
      out += c;
    }
  }
  return out;
}

std::string CssUnescape(std::string_view id, std::size_t maxChars) {
  std::string out;
  std::size_t chars = 0;
  for (std::size_t i = 0; i < id.size() && chars < maxChars; ++chars) {
    if (id[i] != '\\' || i + 1 >= id.size()) {
      const std::size_t end = CharacterEnd(id, i);
      out.append(id.substr(i, end - i));
      i = end;
      continue;
    }
    ++i;
    if (HexDigit(id[i]) < 0) {  // an escaped character stands for itself
      const std::size_t end = CharacterEnd(id, i);
      out.append(id.substr(i, end - i));
      i = end;
      continue;
    }
    char32_t cp = 0;
    for (std::size_t digits = 0; digits < 6 && i < id.size() && HexDigit(id[i]) >= 0; ++digits, ++i)
      cp = cp * 16 + static_cast<char32_t>(HexDigit(id[i]));
    if (i < id.size() && (id[i] == ' ' || id[i] == '\t' || id[i] == '\n')) ++i;  // the escape's end
    const char32_t one[] = {(cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) ? U'\uFFFD' : cp};
    out += EncodeUtf8(std::u32string_view(one, 1));
  }
  return out;
}

ListWriteResult WriteCss(const ColourList& list) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  if (auto bad = FirstNonColour(list)) return {{}, *bad};
  std::string text = ":root {\n";
  text.reserve(list.Count() * 32 + 16);
  for (const ColourEntry& e : list.Entries()) {
    const Rgb c = *EntryRgb(e);
    const std::string hex = HexOfRgb(c.red, c.green, c.blue);
    text += "  --";
    text += CssIdentifier(e.name.empty() ? hex : e.name);
    text += ": #";
    text += Lower(hex);
    text += ";\n";
  }
  text += "}\n";
  return {std::move(text), {}};
}

ListReadResult ReadCss(std::string_view source) {
  ListReadResult out;
  const std::string text = WithoutComments(source);
  const std::string_view s = text;
  char before = '{';  // the last character that is not a blank: a declaration follows "{" or ";"
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s.compare(i, 2, "--") != 0 || (before != '{' && before != ';')) {
      if (!IsBlank(s[i])) before = s[i];
      continue;
    }
    const std::size_t nameEnd = IdentifierEnd(s, i + 2);
    std::size_t colon = nameEnd;
    while (colon < s.size() && IsBlank(s[colon])) ++colon;
    if (colon >= s.size() || s[colon] != ':') {
      before = s[i];
      continue;
    }
    // The value runs to the ";" or "}" that is not inside brackets.
    std::size_t end = colon + 1;
    for (int depth = 0; end < s.size(); ++end) {
      if (s[end] == '(')
        ++depth;
      else if (s[end] == ')')
        depth = std::max(0, depth - 1);
      else if (depth == 0 && (s[end] == ';' || s[end] == '}'))
        break;
    }
    if (auto hex = CssColour(s.substr(colon + 1, end - colon - 1))) {
      out.entries.push_back({CssUnescape(s.substr(i + 2, nameEnd - i - 2), kCssNameChars), *hex});
      if (OverFull(out.entries)) break;
    }
    i = end == s.size() ? end : end - 1;  // the ";" or "}" is looked at next
    before = ':';
  }
  return out;
}

}  // namespace tintora
