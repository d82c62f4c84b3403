#include "core/list/name_filter.h"

#include <algorithm>

#include "core/io/text_codec.h"

namespace tintora {

namespace {

// What the 8-bit code page's codes 128-255 were: the C1 controls and every character that
// Windows-1252 writes as one byte above 127. Characters beyond it (Greek, CJK, symbols) stay.
bool HighCodePageCharacter(char32_t c) {
  if (c < 128) return false;
  if (c < 256) return true;
  return Utf8ToCp1252(EncodeUtf8(std::u32string(1, c))).has_value();
}

}  // namespace

EditFilterResult ColourNameFilter(std::string_view input, int caret) {
  EditFilterResult r;
  std::u32string text = DecodeUtf8Lenient(input);
  caret = std::clamp(caret, 0, static_cast<int>(text.size()));
  if (!text.empty() && caret > 0) {
    char32_t& c = text[static_cast<std::size_t>(caret - 1)];
    char32_t replacement = c;
    if (c == U'{' || c == U'[') {
      replacement = U'(';
    } else if (c == U'}' || c == U']') {
      replacement = U')';
    } else if ((c >= 1 && c <= 12) || (c >= 14 && c <= 31) || c == U'\'' || c == U',' || c == U'<' ||
               c == U'>' || HighCodePageCharacter(c)) {
      replacement = U' ';
    }
    if (replacement != c) {
      c = replacement;
      r.changed = true;
    }
  }
  r.text = EncodeUtf8(text);
  r.caret = caret;
  return r;
}

}  // namespace tintora
