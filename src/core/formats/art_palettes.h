// The palettes of painting programs: Krita's palettes, Procreate's swatches, Paint.NET's
// palettes, and plain hex lists as pixel-art sites hand them out.
#pragma once

#include <string_view>

#include "core/formats/palette_file.h"

namespace tintora {

// .kpl: a zip with "mimetype" (krita/x-colorset, stored first), colorset.xml and profiles.xml.
// Read: the entries of the palette and of each group, by their grid positions; RGB, sRGB, Lab
// (D50), CMYK, Gray and XYZ colours. Written as 8-bit sRGB in a grid of `columns` (16 when 0).
ListReadResult ReadKpl(std::string_view bytes);
ListWriteResult WriteKpl(const ColourList& list, std::string_view title, int columns);

// .swatches: a zip holding Swatches.json, palettes of swatches as hue, saturation and
// brightness 0..1, empty slots null. Swatches have no names: read, they are named by value.
ListReadResult ReadProcreate(std::string_view bytes);
ListWriteResult WriteProcreate(const ColourList& list, std::string_view title);

// Paint.NET: "AARRGGBB" lines, ";" comments; it holds at most 96 colours.
inline constexpr std::size_t kPaintNetMaxColours = 96;
ListReadResult ReadPaintNet(std::string_view text);
ListWriteResult WritePaintNet(const ColourList& list);
// Whether a .txt file is a Paint.NET palette rather than case statements: one line at least is
// a hex colour, and none is a statement ("$" first). Lines that are neither are read past, and
// the reading says so.
bool LooksLikePaintNet(std::string_view text);

// .hex: one RRGGBB a line ("#" allowed when read). Named by value when read.
ListReadResult ReadHexList(std::string_view text);
ListWriteResult WriteHexList(const ColourList& list);

}  // namespace tintora
