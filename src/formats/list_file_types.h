// The open and save dialogs' file types: their filters, the extension each puts in the
// file-name box, and the format behind each.
#pragma once

#include <functional>
#include <iterator>

#include <QString>
#include <QStringList>

#include "core/formats/colour_list_files.h"
#include "core/formats/file_names.h"
#include "core/formats/list_formats.h"

namespace tintora::list_file_types {

// The dialogs' file types, by filter index (from 1): the Tintora and Adobe types first, in
// the order they have always had, then the exchange formats.
struct DialogType {
  const char* filter;
  const char* extension;  // what the file-name box takes when the type is picked; none: as it is
  ListFormat format;      // for a file whose extension Tintora does not know
};
inline constexpr DialogType kOpenTypes[] = {
    {"Colour Data - (Tintora) (*.CDT)", ".CDT", ListFormat::Cdt},
    {"Colour List - (Match head) (*.LST)", ".LST", ListFormat::Lst},
    {"Adobe Colour Swatch v0 - v2  (*.ACO)", ".ACO", ListFormat::Aco},
    {"GIMP Palette - (GIMP, Inkscape) (*.GPL)", ".GPL", ListFormat::Gpl},
    {"Adobe Swatch Exchange - (*.ASE)", ".ASE", ListFormat::Ase},
    {"CSS Custom Properties - (*.CSS)", ".CSS", ListFormat::Css},
    {"Adobe RGB Colour Table - (*.ACT)", ".ACT", ListFormat::Act},
    {"Case Statements - (Text) (*.TXT)", ".TXT", ListFormat::Txt},
    {"HTML Table - (HTML) (*.HTM *.HTML)", ".htm", ListFormat::Html},
    {"LibreOffice Colour Table - (*.SOC)", ".soc", ListFormat::Soc},
    {"Scribus Swatches - (*.XML)", ".xml", ListFormat::ScribusXml},
    {"SwatchBooker - (Scribus) (*.SBZ)", ".sbz", ListFormat::SwatchBooker},
    {"Krita Palette - (*.KPL)", ".kpl", ListFormat::Kpl},
    {"Procreate Swatches - (*.SWATCHES)", ".swatches", ListFormat::Procreate},
    {"Paint.NET Palette - (Text) (*.TXT)", ".txt", ListFormat::Txt},
    {"Hex List - (*.HEX)", ".hex", ListFormat::HexList},
    // Lists saved without an extension, and files of other names.
    {"All Files (*)", nullptr, ListFormat::Cdt},
};
inline constexpr DialogType kSaveTypes[] = {
    {"Colour Data - (Tintora) (*.CDT)", ".CDT", ListFormat::Cdt},
    {"HTML Table - (HTML) (*.HTM)", ".htm", ListFormat::Html},
    {"Adobe RGB Colour Swatch v0 - (*.ACO)", ".ACO", ListFormat::AcoV0},
    {"Adobe RGB Colour Swatch v1 & v2 - (*.ACO)", ".ACO", ListFormat::Aco},
    {"Adobe RGB Colour Table - (*.ACT)", ".ACT", ListFormat::Act},
    {"Case Statements - (Text) (*.TXT)", ".TXT", ListFormat::Txt},
    {"GIMP Palette - (GIMP, Inkscape) (*.GPL)", ".gpl", ListFormat::Gpl},
    {"Adobe Swatch Exchange - (*.ASE)", ".ase", ListFormat::Ase},
    {"CSS Custom Properties - (*.CSS)", ".css", ListFormat::Css},
    {"LibreOffice Colour Table - (*.SOC)", ".soc", ListFormat::Soc},
    {"Scribus Swatches - (*.XML)", ".xml", ListFormat::ScribusXml},
    {"Krita Palette - (*.KPL)", ".kpl", ListFormat::Kpl},
    {"Procreate Swatches - (*.SWATCHES)", ".swatches", ListFormat::Procreate},
    {"Paint.NET Palette - (*.TXT)", ".txt", ListFormat::PaintNet},
    {"Hex List - (*.HEX)", ".hex", ListFormat::HexList},
};

template <std::size_t N>
QStringList Filters(const DialogType (&types)[N]) {
  QStringList filters;
  for (const DialogType& t : types) filters << t.filter;
  return filters;
}

template <std::size_t N>
std::function<QString(const QString&, int)> TypeChange(const DialogType (&types)[N]) {
  return [&types](const QString& path, int index) {
    if (index < 1 || index > static_cast<int>(N) || !types[index - 1].extension) return path;
    return QString::fromStdString(TypeChangeFileName(path.toStdString(), types[index - 1].extension));
  };
}

// The open dialog's filter index of a file by its extension; 0 when it is no list file. A
// ".txt" file is taken for case statements or a Paint.NET palette only when the user picked it
// in the dialog, or (`textIsAPalette`) its lines show it to be one: dropped or named on the
// command line it is far more likely to be any other text.
inline int ListFileType(const QString& path, bool pickedInDialog, bool textIsAPalette = false) {
  const auto format = FormatOfPath(path.toStdString());
  if (!format || (*format == ListFormat::Txt && !pickedInDialog && !textIsAPalette)) return 0;
  for (std::size_t i = 0; i < std::size(kOpenTypes); ++i)
    if (kOpenTypes[i].format == *format) return static_cast<int>(i) + 1;
  return 0;
}

inline ListFormat OpenFormat(int type) {
  return type >= 1 && type <= static_cast<int>(std::size(kOpenTypes)) ? kOpenTypes[type - 1].format
                                                                      : ListFormat::Cdt;
}

}  // namespace tintora::list_file_types
