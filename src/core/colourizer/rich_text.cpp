#include "core/colourizer/rich_text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/colour/text_filters.h"
#include "core/io/text_codec.h"

namespace tintora {

namespace {

std::string Hex2(int v) {
  static constexpr char kDigits[] = "0123456789abcdef";
  return {kDigits[(v >> 4) & 0xF], kDigits[v & 0xF]};
}

// A character of RTF text: escapes for the three special characters, the code page's bytes
// as \'hh, anything else as \uN (UTF-16 units, signed) with "?" for readers without Unicode.
void AppendRtfChar(std::string& out, char32_t ch) {
  if (ch == U'\\' || ch == U'{' || ch == U'}') {
    out += '\\';
    out += static_cast<char>(ch);
  } else if (ch == U'\n') {
    out += "\\line ";
  } else if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (const auto code = Cp1252Code(ch)) {
    out += "\\'" + Hex2(*code);
  } else {
    const std::u16string units = Utf8ToUtf16(EncodeUtf8(std::u32string_view(&ch, 1)));
    for (char16_t u : units) out += "\\u" + std::to_string(static_cast<std::int16_t>(u)) + "?";
  }
}

void AppendHtmlChar(std::string& out, char32_t ch) {
  switch (ch) {
    case U'&':
      out += "&amp;";
      break;
    case U'<':
      out += "&lt;";
      break;
    case U'>':
      out += "&gt;";
      break;
    case U'"':
      out += "&quot;";
      break;
    case U'\n':
      out += "<br>";
      break;
    default:
      out += EncodeUtf8(std::u32string_view(&ch, 1));
  }
}

bool SameLook(const ColourizedChar& a, const ColourizedChar& b) {
  return a.colour == b.colour && a.points == b.points;
}

}  // namespace

std::string ColourizedRtf(const Colourized& text, const ColourizerStyles& styles, std::string_view family) {
  std::vector<Rgb8> table;  // the colour table's entries from 1 on
  for (std::size_t i = 0; i < text.count; ++i) {
    const auto& c = text.chars[i].colour;
    if (c && std::find(table.begin(), table.end(), *c) == table.end()) table.push_back(*c);
  }
  std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil ";
  for (char32_t ch : DecodeUtf8Lenient(family)) AppendRtfChar(out, ch);
  out += ";}}{\\colortbl ;";
  for (Rgb8 c : table)
    out += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" +
           std::to_string(c.blue) + ";";
  out += "}\\f0";
  if (styles.bold) out += "\\b";
  if (styles.italic) out += "\\i";
  if (styles.underline) out += "\\ul";
  if (styles.strikeOut) out += "\\strike";
  for (std::size_t i = 0; i < text.count; ++i) {
    const ColourizedChar& c = text.chars[i];
    if (i == 0 || !SameLook(c, text.chars[i - 1])) {
      const std::size_t colour =
          c.colour
              ? static_cast<std::size_t>(std::find(table.begin(), table.end(), *c.colour) - table.begin()) + 1
              : 0;
      out += "\\cf" + std::to_string(colour) + "\\fs" + std::to_string(2 * c.points) + " ";
    }
    AppendRtfChar(out, c.ch);
  }
  out += "}";
  return out;
}

std::string ColourizedHtmlFragment(const Colourized& text, const ColourizerStyles& styles,
                                   std::string_view family) {
  std::string common = "font-family:'";
  for (char32_t ch : DecodeUtf8Lenient(family)) AppendHtmlChar(common, ch == U'\'' ? U' ' : ch);
  common += "'";
  if (styles.bold) common += ";font-weight:bold";
  if (styles.italic) common += ";font-style:italic";
  if (styles.underline || styles.strikeOut)
    common += std::string(";text-decoration:") + (styles.underline ? "underline" : "") +
              (styles.underline && styles.strikeOut ? " " : "") + (styles.strikeOut ? "line-through" : "");
  std::string out = "<html><body><!--StartFragment-->";
  for (std::size_t i = 0; i < text.count;) {
    const ColourizedChar& first = text.chars[i];
    out += "<span style=\"" + common + ";font-size:" + std::to_string(first.points) + "pt";
    if (first.colour) out += ";color:#" + first.colour->Hex();
    out += "\">";
    for (; i < text.count && SameLook(text.chars[i], first); ++i) AppendHtmlChar(out, text.chars[i].ch);
    out += "</span>";
  }
  out += "<!--EndFragment--></body></html>";
  return out;
}

std::string ColourizedPlainText(const Colourized& text) {
  std::u32string chars;
  for (std::size_t i = 0; i < text.count; ++i) chars += text.chars[i].ch;
  return EncodeUtf8(chars);
}

}  // namespace tintora
