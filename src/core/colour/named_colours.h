// Colour names for the HTML notation: the 16 names of HTML 3.2 and the 141 browser
// ("IE/NS") names, looked up from value to name only. Spellings are output texts and stay
// exactly as users have always seen them ("Fuchia", "LightGrey" beside "DarkGray").
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tintora {

struct NamedColour {
  int rgb;  // RRGGBB as an integer
  const char* name;
};

// Both tables, sorted by value.
std::span<const NamedColour> Html32Colours();
std::span<const NamedColour> BrowserColours();

// Exact lookup of a 24-bit RRGGBB value.
std::optional<std::string> LookupColourName(std::span<const NamedColour> table, int rgb);

// The name from the browser table when `ieNsChecked`, else from the HTML 3.2 table; otherwise
// "#" followed by the text as passed in. Throws ConversionError for non-hex text.
std::string IENSColourNameConvert(std::string_view rgbHex, bool ieNsChecked);

// The text unchanged when HTML names are off; otherwise the HTML 3.2 name or "#" + text.
std::string HEXtoHTMLColour(std::string_view rgbHex, bool htmlChecked);

}  // namespace tintora
