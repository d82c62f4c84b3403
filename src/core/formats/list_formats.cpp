#include "core/formats/list_formats.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/colour/conversion_error.h"
#include "core/colour/number_text.h"
#include "core/formats/aco.h"
#include "core/formats/act.h"
#include "core/formats/art_palettes.h"
#include "core/formats/ase.h"
#include "core/formats/cdt.h"
#include "core/formats/colour_list_files.h"
#include "core/formats/css.h"
#include "core/formats/design_systems.h"
#include "core/formats/design_tokens.h"
#include "core/formats/file_names.h"
#include "core/formats/gpl.h"
#include "core/formats/office_palettes.h"
#include "core/io/text_codec.h"

namespace tintora {

namespace {

// clang-format off
constexpr std::array<ListFormatInfo, 21> kFormats = {{
    {ListFormat::Cdt, ".cdt", "Tintora colour data", true, true, "cdt",
     {"Colour Data - (Tintora) (*.CDT)", ".CDT"}, {"Colour Data - (Tintora) (*.CDT)", ".CDT"},
     "<code>{name}[RRGGBB]</code> a line, CR LF"},
    {ListFormat::Lst, ".lst", "Match head colour list", true, false, "lst",
     {"Colour List - (Match head) (*.LST)", ".LST"}, {},
     "<code>Name=…</code> and <code>Color=…</code> lines"},
    {ListFormat::AcoV0, ".aco", "Adobe colour swatch, version 0", false, true, "aco-v0",
     {}, {"Adobe RGB Colour Swatch v0 - (*.ACO)", ".ACO"},
     "as Tintora has always written it, names included (read as any Adobe colour swatch)"},
    {ListFormat::Aco, ".aco", "Adobe colour swatch, versions 1 and 2", true, true, "aco",
     {"Adobe Colour Swatch v0 - v2  (*.ACO)", ".ACO"}, {"Adobe RGB Colour Swatch v1 & v2 - (*.ACO)", ".ACO"},
     "versions 0, 1 and 2 read, in RGB, HSB, CMYK, Lab and grey (other spaces come in as black placeholders "
     "named after their space); written as Photoshop writes it; at most 65,534 colours"},
    {ListFormat::Act, ".act", "Adobe colour table", true, true, "act",
     {"Adobe RGB Colour Table - (*.ACT)", ".ACT"}, {"Adobe RGB Colour Table - (*.ACT)", ".ACT"},
     "3 bytes a colour, or Adobe's 772-byte table (Save As Options)"},
    {ListFormat::Txt, ".txt", "case statements", true, true, "txt",
     {"Case Statements - (Text) (*.TXT)", ".TXT"}, {"Case Statements - (Text) (*.TXT)", ".TXT"},
     "<code>$RRGGBB: NumericValue := 'name';</code> lines, read as such when picked in the open dialog"},
    {ListFormat::Html, ".htm", "HTML palette table", true, true, "html",
     {"HTML Table - (HTML) (*.HTM *.HTML)", ".htm"}, {"HTML Table - (HTML) (*.HTM)", ".htm"},
     "a page of swatches (see Save As Options below); tables Tintora wrote are read", ".html"},
    {ListFormat::Gpl, ".gpl", "GIMP palette", true, true, "gpl",
     {"GIMP Palette - (GIMP, Inkscape) (*.GPL)", ".GPL"}, {"GIMP Palette - (GIMP, Inkscape) (*.GPL)", ".gpl"},
     "GIMP's and Inkscape's; the <code>Name:</code> line is the list's name, <code>Columns:</code> is kept"},
    {ListFormat::Ase, ".ase", "Adobe Swatch Exchange", true, true, "ase",
     {"Adobe Swatch Exchange - (*.ASE)", ".ASE"}, {"Adobe Swatch Exchange - (*.ASE)", ".ase"},
     "RGB, CMYK, Lab and grey; written as RGB"},
    {ListFormat::Css, ".css", "CSS custom properties", true, true, "css",
     {"CSS Custom Properties - (*.CSS)", ".CSS"}, {"CSS Custom Properties - (*.CSS)", ".css"},
     "a <code>:root</code> block of <code>--name: #rrggbb;</code>; read from any <code>--name:</code> "
     "holding a colour, in any CSS Color 4 notation"},
    {ListFormat::Soc, ".soc", "LibreOffice colour table", true, true, "soc",
     {"LibreOffice Colour Table - (*.SOC)", ".soc"}, {"LibreOffice Colour Table - (*.SOC)", ".soc"},
     "LibreOffice and OpenOffice"},
    {ListFormat::ScribusXml, ".xml", "Scribus swatches", true, true, "scribus",
     {"Scribus Swatches - (*.XML)", ".xml"}, {"Scribus Swatches - (*.XML)", ".xml"},
     "RGB or CMYK colours; written as RGB"},
    {ListFormat::SwatchBooker, ".sbz", "SwatchBooker book", true, false, "sbz",
     {"SwatchBooker - (Scribus) (*.SBZ)", ".sbz"}, {},
     "Lab (taken as D50), RGB, CMYK, CMY, HSV, HLS, XYZ, grey"},
    {ListFormat::Kpl, ".kpl", "Krita palette", true, true, "kpl",
     {"Krita Palette - (*.KPL)", ".kpl"}, {"Krita Palette - (*.KPL)", ".kpl"},
     "with its name, columns and groups"},
    {ListFormat::Procreate, ".swatches", "Procreate swatches", true, true, "procreate",
     {"Procreate Swatches - (*.SWATCHES)", ".swatches"}, {"Procreate Swatches - (*.SWATCHES)", ".swatches"},
     "swatches have no names"},
    {ListFormat::PaintNet, ".txt", "Paint.NET palette", false, true, "paint.net",
     {"Paint.NET Palette - (Text) (*.TXT)", ".txt"}, {"Paint.NET Palette - (*.TXT)", ".txt"},
     "<code>AARRGGBB</code> lines, told from case statements by them; at most 96 colours written"},
    {ListFormat::HexList, ".hex", "hex colour list", true, true, "hex",
     {"Hex List - (*.HEX)", ".hex"}, {"Hex List - (*.HEX)", ".hex"},
     "one <code>RRGGBB</code> a line"},
    {ListFormat::Tailwind, ".css", "Tailwind CSS theme", false, true, "tailwind",
     {}, {"Tailwind CSS v4 Theme - (*.CSS)", ".css"},
     "<code>@theme { --color-name: #rrggbb; }</code>, a <code>bg-name</code> utility for each; names made "
     "lower-case words joined by <code>-</code> (read back as CSS custom properties)"},
    {ListFormat::Scss, ".scss", "Sass variables", true, true, "scss",
     {"Sass Variables - (*.SCSS)", ".scss"}, {"Sass Variables - (*.SCSS)", ".scss"},
     "<code>$name: #rrggbb;</code> and a map of them all named after the palette"},
    {ListFormat::Less, ".less", "Less variables", true, true, "less",
     {"Less Variables - (*.LESS)", ".less"}, {"Less Variables - (*.LESS)", ".less"},
     "<code>@name: #rrggbb;</code>"},
    {ListFormat::DesignTokens, ".tokens.json", "design tokens", true, true, "tokens",
     {"Design Tokens - (*.TOKENS.JSON *.TOKENS)", ".tokens.json"}, {"Design Tokens - (*.TOKENS.JSON)", ".tokens.json"},
     "the Design Tokens Community Group's format: a group named after the palette, a <code>color</code> token "
     "for each entry in sRGB with its hex; read from any tokens file, nested groups, aliases and every colour "
     "space of its Color module", ".tokens"},
}};
// clang-format on

constexpr ListFormat kOpenOrder[] = {
    ListFormat::Cdt,  ListFormat::Lst,       ListFormat::Aco,         ListFormat::Gpl,
    ListFormat::Ase,  ListFormat::Css,       ListFormat::Act,         ListFormat::Txt,
    ListFormat::Html, ListFormat::Soc,       ListFormat::ScribusXml,  ListFormat::SwatchBooker,
    ListFormat::Kpl,  ListFormat::Procreate, ListFormat::PaintNet,    ListFormat::HexList,
    ListFormat::Scss, ListFormat::Less,      ListFormat::DesignTokens};
constexpr ListFormat kSaveOrder[] = {
    ListFormat::Cdt,       ListFormat::Html,     ListFormat::AcoV0,       ListFormat::Aco,
    ListFormat::Act,       ListFormat::Txt,      ListFormat::Gpl,         ListFormat::Ase,
    ListFormat::Css,       ListFormat::Soc,      ListFormat::ScribusXml,  ListFormat::Kpl,
    ListFormat::Procreate, ListFormat::PaintNet, ListFormat::HexList,     ListFormat::Tailwind,
    ListFormat::Scss,      ListFormat::Less,     ListFormat::DesignTokens};

// Formats read as text: decoded first (UTF-8, Windows-1252 or UTF-16), binary data refused.
// The XML formats decode themselves by their own declaration; the others are bytes.
bool IsText(ListFormat f) {
  switch (f) {
    case ListFormat::Cdt:
    case ListFormat::Lst:
    case ListFormat::Txt:
    case ListFormat::Html:
    case ListFormat::Gpl:
    case ListFormat::Css:
    case ListFormat::PaintNet:
    case ListFormat::HexList:
    case ListFormat::Tailwind:
    case ListFormat::Scss:
    case ListFormat::Less:
    case ListFormat::DesignTokens:
      return true;
    default:
      return false;
  }
}

ListReadResult Entries(std::vector<ColourEntry> entries) {
  ListReadResult r;
  r.entries = std::move(entries);
  return r;
}

ListReadResult ReadText(ListFormat format, std::string_view text) {
  switch (format) {
    case ListFormat::Cdt:
      return ReadCdt(text);
    case ListFormat::Lst:
      try {
        return Entries(ParseLstText(text));
      } catch (const ConversionError& e) {
        // The conversion's own words name the value that is not a number.
        ListReadResult r;
        r.status = ListReadResult::Status::Refused;
        r.notices.push_back({e.what(), false});
        return r;
      }
    case ListFormat::Txt:
      // Paint.NET palettes share the extension: their lines say which they are.
      return LooksLikePaintNet(text) ? ReadPaintNet(text) : ReadCaseText(text);
    case ListFormat::PaintNet:
      return ReadPaintNet(text);
    case ListFormat::HexList:
      return ReadHexList(text);
    case ListFormat::Html:
      return ReadHtmlTable(text);
    case ListFormat::Gpl:
      return ReadGpl(text);
    case ListFormat::Css:
    case ListFormat::Tailwind:
      return ReadCss(text);
    case ListFormat::Scss:
      return ReadScss(text);
    case ListFormat::Less:
      return ReadLess(text);
    case ListFormat::DesignTokens:
      return ReadDesignTokens(text);
    default:
      return {};
  }
}

}  // namespace

std::span<const ListFormatInfo> ListFormats() { return kFormats; }
std::span<const ListFormat> OpenDialogFormats() { return kOpenOrder; }
std::span<const ListFormat> SaveDialogFormats() { return kSaveOrder; }

std::string ExtensionsOf(ListFormat format) {
  const ListFormatInfo& f = InfoOf(format);
  return std::string(f.extension) + (f.otherExtension.empty() ? "" : ", " + std::string(f.otherExtension));
}

std::string ExtensionOfPath(std::string_view path) {
  std::string name = ExtractFileName(path);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  while (!name.empty() && name.back() == ' ') name.pop_back();
  std::string_view longest;
  for (const ListFormatInfo& f : kFormats)
    for (std::string_view ext : {f.extension, f.otherExtension})
      if (!ext.empty() && ext.size() > longest.size() && name.size() > ext.size() && name.ends_with(ext))
        longest = ext;
  return longest.empty() ? NormalisedExt(path) : std::string(longest);
}

std::string NameWithoutExtension(std::string_view path) {
  const std::string name = ExtractFileName(path);
  const std::size_t ext = std::max(ExtractFileExt(name).size(), ExtensionOfPath(name).size());
  return name.substr(0, name.size() - std::min(ext, name.size()));
}

std::string FormatTableHtml() {
  std::string rows;
  for (const ListFormatInfo& f : kFormats) {
    std::string name(f.description);
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    rows += "  <tr><td>" + name + (f.notes.empty() ? "" : ": " + std::string(f.notes)) + "</td><td>" +
            ExtensionsOf(f.format) + "</td><td>" +
            (f.reads                            ? "yes"
             : f.format == ListFormat::PaintNet ? "as a .txt"
                                                : "") +
            "</td><td>" + (f.writes ? "yes" : "") + "</td></tr>\n";
  }
  return rows;
}

const ListFormatInfo& InfoOf(ListFormat format) {
  for (const auto& info : kFormats)
    if (info.format == format) return info;
  return kFormats[0];
}

std::optional<ListFormat> FormatOfKey(std::string_view key) {
  for (const auto& info : kFormats)
    if (info.key == key) return info.format;
  return std::nullopt;
}

std::optional<ListFormat> FormatOfPath(std::string_view path) {
  const std::string ext = ExtensionOfPath(path);
  if (ext.empty()) return std::nullopt;
  for (const auto& info : kFormats)
    if (info.reads && (info.extension == ext || info.otherExtension == ext)) return info.format;
  return std::nullopt;
}

bool HasExtensionOf(std::string_view path, ListFormat format) {
  const std::string ext = ExtensionOfPath(path);
  const ListFormatInfo& f = InfoOf(format);
  return !ext.empty() && (ext == f.extension || ext == f.otherExtension);
}

std::optional<ListFormat> WrittenFormatOfPath(std::string_view path) {
  if (const auto read = FormatOfPath(path); read && InfoOf(*read).writes) return read;
  for (ListFormat f : kSaveOrder)
    if (HasExtensionOf(path, f)) return f;
  return std::nullopt;
}

SaveTarget SaveTargetOf(std::string_view path, ListFormat chosen, bool typePickedByHand) {
  if (HasExtensionOf(path, chosen)) return {std::string(path), chosen, std::nullopt};
  if (const auto named = WrittenFormatOfPath(path)) {
    if (!typePickedByHand) return {std::string(path), *named, std::nullopt};
    return {std::string(path), chosen, named};
  }
  return {std::string(path) + std::string(InfoOf(chosen).extension), chosen, std::nullopt};
}

ListReadResult ReadListFile(ListFormat format, std::string_view bytes) {
  ListReadResult r;
  if (!IsText(format)) {
    switch (format) {
      case ListFormat::Ase:
        r = ReadAse(bytes);
        break;
      case ListFormat::Act:
        r = ReadAct(bytes);
        break;
      case ListFormat::Soc:
        r = ReadSoc(bytes);
        break;
      case ListFormat::ScribusXml:
        r = ReadScribusXml(bytes);
        break;
      case ListFormat::SwatchBooker:
        r = ReadSwatchBooker(bytes);
        break;
      case ListFormat::Kpl:
        r = ReadKpl(bytes);
        break;
      case ListFormat::Procreate:
        r = ReadProcreate(bytes);
        break;
      default:
        r = ReadAco(bytes);
        break;
    }
  } else {
    // Text in UTF-8 (nearly every file) is read where it lies; anything else is decoded first.
    std::string decoded;
    std::string_view text = bytes;
    if (!IsPlainUtf8(bytes)) {
      decoded = DecodeFileText(bytes);
      text = decoded;
    }
    if (CheckListFile(text, 1) == ListFileProblem::Binary) {
      r.status = ListReadResult::Status::Refused;
      r.reason = "is not a colour list: it holds binary data.";
      return r;
    }
    r = ReadText(format, text);
  }
  if (OverFull(r.entries)) return RefusedRead(TooManyEntries());
  if (r.status == ListReadResult::Status::Read && r.entries.empty() && !bytes.empty()) {
    r.status = ListReadResult::Status::Refused;
    r.reason = "holds no colours.";
  }
  // Other programs may write any character in a name; ours must not break our own files.
  for (ColourEntry& e : r.entries) {
    if (NeedsListName(e.name)) e.name = ListName(e.name);
    if (NeedsListValue(e.value)) e.value = ListValue(e.value);
  }
  if (NeedsListName(r.title)) r.title = ListName(r.title);
  return r;
}

namespace {

ListWriteResult WriteFormat(ListFormat format, const ColourList& list, const ListWriteOptions& options) {
  switch (format) {
    case ListFormat::Cdt:
      return WriteCdt(list);
    case ListFormat::AcoV0:
      return WriteAcoV0(list);
    case ListFormat::Aco:
      return WriteAcoV1V2(list);
    case ListFormat::Act:
      return WriteAct(list, options.actAdobeTable);
    case ListFormat::Txt:
      return WriteCaseText(list);
    case ListFormat::Html:
      return WriteHtmlTable(list, options.html);
    case ListFormat::Gpl:
      return WriteGpl(list, options.title, options.columns);
    case ListFormat::Ase:
      return WriteAse(list);
    case ListFormat::Css:
      return WriteCss(list);
    case ListFormat::Soc:
      return WriteSoc(list);
    case ListFormat::ScribusXml:
      return WriteScribusXml(list, options.title);
    case ListFormat::Kpl:
      return WriteKpl(list, options.title, options.columns);
    case ListFormat::Procreate:
      return WriteProcreate(list, options.title);
    case ListFormat::PaintNet:
      return WritePaintNet(list);
    case ListFormat::HexList:
      return WriteHexList(list);
    case ListFormat::Tailwind:
      return WriteTailwind(list);
    case ListFormat::Scss:
      return WriteScss(list, options.title);
    case ListFormat::Less:
      return WriteLess(list);
    case ListFormat::DesignTokens:
      return WriteDesignTokens(list, options.title);
    case ListFormat::Lst:
    case ListFormat::SwatchBooker:
      break;
  }
  return {{}, "Tintora does not write " + std::string(InfoOf(format).description) + " files."};
}

}  // namespace

ListWriteResult WriteListFile(ListFormat format, const ColourList& list, const ListWriteOptions& options) {
  // What could not be read back is not written.
  if (list.Count() > kMaxListEntries)
    return {{},
            "The colour list holds " + GroupedNumber(list.Count()) + " colours; a list file holds at most " +
                GroupedNumber(kMaxListEntries) + "."};
  // Names reach the writers as a list file can hold them, the palette's title included (it
  // may come from a file's name, which can hold anything but "/").
  const bool odd = std::any_of(list.Entries().begin(), list.Entries().end(), [](const ColourEntry& e) {
    return NeedsListName(e.name) || NeedsListValue(e.value);
  });
  if (!odd && !NeedsListName(options.title)) return WriteFormat(format, list, options);
  ColourList clean;
  std::vector<ColourEntry> entries = list.Entries();
  for (ColourEntry& e : entries) {
    e.name = ListName(e.name);
    e.value = ListValue(e.value);
  }
  clean.Append(std::move(entries));
  ListWriteOptions cleanOptions = options;
  cleanOptions.title = ListName(options.title);
  return WriteFormat(format, clean, cleanOptions);
}

}  // namespace tintora
