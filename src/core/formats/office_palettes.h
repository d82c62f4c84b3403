// The palettes of the free office and publishing suites: LibreOffice's (and OpenOffice's)
// colour tables, Scribus's swatch files and the SwatchBooker books Scribus ships.
#pragma once

#include <string_view>

#include "core/formats/palette_file.h"

namespace tintora {

// .soc: "draw:color" elements with a name and "#rrggbb". Unnamed entries are written with their
// value as name.
ListReadResult ReadSoc(std::string_view bytes);
ListWriteResult WriteSoc(const ColourList& list);

// Scribus .xml: "SCRIBUSCOLORS" (its Name the palette's) holding "COLOR" elements, each a NAME
// and RGB="#rrggbb" or CMYK="#ccmmyykk" (CMYK through CmykToHex). Written as RGB.
ListReadResult ReadScribusXml(std::string_view bytes);
ListWriteResult WriteScribusXml(const ColourList& list, std::string_view title);

// .sbz: a zip holding swatchbook.xml; colours are "materials" (Lab, taken as D50 as the format
// has it, preferred; else sRGB, RGB, HSV, HLS, CMY, CMYK, GRAY or XYZ), listed in the book's
// order, groups opened in place. Read only.
ListReadResult ReadSwatchBooker(std::string_view bytes);

}  // namespace tintora
