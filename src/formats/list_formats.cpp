#include "formats/list_formats.h"

#include <array>

#include "colour/conversion_error.h"
#include "formats/aco.h"
#include "formats/act.h"
#include "formats/ase.h"
#include "formats/colour_list_files.h"
#include "formats/css.h"
#include "formats/gpl.h"
#include "formats/text_codec.h"

namespace tintora {

namespace {

constexpr std::array<ListFormatInfo, 10> kFormats = {{
    {ListFormat::Cdt, ".cdt", "Tintora colour data", true, true},
    {ListFormat::Lst, ".lst", "Match head colour list", true, false},
    {ListFormat::AcoV0, ".aco", "Adobe colour swatch, version 0", false, true},
    {ListFormat::Aco, ".aco", "Adobe colour swatch, versions 1 and 2", true, true},
    {ListFormat::Act, ".act", "Adobe colour table", true, true},
    {ListFormat::Txt, ".txt", "case statements", true, true},
    {ListFormat::Html, ".htm", "HTML palette table", true, true},
    {ListFormat::Gpl, ".gpl", "GIMP palette", true, true},
    {ListFormat::Ase, ".ase", "Adobe Swatch Exchange", true, true},
    {ListFormat::Css, ".css", "CSS custom properties", true, true},
}};

bool IsText(ListFormat f) {
  return f != ListFormat::Aco && f != ListFormat::AcoV0 && f != ListFormat::Act && f != ListFormat::Ase;
}

ListReadResult Entries(std::vector<ColourEntry> entries) {
  ListReadResult r;
  r.entries = std::move(entries);
  return r;
}

ListReadResult ReadText(ListFormat format, const std::string& text) {
  switch (format) {
    case ListFormat::Cdt:
      return Entries(ParseCdtText(text));
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
      return ReadCaseText(text);
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
    r = format == ListFormat::Ase   ? ReadAse(bytes)
        : format == ListFormat::Act ? ReadAct(bytes)
                                    : ReadAco(bytes);
  } else if (CheckListFile(bytes, 1) == ListFileProblem::Binary) {
    r.status = ListReadResult::Status::Refused;
    r.reason = "is not a colour list: it holds binary data.";
    return r;
  } else {
    r = ReadText(format, DecodeFileText(bytes));
  }
  if (r.status == ListReadResult::Status::Read && r.entries.empty() && !bytes.empty()) {
    r.status = ListReadResult::Status::Refused;
    r.reason = "holds no colours.";
  }
  return r;
}

ListWriteResult WriteListFile(ListFormat format, const ColourList& list, const ListWriteOptions& options) {
  switch (format) {
    case ListFormat::Cdt:
      if (list.Empty()) return {{}, "The colour list is empty."};
      return {EncodeFileText(ParseDataForCDTFile(list)), {}};
    case ListFormat::AcoV0:
      return WriteAcoV0(list);
    case ListFormat::Aco:
      return WriteAcoV1V2(list);
    case ListFormat::Act:
      return WriteAct(list);
    case ListFormat::Txt:
      return WriteCaseText(list);
    case ListFormat::Html:
      return WriteHtmlTable(list, options.html);
    case ListFormat::Gpl:
      return WriteGpl(list, options.title);
    case ListFormat::Ase:
      return WriteAse(list);
    case ListFormat::Css:
      return WriteCss(list);
    case ListFormat::Lst:
      break;
  }
  return {{}, "Tintora does not write " + std::string(InfoOf(format).description) + " files."};
}

}  // namespace tintora
