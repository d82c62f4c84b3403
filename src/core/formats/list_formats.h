// Every colour list file Tintora reads or writes, in one table: each format's extension and
// description, how the open and save dialogs offer it, and the reader and writer behind it.
// The window's dialogs, drops and command line, tintora-convert and the manual's table of
// formats are all made from it: a new format is a row here, its reader and its writer.
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
  Tailwind,      // Tailwind CSS v4 theme (a ".css" read as Css)
  Scss,          // Sass variables
  Less,          // Less variables
  DesignTokens,  // design tokens (the Design Tokens Community Group's format)
};

// How a dialog offers a format: the file type's text, and the extension the file-name box
// takes when it is picked; an empty filter: that dialog does not offer it.
struct DialogOffer {
  std::string_view filter;
  std::string_view boxExtension;
};

struct ListFormatInfo {
  ListFormat format;
  std::string_view extension;  // lower case, with its "."
  std::string_view description;
  bool reads, writes;    // `reads`: the format a file of this extension is read as
  std::string_view key;  // its name on a command line ("gpl", "paint.net" ...)
  DialogOffer open, save;
  std::string_view notes;                // for the manual's table of formats
  std::string_view otherExtension = {};  // read as this format too: ".html" beside ".htm"
};
std::span<const ListFormatInfo> ListFormats();
// The formats each dialog offers, in the order it lists them: Tintora's own and Adobe's first,
// as they have always come, then the exchange formats.
std::span<const ListFormat> OpenDialogFormats();
std::span<const ListFormat> SaveDialogFormats();
// The extensions a format's files have, for the manual and the command line: ".htm, .html".
std::string ExtensionsOf(ListFormat format);
// The manual's table of formats, one HTML row a format, as the table says.
std::string FormatTableHtml();
const ListFormatInfo& InfoOf(ListFormat format);
std::optional<ListFormat> FormatOfKey(std::string_view key);

// The format a file is by its extension (".aco" is Aco; ".htm" and ".html" are Html).
std::optional<ListFormat> FormatOfPath(std::string_view path);
// A file's extension as the table knows it, lower case: the longest of the table's that the
// name ends with (".tokens.json", never ".json", for "brand.tokens.json"), otherwise its last.
std::string ExtensionOfPath(std::string_view path);
// The file's name without that extension ("brand.tokens.json" is "brand").
std::string NameWithoutExtension(std::string_view path);

// What a save writes, from the name the user gave and the type chosen in the save dialog, so
// that a file's contents never disagree with its extension. An extension of the chosen type's
// keeps it; one that names another format Tintora writes decides (".aco" versions 1 and 2,
// ".txt" case statements, as a read takes them), unless the type was picked by hand: then
// `conflict` holds the name's format for the caller to ask about. A name without an extension,
// or with one no format is written with, gets the chosen type's added.
struct SaveTarget {
  std::string path;
  ListFormat format;
  std::optional<ListFormat> conflict;
};
SaveTarget SaveTargetOf(std::string_view path, ListFormat chosen, bool typePickedByHand);
// The format a name's extension names among those Tintora writes; nullopt for none.
std::optional<ListFormat> WrittenFormatOfPath(std::string_view path);
// Whether a name ends in one of a format's own extensions.
bool HasExtensionOf(std::string_view path, ListFormat format);

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
