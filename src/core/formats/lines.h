// Text split into lines the way every text palette is read: CR LF, a lone LF and a lone CR
// each end a line; a final line break makes no empty last line, an empty line inside the
// text is a line.
#pragma once

#include <string_view>
#include <vector>

namespace tintora {

// Calls `line(std::string_view)` for each line, in order, without copying the text.
template <typename Line>
void ForEachLine(std::string_view text, Line&& line) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      line(text.substr(start));
      return;
    }
    line(text.substr(start, end - start));
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
}

std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace tintora
