// Adobe Swatch Exchange files (ASE): "ASEF", version 1.0, then blocks of a type and a length:
// group starts and ends, and colours with a UTF-16 name, a colour model (RGB, CMYK, LAB or
// Gray) and its components as 32-bit floats. Big-endian throughout.
#pragma once

#include <string_view>

#include "core/formats/palette_file.h"

namespace tintora {

// One RGB colour block per entry, no groups.
ListWriteResult WriteAse(const ColourList& list);
// Every colour of the file, groups flattened in file order. Each length is checked against
// the bytes that are there; blocks of kinds not known here are passed over by their length.
ListReadResult ReadAse(std::string_view bytes);

}  // namespace tintora
