#include "formats/list_files.h"

#include <QAction>
#include <QCursor>
#include <QFileInfo>
#include <QWidget>

#include "core/formats/act.h"
#include "core/formats/art_palettes.h"
#include "core/formats/colour_list_files.h"
#include "core/formats/file_names.h"
#include "core/formats/list_formats.h"
#include "core/io/file_io.h"
#include "core/io/text_codec.h"
#include "core/settings/settings_values.h"
#include "formats/list_file_types.h"
#include "formats/save_as_options.h"
#include "widgets/colour_list_model.h"
#include "widgets/debug_panel.h"
#include "widgets/guarded.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/popup_ext.h"
#include "widgets/progress_display.h"
#include "widgets/services.h"
#include "widgets/settings_store.h"
#include "widgets/speed_button.h"
#include "widgets/stay_on_top.h"

namespace tintora {

using namespace list_file_types;

SaveAsOptionsWindow* ListFiles::SaveAsOptions() { return options_.get(); }

ListFiles::ListFiles(QWidget* sources, QWidget* window, MadeOnFirstUse<SaveAsOptionsWindow> options,
                     const ListFilesParts& parts, const QString& defaultFolder)
    : window_(window),
      options_(std::move(options)),
      model_(parts.model),
      progress_(parts.progress),
      onTop_(parts.onTop),
      services_(parts.services),
      settings_(parts.settings),
      openDialogFolder_(defaultFolder),
      saveDialogFolder_(defaultFolder) {
  LoadSpeedButton = Make<SpeedButton>(sources, "LoadSpeedButton", "Get colour  list from disk");
  AddInOrder(static_cast<QBoxLayout*>(sources->layout()), LoadSpeedButton, 4);
  LoadSpeedButton->SetGlyph(":/glyphs/open.svg");

  CustomColourFileOpen = AddWindowShortcut(sources, "CustomColourFileOpen", "&Open...", QKeySequence::Open);
  CustomColourFileOpen->setToolTip("Opens an existing file");
  SaveAsAction = AddWindowShortcut(sources, "FileSaveAs1", "Save Colour List &As...", QKeySequence::Save);
  SaveAsAction->setToolTip("Saves the active file with a new name");

  AutoLoadPopupExt = MakePopup(sources, "AutoLoadPopupExt", onTop_);
  AutoLoadLastFileAction =
      AutoLoadPopupExt->AddItem("AutoLoadLastUsedFile1", "Auto Load Last Loaded File", true);
  ChangeDefaultDirectoryAction =
      AutoLoadPopupExt->AddItem("ChangeDefaultDirectory1", "Change Default Directory");
  Link(AutoLoadLastFileAction, &QAction::triggered, this, [this](bool) { SetAutoOpenFlag(); });
  Link(ChangeDefaultDirectoryAction, &QAction::triggered, this,
       [this](bool) { emit ChangeDefaultDirectoryRequested(); });
  Link(LoadSpeedButton, &SpeedButton::MouseUp, this,
       [this](Qt::MouseButton b) { LoadSpeedButtonMouseUp(b); });
  Link(CustomColourFileOpen, &QAction::triggered, this, [this](bool) { CustomColourFileOpenExecute(); });
  // While the options are open the main window waits for them (they are window-modal).
  options_.OnMade([this](SaveAsOptionsWindow& options) {
    Link(&options, &SaveAsOptionsWindow::Closed, this, [this] { onTop_.RestoreOnTop(); });
  });
  // Ctrl+S saves like the Save button: only a list with something in it.
  Link(SaveAsAction, &QAction::triggered, this, [this](bool) { SaveSpeedButtonClick(); });
}

ListFiles::~ListFiles() = default;

QString ListFiles::SaveDialogFileName() const { return model_.SaveDialogFileName(); }

// ---------------------------------------------------------------- open

void ListFiles::SetOpenDialog(const QString& fileName, std::optional<ListFormat> format) {
  openDialogFileName_ = fileName;
  openDialogFormat_ = format;
}

bool ListFiles::SaveQuestion(const QString& operation) {
  services_.Beep(BeepKind::Exclamation);
  const MessageAnswer answer =
      services_.ShowMessage(window_, operation + ":\r\n\r\nColour List Has Changed!  Do you want to save it?",
                            MessageIcon::Warning, MessageButtons::YesNoCancel);
  if (answer == MessageAnswer::Cancel) return false;
  if (answer == MessageAnswer::Yes) SaveAsExecute();
  return true;
}

void ListFiles::LoadSpeedButtonMouseUp(Qt::MouseButton button) {
  if (button == Qt::RightButton) {
    AutoLoadPopupExt->Popup(QCursor::pos());
    return;
  }
  const OnTopSuspension suspended(onTop_);
  if (!model_.ListChanged() || SaveQuestion("Load")) CustomColourFileOpenExecute();
}

void ListFiles::CustomColourFileOpenExecute() {
  FileDialogRequest request;
  request.title = "Tintora: Open Custom Colour List";
  request.folder = openDialogFolder_;
  request.fileName = openDialogFileName_;
  request.filters = OpenFilters();
  request.filterIndex = std::max(1, OpenFilterOf(openDialogFormat_));
  request.typeChange = OpenTypeChange();
  const auto answer = services_.OpenFileDialog(window_, request);
  if (!answer) return;
  // A name typed without an extension is the file of that very name where there is one (a
  // list saved without an extension), else the Tintora list of that name.
  QString fileName = answer->fileName;
  if (ExtractFileExt(fileName.toStdString()).empty() && !QFileInfo::exists(fileName) &&
      QFileInfo::exists(fileName + ".cdt"))
    fileName += ".cdt";
  SetOpenDialog(fileName, OpenFilterFormat(answer->filterIndex));
  openDialogFolder_ = QFileInfo(fileName).absolutePath();
  CustomColourFileOpenAccept();
}

void ListFiles::ReportFileError(const QString& fileName, const QString& reason) {
  services_.ShowMessage(window_, QString("Cannot open or write \"%1\".\r\n\r\n%2").arg(fileName, reason),
                        MessageIcon::Error, MessageButtons::Ok);
}

void ListFiles::Refuse(const QString& fileName, const QString& why) {
  services_.ShowMessage(window_, QString("Load:\r\n\r\n\"%1\" %2").arg(fileName, why), MessageIcon::Warning,
                        MessageButtons::Ok);
}

void ListFiles::CustomColourFileOpenAccept() {
  // The file's own extension says what it is; the dialog's filter only for names without one.
  OpenListFile(
      openDialogFileName_,
      ListFileFormat(openDialogFileName_, true).value_or(openDialogFormat_.value_or(ListFormat::Cdt)), true);
}

std::optional<ListReadResult> ListFiles::ReadListFile(const QString& f, ListFormat format) {
  const QFileInfo info(f);
  if (!info.exists()) {
    Refuse(f, "does not exist.");
    return std::nullopt;
  }
  if (info.isDir()) {
    Refuse(f, "is a folder, not a colour list.");
    return std::nullopt;
  }
  std::string error;
  ReadFailure failure;
  const auto bytes = ReadWholeFile(PathFromUtf8(f.toStdString()), &error, kMaxReadBytes, &failure);
  if (!bytes) {
    if (failure == ReadFailure::System)
      ReportFileError(f, QString::fromStdString(error));
    else
      Refuse(f, QString::fromStdString(error));
    return std::nullopt;
  }
  ListReadResult read;
  {
    Progress progress(progress_);
    read = tintora::ReadListFile(format, *bytes);
  }
  if (debug_ && format == ListFormat::Aco) debug_->ShowSwatchSections(read.fileSize, read.secondSection);
  for (const FileNotice& notice : read.notices) {
    if (notice.beep) services_.Beep(BeepKind::Exclamation);
    services_.ShowMessage(window_, QString::fromStdString(notice.text), MessageIcon::Warning,
                          MessageButtons::Ok);
  }
  if (read.status == ListReadResult::Status::Refused) {
    if (!read.reason.empty()) Refuse(f, QString::fromStdString(read.reason));
    return std::nullopt;
  }
  return read;
}

bool ListFiles::OpenListFile(const QString& f, ListFormat format, bool askToAppend) {
  // Read and check first: a file that cannot be read, or is no colour list, leaves the list,
  // its name, its undo step and its save name exactly as they were, and asks nothing.
  auto read = ReadListFile(f, format);
  if (!read) return false;
  const bool cut = read->status == ListReadResult::Status::Cut;
  bool replace = false;
  if (!model_.List().Empty() && askToAppend) {
    const MessageAnswer answer =
        services_.ShowMessage(window_, "Load:\r\n\r\nWould you like to append to your current list?",
                              MessageIcon::Question, MessageButtons::YesNo);
    replace = answer != MessageAnswer::Yes;
  }
  const std::size_t count = read->entries.size();
  {
    Progress progress(progress_);
    model_.TakeFileList(std::move(*read), replace);
  }
  if (cut) {
    // Not the file's list: it is not known by the file's name.
    services_.ShowMessage(window_,
                          QString("Load:\r\n\r\n\"%1\" ends before its last colour: only the first %2 "
                                  "could be read.\r\n\r\nUndo Last Change takes them out again.")
                              .arg(f)
                              .arg(count),
                          MessageIcon::Warning, MessageButtons::Ok);
    emit ListLoaded();
    return true;
  }
  model_.SetFileName(f);
  SetOpenDialog(f, format);
  lastUsed_ = f;
  if (format != ListFormat::Cdt) {
    // Saved again, it becomes a Tintora list beside the file, not a rewrite of the file itself.
    saveDialogFormat_ = ListFormat::Cdt;
    model_.SetSaveDialogFileName(
        QString::fromStdString(ChangeFileExt(ExtractFileName(f.toStdString()), ".CDT")));
  } else {
    model_.SetSaveDialogFileName(f);
  }
  emit ListLoaded();
  return true;
}

// ---------------------------------------------------------------- settings and auto-load

void ListFiles::ApplySettings(const SettingsValues& v) {
  if (!v.defaultDir.empty()) {
    openDialogFolder_ = QString::fromStdString(v.defaultDir);
    saveDialogFolder_ = openDialogFolder_;
  }
  openDialogFileName_ = QString::fromStdString(v.autoOpen);
  lastUsed_ = openDialogFileName_;
  AutoLoadLastFileAction->setChecked(v.autoOpenActive);
}

void ListFiles::SetAutoOpenFlag() {
  settings_.WriteBool(kExternalColourSection, "AutoOpenActive", AutoLoadLastFileAction->isChecked());
}

void ListFiles::AutoOpenNameSave() {
  if (!AutoLoadLastFileAction->isChecked()) return;
  if (lastUsed_.isEmpty() || lastUsed_ == "Untitled") return;
  settings_.WriteString(kStartSection, "AutoOpen", lastUsed_);
}

void ListFiles::AutoOpenFileOnStartup() {
  if (!AutoLoadLastFileAction->isChecked()) return;
  if (lastUsed_.isEmpty() || lastUsed_ == "Untitled") return;
  if (const auto format = ListFileFormat(lastUsed_, true)) OpenListFile(lastUsed_, *format, true);
}

// ---------------------------------------------------------------- command line and drops

namespace {

// Whether a ".txt" dropped or named on the command line is a palette (Paint.NET's, or case
// statements) rather than any other text: its first lines say so.
bool TextIsAPalette(const QString& path) {
  if (FormatOfPath(path.toStdString()) != ListFormat::Txt) return false;
  std::string error;
  constexpr std::uintmax_t kLargestLooked = 16u << 20;
  const auto bytes = ReadWholeFile(PathFromUtf8(path.toStdString()), &error, kLargestLooked);
  if (!bytes) return false;
  const std::string text = DecodeFileText(*bytes);
  return LooksLikePaintNet(text) || !ReadCaseText(text).entries.empty();
}

}  // namespace

void ListFiles::OpenCommandLineFiles(const QStringList& arguments) {
  // Each argument is a file of its own: the first opens, the others are appended to it.
  bool first = true;
  for (const QString& file : arguments) {
    const auto format = ListFileFormat(file, false, TextIsAPalette(file));
    if (!format) continue;
    bool opened = false;
    Guarded([&] { opened = OpenListFile(file, *format, first); });
    if (opened) first = false;
  }
}

void ListFiles::WMDropFiles(const QStringList& files) {
  for (const QString& file : files) {
    const auto format = ListFileFormat(file, false, TextIsAPalette(file));
    if (!format) continue;
    SetOpenDialog(file, *format);
    Guarded([&] { OpenListFile(file, *format, true); });
  }
}

}  // namespace tintora
