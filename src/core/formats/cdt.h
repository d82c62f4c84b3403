// Tintora's own colour lists, CDT: one "{name}[value]" line an entry, CR LF after every line,
// Windows-1252 where every character fits and UTF-8 otherwise. Read and written here alone.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/formats/palette_file.h"

namespace tintora {

// One entry per CDT line: the name between the first "{" and the first "}", the value between
// the first "[" and the first "]" after that "}" (a line without "{" gives as name the text
// before its first "}", without "}" an empty name; likewise the value). Lines with neither "{"
// nor "[" (blank lines, stray text) carry no entry and are skipped. Never fails. (Also how
// pasted and dropped list text is read.)
std::vector<ColourEntry> ParseCdtText(std::string_view text);

// A CDT file's decoded text as a read: its entries, and whether it was cut short (its last line
// without a line break and without a value: the half line is no colour).
ListReadResult ReadCdt(std::string_view text);

// The list as CDT text, and as a file's bytes (an empty list is refused).
std::string ParseDataForCDTFile(const ColourList& list);
ListWriteResult WriteCdt(const ColourList& list);

}  // namespace tintora
