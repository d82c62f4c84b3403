#include "core/formats/xml_characters.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace tintora::xml_palette {

std::size_t Utf8At(std::string_view b, std::size_t q) {
  const unsigned char c = At(b, q);
  std::size_t n = 0;
  unsigned char lo = 0x80, hi = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) lo = 0xA0;
    if (c == 0xED) hi = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  for (std::size_t k = 1; k < n; ++k) {
    if (q + k >= b.size()) return kTruncated;
    const unsigned char d = At(b, q + k);
    if (d < (k == 1 ? lo : 0x80) || d > (k == 1 ? hi : 0xBF)) return 0;
  }
  if (c == 0xEF && At(b, q + 1) == 0xBF && At(b, q + 2) >= 0xBE) return 0;
  return n;
}

bool SkipName(std::string_view b, std::size_t& q, bool& cut) {
  cut = false;
  if (q >= b.size()) return cut = true, false;
  if (!NameStart(At(b, q))) return false;
  while (q < b.size() && NameChar(At(b, q))) {
    if (At(b, q) < 0x80) {
      ++q;
      continue;
    }
    const std::size_t n = Utf8At(b, q);
    if (n == kTruncated) return cut = true, false;
    if (n == 0) return false;
    q += n;
  }
  if (q >= b.size()) return cut = true, false;
  return true;
}

// Eight bytes at a time: every line of every document is counted, for the line a fault is on.
std::size_t LineEnds(std::string_view text) {
  constexpr std::uint64_t kOnes = 0x0101010101010101, kLow7 = 0x7F7F7F7F7F7F7F7F;
  std::size_t n = 0, i = 0;
  while (i + 8 <= text.size()) {
    // Each byte of `found` counts its lane's line ends, up to 255 words before it is summed.
    std::uint64_t found = 0;
    for (int words = 0; words < 255 && i + 8 <= text.size(); ++words, i += 8) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + i, 8);
      const std::uint64_t x = word ^ (kOnes * '\n');  // a zero byte where a line end was
      found += (~(((x & kLow7) + kLow7) | x) & ~kLow7) >> 7;
    }
    // The eight byte lanes summed: in pairs into 16-bit lanes first, for the sum passes 255.
    found = (found & 0x00FF00FF00FF00FF) + ((found >> 8) & 0x00FF00FF00FF00FF);
    n += static_cast<std::size_t>((found * 0x0001000100010001) >> 48);
  }
  for (; i < text.size(); ++i) n += text[i] == '\n';
  return n;
}

bool XmlChar(std::uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

Declaration PlainDeclaration(std::string_view b, std::size_t& p) {
  if (CouldStartWith(b, p, "<?xml ")) return Declaration::Unfinished;
  if (!StartsWith(b, p, "<?xml") || p + 5 >= b.size() || !IsSpace(At(b, p + 5))) return Declaration::Plain;
  const std::size_t close = b.find("?>", p);
  if (close == std::string_view::npos)
    return b.size() - p > 256 ? Declaration::Other : Declaration::Unfinished;
  std::string_view decl = b.substr(p + 5, close - p - 5);
  bool versionSeen = false;
  while (true) {
    std::size_t s = 0;
    while (s < decl.size() && IsSpace(At(decl, s))) ++s;
    decl.remove_prefix(s);
    if (decl.empty()) break;
    if (s == 0) return Declaration::Other;
    const std::size_t eq = decl.find('=');
    if (eq == std::string_view::npos || eq + 1 >= decl.size()) return Declaration::Other;
    const std::string_view key = decl.substr(0, eq);
    const char quote = decl[eq + 1];
    const std::size_t end = decl.find(quote, eq + 2);
    if ((quote != '"' && quote != '\'') || end == std::string_view::npos) return Declaration::Other;
    std::string value(decl.substr(eq + 2, end - eq - 2));
    std::transform(value.begin(), value.end(), value.begin(),
                   [](char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c); });
    if (key == "version" && !versionSeen && value == "1.0") {
      versionSeen = true;
    } else if (!(versionSeen && key == "encoding" && value == "UTF-8") &&
               !(versionSeen && key == "standalone" && (value == "YES" || value == "NO"))) {
      return Declaration::Other;
    }
    decl.remove_prefix(end + 1);
  }
  if (!versionSeen) return Declaration::Other;
  p = close + 2;
  return Declaration::Plain;
}

}  // namespace tintora::xml_palette
