#include "core/io/text_codec.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "core/colour/text_filters.h"

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
  // Eight bytes at a time through ASCII, which most palette files are from end to end.
  while (from + 8 <= utf8.size()) {
    std::uint64_t word;
    std::memcpy(&word, utf8.data() + from, 8);
    if (word & 0x8080808080808080u) break;
    from += 8;
  }
  while (from < utf8.size() && static_cast<unsigned char>(utf8[from]) < 0x80) ++from;
  return from;
}

std::size_t CharacterEnd(std::string_view utf8, std::size_t start) {
  std::size_t end = start + 1;
  while (end < utf8.size() && end - start < 4 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
    ++end;
  return end;
}

namespace {

// The length of the valid UTF-8 character at `i`, or 0 where the byte there starts none
// (a stray continuation, a cut or overlong form, a surrogate, a value beyond Unicode).
std::size_t ValidCharacterAt(std::string_view s, std::size_t i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) return 1;
  std::size_t len;
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
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const unsigned char cc = static_cast<unsigned char>(s[i + k]);
    if ((cc >> 6) != 2) return 0;
    cp = (cp << 6) | (cc & 0x3F);
  }
  if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) || cp > 0x10FFFF ||
      (cp >= 0xD800 && cp <= 0xDFFF))
    return 0;
  return len;
}

}  // namespace

std::string CutToChars(std::string_view utf8, std::size_t maxChars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    // Each character starts with a byte that is not a continuation byte.
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && chars++ == maxChars)
      return std::string(utf8.substr(0, i));
  }
  return std::string(utf8);
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = NextNonAscii(s, 0); i < s.size(); i = NextNonAscii(s, i)) {
    const std::size_t n = ValidCharacterAt(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string ValidUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() + 8);
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = ValidCharacterAt(s, i);
    if (n == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else {
      out.append(s.substr(i, n));
      i += n;
    }
  }
  return out;
}

std::string Decode8BitText(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Cp1252ToUtf8(bytes);
}

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF", kUtf16LeMark = "\xFF\xFE", kUtf16BeMark = "\xFE\xFF";

bool StartsWithByteOrderMark(std::string_view bytes) {
  return bytes.starts_with(kUtf8Mark) || bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark);
}

// Notepad and other Windows editors save "Unicode" text as UTF-16 with a byte order mark.
std::string Utf16FileText(std::string_view bytes, bool bigEndian) {
  std::u16string units(bytes.size() / 2, u'\0');
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const unsigned hi = p[2 * i + (bigEndian ? 0 : 1)], lo = p[2 * i + (bigEndian ? 1 : 0)];
    units[i] = static_cast<char16_t>((hi << 8) | lo);
  }
  // A lone last byte is half a character: it stands for itself as an unknown one.
  std::string text = Utf16ToUtf8(units);
  if (bytes.size() % 2 != 0) text += "\xEF\xBF\xBD";
  return text;
}

}  // namespace

std::string DecodeFileText(std::string_view bytes) {
  // A byte order mark says UTF-8, but what follows it is checked all the same.
  if (bytes.starts_with(kUtf8Mark)) return Decode8BitText(bytes.substr(3));
  if (bytes.starts_with(kUtf16LeMark)) return Utf16FileText(bytes.substr(2), false);
  if (bytes.starts_with(kUtf16BeMark)) return Utf16FileText(bytes.substr(2), true);
  return Decode8BitText(bytes);
}

bool IsPlainUtf8(std::string_view bytes) { return !StartsWithByteOrderMark(bytes) && IsValidUtf8(bytes); }

std::string EncodeFileText(std::string utf8) {
  // Plain ASCII is the same in both encodings: the text is the file, without a copy.
  if (NextNonAscii(utf8, 0) == utf8.size()) return utf8;
  // Code page bytes that happen to be valid UTF-8 ("Ã©" is C3 A9) would be read back as UTF-8
  // ("é"), and ones that start like a byte order mark ("þÿ" is FE FF) as UTF-16: such text is
  // written as UTF-8, which reads back as it is.
  if (auto cp = Utf8ToCp1252(utf8); cp && !IsValidUtf8(*cp) && !StartsWithByteOrderMark(*cp))
    return std::move(*cp);
  // Text that starts with a byte order mark of its own keeps it behind the one a reader drops.
  if (utf8.starts_with(kUtf8Mark)) return std::string(kUtf8Mark) + utf8;
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
