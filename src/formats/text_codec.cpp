#include "formats/text_codec.h"

#include <array>

#include "colour/text_filters.h"

namespace tintora {

namespace {

// 0x80..0x9F; the undefined bytes 81, 8D, 8F, 90, 9D map to themselves.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> Cp1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  return std::nullopt;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::u32string text;
  text.reserve(bytes.size());
  for (char ch : bytes) {
    const unsigned char b = static_cast<unsigned char>(ch);
    text += (b >= 0x80 && b <= 0x9F) ? kHighControls[b - 0x80] : static_cast<char32_t>(b);
  }
  return EncodeUtf8(text);
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    // Runs of ASCII are the same bytes in both; only the other characters need a look.
    const std::size_t ascii = NextNonAscii(utf8, i);
    out.append(utf8.substr(i, ascii - i));
    if (ascii == utf8.size()) break;
    const std::size_t end = CharacterEnd(utf8, ascii);
    for (char32_t cp : DecodeUtf8Lenient(utf8.substr(ascii, end - ascii))) {
      auto b = Cp1252Byte(cp);
      if (!b) return std::nullopt;
      out += *b;
    }
    i = end;
  }
  return out;
}

bool FitsCp1252(char32_t cp) { return Cp1252Byte(cp).has_value(); }

std::optional<unsigned char> Cp1252Code(char32_t cp) {
  const auto b = Cp1252Byte(cp);
  if (!b) return std::nullopt;
  return static_cast<unsigned char>(*b);
}

std::size_t NextNonAscii(std::string_view utf8, std::size_t from) {
  while (from < utf8.size() && static_cast<unsigned char>(utf8[from]) < 0x80) ++from;
  return from;
}

std::size_t CharacterEnd(std::string_view utf8, std::size_t start) {
  std::size_t end = start + 1;
  while (end < utf8.size() && end - start < 4 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
    ++end;
  return end;
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    int len;
    char32_t cp;
    if ((c >> 5) == 6) {
      len = 2;
      cp = c & 0x1F;
    } else if ((c >> 4) == 14) {
      len = 3;
      cp = c & 0x0F;
    } else if ((c >> 3) == 30) {
      len = 4;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(len) > s.size()) return false;
    for (int k = 1; k < len; ++k) {
      const unsigned char cc = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      if ((cc >> 6) != 2) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
    if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += static_cast<std::size_t>(len);
  }
  return true;
}

std::string DecodeFileText(std::string_view bytes) {
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Cp1252ToUtf8(bytes);
}

std::string EncodeFileText(std::string utf8) {
  // Plain ASCII is the same in both encodings: the text is the file, without a copy.
  if (NextNonAscii(utf8, 0) == utf8.size()) return utf8;
  if (auto cp = Utf8ToCp1252(utf8)) return std::move(*cp);
  return utf8;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string units;
  units.reserve(utf8.size());
  for (char32_t cp : DecodeUtf8Lenient(utf8)) {
    if (cp >= 0x10000) {
      cp -= 0x10000;
      units += static_cast<char16_t>(0xD800 + (cp >> 10));
      units += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      units += static_cast<char16_t>(cp);
    }
  }
  return units;
}

std::string Utf16ToUtf8(std::u16string_view units) {
  std::u32string text;
  text.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char32_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      text += 0x10000 + ((u - 0xD800) << 10) + (char32_t{units[i + 1]} - 0xDC00);
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      text += 0xFFFD;
    } else {
      text += u;
    }
  }
  return EncodeUtf8(text);
}

}  // namespace tintora
