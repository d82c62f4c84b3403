// The characters of an XML document as the quick reader checks them: names, UTF-8, character
// references' values, the plain declaration, and the lines counted for the messages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tintora::xml_palette {

// Utf8At's answer for a character cut short by the end of what was read so far.
inline constexpr std::size_t kTruncated = static_cast<std::size_t>(-1);

inline unsigned char At(std::string_view b, std::size_t k) { return static_cast<unsigned char>(b[k]); }
inline bool IsSpace(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
inline bool NameStart(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || c >= 0x80;
}
inline bool NameChar(unsigned char c) {
  return NameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '-';
}
inline bool StartsWith(std::string_view b, std::size_t p, std::string_view s) {
  return b.substr(p, s.size()) == s;
}
// Whether what is left could still begin with `s` once more bytes come.
inline bool CouldStartWith(std::string_view b, std::size_t p, std::string_view s) {
  return b.size() - p < s.size() && s.starts_with(b.substr(p));
}

// The length of the UTF-8 character of an XML document at `q`: 0 when it is no such
// character (a bad sequence, a surrogate, U+FFFE or U+FFFF), kTruncated when it is cut short.
std::size_t Utf8At(std::string_view b, std::size_t q);
// Steps over a name at `q`: false when there is none, `cut` when it runs to the end.
bool SkipName(std::string_view b, std::size_t& q, bool& cut);
// Whether XML allows the character (a character reference to anything else is refused).
bool XmlChar(std::uint32_t c);
// How many "\n" the text holds.
std::size_t LineEnds(std::string_view text);

// The XML declaration at `p`, if there is one: none or the plain kind (version 1.0, UTF-8 or
// no encoding, standalone or not) is Plain and `p` steps past it; any other is expat's.
enum class Declaration { Plain, Other, Unfinished };
Declaration PlainDeclaration(std::string_view b, std::size_t& p);

}  // namespace tintora::xml_palette
