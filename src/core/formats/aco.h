// Adobe colour swatch files (ACO): the reader for versions 0, 1 and 2 and every colour space
// they hold, and the two writers (this program's version 0 layout, and a version 1 section
// followed by a version 2 section, as Photoshop writes them).
#pragma once

#include <string>
#include <string_view>

#include "core/formats/palette_file.h"

namespace tintora {

// The colour list's entries of an ACO file. RGB, HSB, CMYK, Lab and grey swatches come in as
// their RGB hex text; other spaces as black entries named "CSNS - (XXXX)Space-name". Each
// warning is given once per file. A file cut short keeps the entries before the break.
ListReadResult ReadAco(std::string_view bytes);

// The space name in placeholder names ("Pantone", "Unidentified" ...).
std::string AcoSpaceName(int spaceId);

// The most entries an ACO file holds: its count is 16 bits wide, and the writers have always
// kept below the largest value.
inline constexpr std::size_t kAcoMaxEntries = 65534;

// Version 0: header, then each record followed by its name as a length byte and that many
// bytes (Windows-1252 where the name fits it, UTF-8 otherwise).
ListWriteResult WriteAcoV0(const ColourList& list);
// Version 1 (records only) and version 2 (records with UTF-16 names).
ListWriteResult WriteAcoV1V2(const ColourList& list);

}  // namespace tintora
