// Colours as design systems' style sheets hold them: a Tailwind CSS v4 theme
// ("@theme { --color-<name>: #rrggbb; }"), Sass variables with a map of them all, and Less
// variables. Names are made ones those tools accept everywhere (a Tailwind utility "bg-<name>",
// a Sass or Less variable): lower-case words joined by "-".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/formats/palette_file.h"

namespace tintora {

// An entry's name as such a name: letters folded to ASCII where they can be ("Crème" is
// "creme"), camel case and every run of other characters made one "-", a letter with no ASCII
// form written as its code point ("日本" is "u65e5-u672c"). A name that would be empty or
// start with a digit is put after "color-" ("500" is "color-500"), as is a word Less keeps for
// its own at-rules ("media").
std::string DesignName(std::string_view name);
// The list's names so, unique: the second "red" is "red-2" (an entry without a name is named by
// its value).
std::vector<std::string> DesignNames(const ColourList& list);

ListWriteResult WriteTailwind(const ColourList& list);
// `title` names the map of all the colours (the palette's name; "palette" without one).
ListWriteResult WriteScss(const ColourList& list, std::string_view title);
ListWriteResult WriteLess(const ColourList& list);
// Top-level "$name: colour;" (Sass) or "@name: colour;" (Less) declarations whose value is a
// colour in any CSS Color 4 notation; other declarations, maps and comments are passed over.
ListReadResult ReadScss(std::string_view text);
ListReadResult ReadLess(std::string_view text);

}  // namespace tintora
