// The keystroke filters of the mixers' value edits, as pure functions: the edit's text and
// caret go in; the text and caret to put back, whether to select everything, and (for the
// decimal edits) the track bar position come out.
//
// The filters only look at the character just left of the caret, so they remove an unwanted
// keystroke right after it is typed; they do not scan the whole text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tintora {

struct EditFilterResult {
  std::string text;  // UTF-8
  int caret = 0;     // in characters (code points)
  bool selectAll = false;
  bool changed = false;  // text differs from the input and must be written back
  // Decimal edits only: the track bar position, already limited to the track bar's range.
  std::optional<int> trackBarPosition;
  // Decimal edits only: set when the remaining text is not an integer (for example after a
  // paste); the track bar must then keep its position and the user sees this message.
  std::optional<std::string> conversionError;
};

// Filter of a decimal component edit whose track bar runs min..max.
EditFilterResult TextFieldFilter(std::string_view text, int caret, int min = 0, int max = 255);

// Filter of a two-digit hex component edit: upper case, hex digits only. Moves nothing.
EditFilterResult TextFieldToHexFilter(std::string_view text, int caret);

// UTF-8 <-> code points, used by the filters and the name filter of the colour list.
std::u32string DecodeUtf8Lenient(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace tintora
