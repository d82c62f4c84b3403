// Colours as CSS custom properties: a ":root" block of "--name: #rrggbb;" declarations, and
// the colours of any "--name:" declarations in a style sheet.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/formats/palette_file.h"

namespace tintora {

// Names are written as CSS identifiers, escaping what an identifier cannot hold; an entry
// without a name is named by its value.
ListWriteResult WriteCss(const ColourList& list);
// Declarations of custom properties whose value is a colour in any CSS Color 4 notation
// (alpha is dropped, colours outside sRGB are gamut-mapped). Comments are skipped;
// declarations of other values (lengths, numbers, var(), transparent ...) are passed over.
ListReadResult ReadCss(std::string_view text);

// RGB hex text of a custom property's value when it is a colour, nullopt when it is not
// ("!important" allowed after it).
std::optional<std::string> CssColour(std::string_view value);

// A name as the identifier after "--", and back: at most `maxChars` characters of it, decoded
// no further, so a name of a hundred megabytes costs what is kept.
inline constexpr std::size_t kCssNameChars = 255;
std::string CssIdentifier(std::string_view name);
std::string CssUnescape(std::string_view identifier, std::size_t maxChars = kCssNameChars);

}  // namespace tintora
