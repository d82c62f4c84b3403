#include "core/formats/css.h"

#include <algorithm>
#include <vector>

#include "core/colour/css_colour.h"
#include "core/colour/css_text.h"
#include "core/colour/number_text.h"
#include "core/colour/text_filters.h"

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
  return BGRIntToRGBHEX(r.colour);
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

std::string CssUnescape(std::string_view id) {
  std::u32string out;
  const std::u32string text = DecodeUtf8Lenient(id);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != U'\\' || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    ++i;
    const auto hex = [](char32_t c) { return c < 0x80 ? HexDigit(static_cast<char>(c)) : -1; };
    if (hex(text[i]) < 0) {
      out += text[i];
      continue;
    }
    char32_t cp = 0;
    std::size_t digits = 0;
    for (; digits < 6 && i < text.size() && hex(text[i]) >= 0; ++digits, ++i)
      cp = cp * 16 + static_cast<char32_t>(hex(text[i]));
    if (i < text.size() && (text[i] == U' ' || text[i] == U'\t' || text[i] == U'\n'))
      ++i;  // the escape's end
    --i;
    out += (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) ? U'\uFFFD' : cp;
  }
  return EncodeUtf8(out);
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
    if (auto hex = CssColour(s.substr(colon + 1, end - colon - 1)))
      out.entries.push_back({CutToChars(CssUnescape(s.substr(i + 2, nameEnd - i - 2)), 255), *hex});
    i = end == s.size() ? end : end - 1;  // the ";" or "}" is looked at next
    before = ':';
  }
  return out;
}

}  // namespace tintora
