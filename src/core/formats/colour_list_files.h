// The colour list's text files: the program's own CDT format and the LST lists of another
// colour program, plus the file-name rules of the open and save dialogs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/list/colour_list.h"

namespace tintora {

// Splits text into lines: CR LF, a lone LF and a lone CR each end a line; a final line break
// makes no empty last line, an empty line inside the text is a line.
std::vector<std::string_view> SplitLines(std::string_view text);

// One entry per CDT line: the name between the first "{" and the first "}", the value between
// the first "[" and the first "]" after that "}" (a line without "{" gives as name the text
// before its first "}", without "}" an empty name; likewise the value). Lines with neither "{" nor "[" (blank
// lines, stray text) carry no entry and are skipped. Never fails.
std::vector<ColourEntry> ParseCdtText(std::string_view text);

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

// The extension of a path: from the last "." after the last "\", "/" or ":", the "." included;
// empty when there is none.
std::string ExtractFileExt(std::string_view path);
// The path with its extension replaced (or added).
std::string ChangeFileExt(std::string_view path, std::string_view extension);
// The last part of a path.
std::string ExtractFileName(std::string_view path);
// Lower case (ASCII) with trailing blanks removed, for comparing extensions.
std::string NormalisedExt(std::string_view path);

// What the dialog's file-name box becomes when the user picks another file type: the file
// name part of the path with its extension replaced; a name without an extension gives the
// new extension alone.
std::string TypeChangeFileName(std::string_view pathInDialog, std::string_view newExtension);

}  // namespace tintora
