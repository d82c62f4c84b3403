// The LST lists of another colour program, and what makes a text file no colour list at all.
// (The program's own CDT lists are in cdt.h.)
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/list/colour_list.h"

namespace tintora {

// LST: the k-th "Name" line and the k-th "Color" line form entry k; a name is the text after
// the line's first "=" (the whole line without one), a colour the integer after it (decimal or
// "$" hex, red in bits 16-23) written as at least six upper-case hex digits. Names without a
// colour or colours without a name are left out. Throws ConversionError for a colour that is
// not an integer.
std::vector<ColourEntry> ParseLstText(std::string_view text);

// What makes a file read as a colour list no colour list at all: binary data (a NUL in the
// first 4 KiB of its decoded text), or no entry although the file is not empty. Such files are
// refused rather than read into a list of nonsense or into nothing.
enum class ListFileProblem { None, Binary, NoColours };
ListFileProblem CheckListFile(std::string_view text, std::size_t entries);

}  // namespace tintora
