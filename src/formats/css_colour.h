// The colour values of CSS: hex colours, rgb() and hsl() with their variants, and the colour
// keywords, as RGB hex text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tintora {

// RGB hex text of a CSS colour value, nullopt when it is none.
std::optional<std::string> CssColour(std::string_view value);

// The small pieces of CSS text both the colour values and the style sheets are made of.
namespace css_text {

inline std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

inline std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

inline int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace css_text

}  // namespace tintora
