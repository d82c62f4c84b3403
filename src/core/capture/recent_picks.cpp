#include "core/capture/recent_picks.h"

#include <algorithm>

namespace tintora {

std::vector<Rgb8> WithPick(std::vector<Rgb8> recent, Rgb8 picked) {
  std::erase(recent, picked);
  recent.insert(recent.begin(), picked);
  if (recent.size() > kRecentPicks) recent.resize(kRecentPicks);
  return recent;
}

std::vector<Rgb8> ReadRecentPicks(std::string_view text) {
  std::vector<Rgb8> recent;
  while (!text.empty() && recent.size() < kRecentPicks) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    if (const auto colour = Rgb8::OfHex(item);
        colour && std::find(recent.begin(), recent.end(), *colour) == recent.end())
      recent.push_back(*colour);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return recent;
}

std::string RecentPicksText(const std::vector<Rgb8>& recent) {
  std::string text;
  for (const Rgb8& c : recent) text += (text.empty() ? "" : ",") + c.Hex();
  return text;
}

}  // namespace tintora
