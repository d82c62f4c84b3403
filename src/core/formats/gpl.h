// GIMP and Inkscape palettes (GPL): a "GIMP Palette" header, "Name:" and "Columns:" lines,
// comments, and one "R G B name" line per colour. UTF-8, LF line ends.
#pragma once

#include <string_view>

#include "core/formats/palette_file.h"

namespace tintora {

// `title`: the palette's name in the "Name:" line; `columns` its "Columns:" (0: none asked).
ListWriteResult WriteGpl(const ColourList& list, std::string_view title, int columns = 0);
// Blanks or tabs between the numbers, comments, blank lines, an alpha channel ("Channels:
// RGBA") and any line end are all taken; a line that is no colour is passed over. The header's
// "Name:" and "Columns:" become the result's title and columns; a colour without a name is
// named by its value (GIMP's own "Untitled" is a name and stays).
ListReadResult ReadGpl(std::string_view text);

}  // namespace tintora
