#include "core/formats/list_formats.h"

#include <algorithm>
#include <array>

#include "core/colour/conversion_error.h"
#include "core/colour/number_text.h"
#include "core/formats/aco.h"
#include "core/formats/act.h"
#include "core/formats/art_palettes.h"
#include "core/formats/ase.h"
#include "core/formats/colour_list_files.h"
#include "core/formats/css.h"
#include "core/formats/file_names.h"
#include "core/formats/gpl.h"
#include "core/formats/office_palettes.h"
#include "core/io/text_codec.h"

namespace tintora {

namespace {

constexpr std::array<ListFormatInfo, 17> kFormats = {{
    {ListFormat::Cdt, ".cdt", "Tintora colour data", true, true, "cdt"},
    {ListFormat::Lst, ".lst", "Match head colour list", true, false, "lst"},
    {ListFormat::AcoV0, ".aco", "Adobe colour swatch, version 0", false, true, "aco-v0"},
    {ListFormat::Aco, ".aco", "Adobe colour swatch, versions 1 and 2", true, true, "aco"},
    {ListFormat::Act, ".act", "Adobe colour table", true, true, "act"},
    {ListFormat::Txt, ".txt", "case statements", true, true, "txt"},
    {ListFormat::Html, ".htm", "HTML palette table", true, true, "html"},
    {ListFormat::Gpl, ".gpl", "GIMP palette", true, true, "gpl"},
    {ListFormat::Ase, ".ase", "Adobe Swatch Exchange", true, true, "ase"},
    {ListFormat::Css, ".css", "CSS custom properties", true, true, "css"},
    {ListFormat::Soc, ".soc", "LibreOffice colour table", true, true, "soc"},
    {ListFormat::ScribusXml, ".xml", "Scribus swatches", true, true, "scribus"},
    {ListFormat::SwatchBooker, ".sbz", "SwatchBooker book", true, false, "sbz"},
    {ListFormat::Kpl, ".kpl", "Krita palette", true, true, "kpl"},
    {ListFormat::Procreate, ".swatches", "Procreate swatches", true, true, "procreate"},
    {ListFormat::PaintNet, ".txt", "Paint.NET palette", false, true, "paint.net"},
    {ListFormat::HexList, ".hex", "hex colour list", true, true, "hex"},
}};

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

// A list file ends inside its last entry when its last line has no line break after it and
// no value (nothing, an open "[", or "[]"): the file was cut while it was written or copied,
// and the half line is no colour. Every line Tintora writes ends with a line break, so an
// entry without a value that a list really holds still comes back.
ListReadResult ReadCdt(std::string_view text) {
  ListReadResult r = Entries(ParseCdtText(text));
  const bool unterminated = !text.empty() && text.back() != '\n' && text.back() != '\r';
  if (unterminated && !r.entries.empty() && r.entries.back().value.empty()) {
    r.entries.pop_back();
    r.status = ListReadResult::Status::Cut;
  }
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
      return ReadCss(text);
    default:
      return {};
  }
}

}  // namespace

std::span<const ListFormatInfo> ListFormats() { return kFormats; }

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
  const std::string ext = NormalisedExt(path);
  if (ext == ".html") return ListFormat::Html;
  for (const auto& info : kFormats)
    if (info.reads && info.extension == ext) return info.format;
  return std::nullopt;
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
      if (list.Empty()) return {{}, "The colour list is empty."};
      return {EncodeFileText(ParseDataForCDTFile(list)), {}};
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
