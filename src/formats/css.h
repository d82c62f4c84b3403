// Colours as CSS custom properties: a ":root" block of "--name: #rrggbb;" declarations, and
// the colours of any "--name:" declarations in a style sheet.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formats/css_colour.h"
#include "formats/palette_file.h"

namespace tintora {

// Names are written as CSS identifiers, escaping what an identifier cannot hold; an entry
// without a name is named by its value.
ListWriteResult WriteCss(const ColourList& list);
// Declarations of custom properties whose value is a colour: #rgb, #rgba, #rrggbb,
// #rrggbbaa, rgb()/rgba(), hsl()/hsla() or a CSS colour name (alpha is dropped). Comments
// are skipped; declarations of other values (lengths, var() ...) are passed over.
ListReadResult ReadCss(std::string_view text);

// A name as the identifier after "--", and back.
std::string CssIdentifier(std::string_view name);
std::string CssUnescape(std::string_view identifier);

}  // namespace tintora
