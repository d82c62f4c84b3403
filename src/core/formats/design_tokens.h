// Colours as design tokens in the Design Tokens Community Group's format (its 2025.10 Color
// module): a group per palette, "$type": "color", one token per entry whose "$value" is
// {"colorSpace": "srgb", "components": [r, g, b], "hex": "#rrggbb"}.
#pragma once

#include <string_view>

#include "core/formats/palette_file.h"

namespace tintora {

// Token and group names are kebab-case as the tools' lint rules want them (DesignName: "Brand
// Blue" is "brand-blue"), which also keeps them clear of what the format forbids ("{", "}", "."
// and a leading "$"), and unique in their group; where a name had to change, the entry's (or
// the palette's) own is kept under "$extensions" ("org.tintora": {"name": …}) and comes back
// exactly.
ListWriteResult WriteDesignTokens(const ColourList& list, std::string_view title);
// Any tokens file a design tool writes: groups nested in document order (their names and the
// token's joined by "." for the entry's name; a file of one top-level group is that palette,
// its name the title), "$type" inherited from groups, aliases ("{group.token}", chains; a cycle
// refuses the file), every colour space of the Color module (gamut-mapped into sRGB), "none"
// components, and the older string values ("#rrggbb"). Tokens of other types are passed over
// and counted in a notice.
ListReadResult ReadDesignTokens(std::string_view text);

}  // namespace tintora
