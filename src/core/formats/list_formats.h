// Every colour list file Tintora reads or writes, in one table: each format's extension and
// description, and the reader and writer behind it. The window's dialogs, drops and command
// line and the tintora-convert program all choose through it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/formats/html_table.h"
#include "core/formats/palette_file.h"

namespace tintora {

enum class ListFormat {
  Cdt,           // Tintora colour data
  Lst,           // the lists of "Match head" (read only)
  AcoV0,         // Adobe colour swatch, this program's version 0 layout (read as Aco)
  Aco,           // Adobe colour swatch, version 1 and 2 sections
  Act,           // Adobe colour table
  Txt,           // case statements
  Html,          // HTML palette table
  Gpl,           // GIMP and Inkscape palette
  Ase,           // Adobe Swatch Exchange
  Css,           // CSS custom properties
  Soc,           // LibreOffice and OpenOffice colour table
  ScribusXml,    // Scribus swatches
  SwatchBooker,  // SwatchBooker book (read only)
  Kpl,           // Krita palette
  Procreate,     // Procreate swatches
  PaintNet,      // Paint.NET palette (a ".txt" read as Txt, told apart by its content)
  HexList,       // one RRGGBB a line
};

struct ListFormatInfo {
  ListFormat format;
  std::string_view extension;  // lower case, with its "."
  std::string_view description;
  bool reads, writes;    // `reads`: the format a file of this extension is read as
  std::string_view key;  // its name on a command line ("gpl", "paint.net" ...)
};
std::span<const ListFormatInfo> ListFormats();
const ListFormatInfo& InfoOf(ListFormat format);
std::optional<ListFormat> FormatOfKey(std::string_view key);

// The format a file is by its extension (".aco" is Aco; ".htm" and ".html" are Html).
std::optional<ListFormat> FormatOfPath(std::string_view path);

struct ListWriteOptions {
  HtmlTableOptions html;
  std::string title;           // the palette's own name, where the format has one
  int columns = 0;             // its grid's columns, where the format has one (0: the format's default)
  bool actAdobeTable = false;  // ACT in Photoshop's 772-byte layout
};

// Reads a file's bytes. Text formats take UTF-8 or Windows-1252 and refuse binary data; a file
// with nothing in it to take is refused with its reason.
ListReadResult ReadListFile(ListFormat format, std::string_view bytes);
// The bytes of the list in a format; an empty list and a list the format cannot hold are
// refused with the reason.
ListWriteResult WriteListFile(ListFormat format, const ColourList& list,
                              const ListWriteOptions& options = {});

}  // namespace tintora
