// The colours last picked from the screen, newest first, as the settings file keeps them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/colour/rgb8.h"

namespace tintora {

inline constexpr std::size_t kRecentPicks = 20;

// `picked` at the front; an earlier pick of the same colour moves there rather than staying
// twice; at most kRecentPicks, the oldest going first.
std::vector<Rgb8> WithPick(std::vector<Rgb8> recent, Rgb8 picked);

// The settings file's text, "RRGGBB,RRGGBB,...": what is no colour is skipped, a repeat
// counts once, and no more than kRecentPicks are read.
std::vector<Rgb8> ReadRecentPicks(std::string_view text);
std::string RecentPicksText(const std::vector<Rgb8>& recent);

}  // namespace tintora
