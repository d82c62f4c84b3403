// Adobe colour tables (ACT) and the case-statement text (TXT) of the colour list.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/formats/palette_file.h"

namespace tintora {

// The size of Photoshop's own tables: 256 colours of 3 bytes, a count and a transparent index.
inline constexpr std::size_t kAdobeTableBytes = 772;

// Three bytes (red, green, blue) per entry, nothing else: exactly 3 x count bytes. With
// `adobeTable`, Photoshop's layout instead: 256 colours (the unused ones black), the count and
// "no transparent colour" (0xFFFF), 772 bytes, for lists of at most 256 colours.
ListWriteResult WriteAct(const ColourList& list, bool adobeTable = false);
// Both kinds of table: ours (3 bytes per colour, no more) and Photoshop's (256 colours, maybe
// followed by a 16-bit count and a transparent index). The entries are named by their values.
ListReadResult ReadAct(std::string_view bytes);

// One line "$RRGGBB: NumericValue := 'name';" per entry, CR LF after each.
ListWriteResult WriteCaseText(const ColourList& list);
// The entries of such lines (UTF-8 text); other lines are passed over.
ListReadResult ReadCaseText(std::string_view text);

}  // namespace tintora
