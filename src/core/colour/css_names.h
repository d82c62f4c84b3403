#pragma once

#include <optional>
#include <string_view>

namespace tintora {

// The colour keywords of CSS: the 0xRRGGBB a name (in any case) stands for.
std::optional<int> CssNamedRgb(std::string_view name);

}  // namespace tintora
