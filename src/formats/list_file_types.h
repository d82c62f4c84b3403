// The open and save dialogs' file types, made from the format table: their filters in order, the
// extension each puts in the file-name box, and the format behind each. The dialogs speak in
// filter numbers (from 1); everything past them speaks in formats.
#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

#include "core/formats/list_formats.h"

namespace tintora::list_file_types {

// The open dialog ends with "All Files", for lists saved without an extension.
QStringList OpenFilters();
QStringList SaveFilters();
// The format behind a filter (nullopt for "All Files", or a number out of range), and back (the
// open dialog's "All Files" for nullopt).
std::optional<ListFormat> OpenFilterFormat(int filter);
ListFormat SaveFilterFormat(int filter);
int OpenFilterOf(std::optional<ListFormat> format);
int SaveFilterOf(ListFormat format);
// What the file-name box becomes when a type is picked.
std::function<QString(const QString&, int)> OpenTypeChange();
std::function<QString(const QString&, int)> SaveTypeChange();
// The save filter a typed name's extension names, when it is not the chosen one's and the
// dialog can show it without rewriting the name (".html" stays as typed); 0 otherwise.
std::function<int(const QString&, int)> SaveTypeOfName();

// The format a file is read as by its extension; nullopt when it is no list file. A ".txt" file
// is taken for case statements or a Paint.NET palette only when the user picked it in the
// dialog, or (`textIsAPalette`) its lines show it to be one: dropped or named on the command
// line it is far more likely to be any other text.
std::optional<ListFormat> ListFileFormat(const QString& path, bool pickedInDialog,
                                         bool textIsAPalette = false);

}  // namespace tintora::list_file_types
