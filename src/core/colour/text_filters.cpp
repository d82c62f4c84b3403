#include "core/colour/text_filters.h"

#include <algorithm>

#include "core/colour/conversion_error.h"

namespace tintora {

std::u32string DecodeUtf8Lenient(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > s.size()) {
      out += U'\uFFFD';
      ++i;
      continue;
    }
    char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
    bool ok = true;
    for (int k = 1; k < len; ++k) {
      const unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc >> 6) != 2) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (!ok) {
      out += U'\uFFFD';
      ++i;
      continue;
    }
    out += cp;
    i += static_cast<std::size_t>(len);
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t cp : text) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

namespace {

// Removes the character left of the caret when `keep` rejects it.
template <typename Keep>
void DropBadKeystroke(std::u32string& text, int& caret, bool& changed, Keep keep) {
  caret = std::clamp(caret, 0, static_cast<int>(text.size()));
  if (text.empty() || caret == 0) return;
  if (keep(text[static_cast<std::size_t>(caret - 1)])) return;
  text.erase(static_cast<std::size_t>(caret - 1), 1);
  --caret;
  changed = true;
}

}  // namespace

EditFilterResult TextFieldFilter(std::string_view input, int caret, int min, int max) {
  EditFilterResult r;
  std::u32string text = DecodeUtf8Lenient(input);
  if (text.empty()) {
    text = U"0";
    r.selectAll = true;
    r.changed = true;
    caret = 1;
  } else {
    DropBadKeystroke(text, caret, r.changed, [](char32_t c) { return c >= U'0' && c <= U'9'; });
  }
  r.text = EncodeUtf8(text);
  r.caret = caret;
  if (auto value = TryStrToInt(r.text)) {
    r.trackBarPosition = std::clamp(*value, min, max);
  } else {
    r.conversionError = ConversionError(r.text).what();
  }
  return r;
}

EditFilterResult TextFieldToHexFilter(std::string_view input, int caret) {
  EditFilterResult r;
  std::u32string text = DecodeUtf8Lenient(input);
  if (text.empty()) {
    text = U"00";
    r.selectAll = true;
    r.changed = true;
    caret = 2;
  }
  for (char32_t& c : text) {
    if (c >= U'a' && c <= U'z') {
      c = c - U'a' + U'A';
      r.changed = true;
    }
  }
  DropBadKeystroke(text, caret, r.changed,
                   [](char32_t c) { return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'F'); });
  r.text = EncodeUtf8(text);
  r.caret = caret;
  return r;
}

}  // namespace tintora
