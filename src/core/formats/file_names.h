// The file-name rules of the open and save dialogs.
#pragma once

#include <string>
#include <string_view>

namespace tintora {

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
