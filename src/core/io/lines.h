// Text split into lines the way every text palette is read: CR LF, a lone LF and a lone CR
// each end a line; a final line break makes no empty last line, an empty line inside the
// text is a line.
#pragma once

#include <string_view>
#include <type_traits>

namespace tintora {

// Calls `line(std::string_view)` for each line, in order, without copying the text or keeping
// the lines; a `line` that returns bool stops the walk by returning false.
template <typename Line>
void ForEachLine(std::string_view text, Line&& line) {
  constexpr bool kCanStop = std::is_same_v<std::invoke_result_t<Line, std::string_view>, bool>;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    const std::string_view piece =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if constexpr (kCanStop) {
      if (!line(piece)) return;
    } else {
      line(piece);
    }
    if (end == std::string_view::npos) return;
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
}

}  // namespace tintora
