#include "colourlist/name_filter.h"

#include <algorithm>

namespace tintora {

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
               c == U'>' || c >= 128) {
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
