#include "core/formats/lines.h"

namespace tintora {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  ForEachLine(text, [&](std::string_view l) { lines.push_back(l); });
  return lines;
}

}  // namespace tintora
