#include "formats/list_file_types.h"

#include "core/formats/file_names.h"

namespace tintora::list_file_types {

namespace {

QStringList Filters(std::span<const ListFormat> formats, DialogOffer ListFormatInfo::*offer) {
  QStringList filters;
  for (ListFormat f : formats) filters << QString::fromUtf8((InfoOf(f).*offer).filter);
  return filters;
}

std::function<QString(const QString&, int)> TypeChange(std::span<const ListFormat> formats,
                                                       DialogOffer ListFormatInfo::*offer) {
  return [formats, offer](const QString& path, int filter) {
    if (filter < 1 || filter > static_cast<int>(formats.size())) return path;  // "All Files": as it is
    const std::string_view extension =
        (InfoOf(formats[static_cast<std::size_t>(filter - 1)]).*offer).boxExtension;
    return QString::fromStdString(TypeChangeFileName(path.toStdString(), extension));
  };
}

int FilterOf(std::span<const ListFormat> formats, ListFormat format) {
  for (std::size_t i = 0; i < formats.size(); ++i)
    if (formats[i] == format) return static_cast<int>(i) + 1;
  return 0;
}

ListFormat FormatOf(std::span<const ListFormat> formats, int filter) {
  return filter >= 1 && filter <= static_cast<int>(formats.size())
             ? formats[static_cast<std::size_t>(filter - 1)]
             : ListFormat::Cdt;
}

}  // namespace

QStringList OpenFilters() { return Filters(OpenDialogFormats(), &ListFormatInfo::open) << "All Files (*)"; }
QStringList SaveFilters() { return Filters(SaveDialogFormats(), &ListFormatInfo::save); }
std::optional<ListFormat> OpenFilterFormat(int filter) {
  if (filter < 1 || filter > static_cast<int>(OpenDialogFormats().size())) return std::nullopt;
  return FormatOf(OpenDialogFormats(), filter);
}
ListFormat SaveFilterFormat(int filter) { return FormatOf(SaveDialogFormats(), filter); }
int OpenFilterOf(std::optional<ListFormat> format) {
  return format ? FilterOf(OpenDialogFormats(), *format) : static_cast<int>(OpenDialogFormats().size()) + 1;
}
int SaveFilterOf(ListFormat format) { return FilterOf(SaveDialogFormats(), format); }
std::function<QString(const QString&, int)> OpenTypeChange() {
  return TypeChange(OpenDialogFormats(), &ListFormatInfo::open);
}
std::function<QString(const QString&, int)> SaveTypeChange() {
  return TypeChange(SaveDialogFormats(), &ListFormatInfo::save);
}

std::function<int(const QString&, int)> SaveTypeOfName() {
  return [](const QString& name, int chosen) {
    const std::string path = name.toStdString();
    if (HasExtensionOf(path, SaveFilterFormat(chosen))) return 0;
    const auto named = WrittenFormatOfPath(path);
    if (!named || ExtensionOfPath(path) != InfoOf(*named).save.boxExtension) return 0;
    return SaveFilterOf(*named);
  };
}

std::optional<ListFormat> ListFileFormat(const QString& path, bool pickedInDialog, bool textIsAPalette) {
  const auto format = FormatOfPath(path.toStdString());
  if (!format || (*format == ListFormat::Txt && !pickedInDialog && !textIsAPalette)) return std::nullopt;
  return format;
}

}  // namespace tintora::list_file_types
