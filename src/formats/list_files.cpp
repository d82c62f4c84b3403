#include "formats/list_files.h"

#include <QAction>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "colour/conversion_error.h"
#include "formats/colour_list_files.h"
#include "formats/file_io.h"
#include "formats/save_as_options.h"
#include "formats/text_codec.h"
#include "settings/settings_values.h"
#include "widgets/colour_list_model.h"
#include "widgets/guarded.h"
#include "widgets/make.h"
#include "widgets/popup_ext.h"
#include "widgets/progress_display.h"
#include "widgets/services.h"
#include "widgets/settings_store.h"
#include "widgets/speed_button.h"
#include "widgets/stay_on_top.h"

namespace tintora {

namespace {

const QStringList kOpenFilters = {"Colour Data - (Tintora) (*.CDT)", "Colour List - (Match head) (*.LST)",
                                  "Adobe Colour Swatch v0 - v2  (*.ACO)"};
const QStringList kOpenExtensions = {".CDT", ".LST", ".ACO"};
const QStringList kSaveFilters = {
    "Colour Data - (Tintora) (*.CDT)", "HTML Table - (HTML) (*.HTM)", "Adobe RGB Colour Swatch v0 - (*.ACO)",
    "Adobe RGB Colour Swatch v1 & v2 - (*.ACO)", "Adobe RGB Colour Table - (*.ACT)"};
const QStringList kSaveExtensions = {".CDT", ".htm", ".ACO", ".ACO", ".ACT"};

std::function<QString(const QString&, int)> TypeChange(const QStringList& extensions) {
  return [extensions](const QString& path, int index) {
    if (index < 1 || index > extensions.size()) return path;
    return QString::fromStdString(
        TypeChangeFileName(path.toStdString(), extensions[index - 1].toStdString()));
  };
}

// The filter index of a list file by its extension: 1 CDT, 2 LST, 3 ACO, 0 none.
int ListFileType(const QString& path, bool acoToo) {
  const std::string ext = NormalisedExt(path.toStdString());
  if (ext == ".cdt") return 1;
  if (ext == ".lst") return 2;
  if (ext == ".aco" && acoToo) return 3;
  return 0;
}

}  // namespace

ListFiles::ListFiles(QWidget* sources, QWidget* window, std::unique_ptr<TSaveAsOptions> options,
                     ColourListModel& model, ProgressDisplay& progress, StayOnTop& onTop, Services& services,
                     SettingsStore& settings, const QString& defaultFolder)
    : window_(window),
      options_(std::move(options)),
      model_(model),
      progress_(progress),
      onTop_(onTop),
      services_(services),
      settings_(settings),
      openDialogFolder_(defaultFolder),
      saveDialogFolder_(defaultFolder) {
  LoadSpeedButton =
      Make<SpeedButton>(sources, "LoadSpeedButton", {4, 112, 28, 28}, "Get colour  list from disk");
  LoadSpeedButton->SetGlyph(QPixmap(":/glyphs/open.png"));

  CustomColourFileOpen = AddWindowShortcut(sources, "CustomColourFileOpen", "&Open...", QKeySequence::Open);
  CustomColourFileOpen->setToolTip("Opens an existing file");
  FileSaveAs1 = AddWindowShortcut(sources, "FileSaveAs1", "Save Colour List &As...", QKeySequence::Save);
  FileSaveAs1->setToolTip("Saves the active file with a new name");

  AutoLoadPopupExt = MakePopup(sources, "AutoLoadPopupExt", onTop);
  AutoLoadLastUsedFile1 =
      AutoLoadPopupExt->AddItem("AutoLoadLastUsedFile1", "Auto Load Last Loaded File", true);
  ChangeDefaultDirectory1 = AutoLoadPopupExt->AddItem("ChangeDefaultDirectory1", "Change Default Directory");
  Link(AutoLoadLastUsedFile1, &QAction::triggered, this, [this](bool) { SetAutoOpenFlag(); });
  Link(ChangeDefaultDirectory1, &QAction::triggered, this,
       [this](bool) { emit ChangeDefaultDirectoryRequested(); });
  Link(LoadSpeedButton, &SpeedButton::MouseUp, this,
       [this](Qt::MouseButton b) { LoadSpeedButtonMouseUp(b); });
  Link(CustomColourFileOpen, &QAction::triggered, this, [this](bool) { CustomColourFileOpenExecute(); });
  // Ctrl+S saves like the Save button: only a list with something in it.
  Link(FileSaveAs1, &QAction::triggered, this, [this](bool) { SaveSpeedButtonClick(); });
}

ListFiles::~ListFiles() = default;

QString ListFiles::SaveDialogFileName() const { return model_.SaveDialogFileName(); }

// ---------------------------------------------------------------- open

void ListFiles::SetOpenDialog(const QString& fileName, int filterIndex) {
  openDialogFileName_ = fileName;
  openDialogFilterIndex_ = filterIndex;
}

bool ListFiles::SaveQuestion(const QString& operation) {
  services_.Beep(BeepKind::Exclamation);
  const MessageAnswer answer =
      services_.ShowMessage(window_, operation + ":\r\n\r\nColour List Has Changed!  Do you want to save it?",
                            MessageIcon::Warning, MessageButtons::YesNoCancel);
  if (answer == MessageAnswer::Cancel) return false;
  if (answer == MessageAnswer::Yes) FileSaveAs1Execute();
  return true;
}

void ListFiles::LoadSpeedButtonMouseUp(Qt::MouseButton button) {
  if (button == Qt::RightButton) {
    AutoLoadPopupExt->Popup(QCursor::pos());
    return;
  }
  onTop_.SuspendOnTop();
  if (!model_.ListChanged() || SaveQuestion("Load")) CustomColourFileOpenExecute();
  onTop_.RestoreOnTop();
}

void ListFiles::CustomColourFileOpenExecute() {
  FileDialogRequest request;
  request.title = "Tintora: Open Custom Colour List";
  request.folder = openDialogFolder_;
  request.fileName = openDialogFileName_;
  request.filters = kOpenFilters;
  request.filterIndex = openDialogFilterIndex_;
  request.defaultSuffix = "cdt";
  request.typeChange = TypeChange(kOpenExtensions);
  const auto answer = services_.OpenFileDialog(window_, request);
  if (!answer) return;
  SetOpenDialog(answer->fileName, answer->filterIndex);
  openDialogFolder_ = QFileInfo(answer->fileName).absolutePath();
  CustomColourFileOpenAccept();
}

void ListFiles::ReportFileError(const QString& fileName, const QString& reason) {
  onTop_.SuspendOnTop();
  services_.ShowMessage(window_, QString("Cannot open or write \"%1\".\r\n\r\n%2").arg(fileName, reason),
                        MessageIcon::Error, MessageButtons::Ok);
  onTop_.RestoreOnTop();
}

void ListFiles::Refuse(const QString& fileName, const QString& why) {
  onTop_.SuspendOnTop();
  services_.ShowMessage(window_, QString("Load:\r\n\r\n\"%1\" %2").arg(fileName, why), MessageIcon::Warning,
                        MessageButtons::Ok);
  onTop_.RestoreOnTop();
}

void ListFiles::CustomColourFileOpenAccept() {
  // The file's own extension says what it is; the dialog's filter only for names without one.
  const int type = ListFileType(openDialogFileName_, true);
  OpenListFile(openDialogFileName_, type != 0 ? type : openDialogFilterIndex_, true);
}

std::optional<std::vector<ColourEntry>> ListFiles::ReadListFile(const QString& f, int type) {
  const QFileInfo info(f);
  if (!info.exists()) {
    Refuse(f, "does not exist.");
    return std::nullopt;
  }
  if (info.isDir()) {
    Refuse(f, "is a folder, not a colour list.");
    return std::nullopt;
  }
  if (type == 3) {
    Refuse(f, "is an Adobe swatch file, which this version of Tintora cannot read.");
    return std::nullopt;
  }
  std::string error;
  const auto bytes = ReadWholeFile(PathFromUtf8(f.toStdString()), &error);
  if (!bytes) {
    ReportFileError(f, QString::fromStdString(error));
    return std::nullopt;
  }
  const std::string text = DecodeFileText(*bytes);
  std::vector<ColourEntry> entries;
  if (type == 2) {
    try {
      entries = ParseLstText(text);
    } catch (const ConversionError& e) {
      services_.ShowMessage(window_, QString::fromUtf8(e.what()), MessageIcon::Error, MessageButtons::Ok);
      return std::nullopt;
    }
  } else {
    Progress progress(progress_);
    entries = ParseCdtText(text);
  }
  switch (CheckListFile(*bytes, entries.size())) {
    case ListFileProblem::Binary:
      Refuse(f, "is not a colour list: it holds binary data.");
      return std::nullopt;
    case ListFileProblem::NoColours:
      Refuse(f, "holds no colours.");
      return std::nullopt;
    case ListFileProblem::None:
      break;
  }
  return entries;
}

bool ListFiles::OpenListFile(const QString& f, int type, bool askToAppend) {
  // Read and check first: a file that cannot be read, or is no colour list, leaves the list,
  // its name, its undo step and its save name exactly as they were, and asks nothing.
  auto entries = ReadListFile(f, type);
  if (!entries) return false;
  bool replace = false;
  if (!model_.List().Empty() && askToAppend) {
    const MessageAnswer answer =
        services_.ShowMessage(window_, "Load:\r\n\r\nWould you like to append to your current list?",
                              MessageIcon::Question, MessageButtons::YesNo);
    replace = answer != MessageAnswer::Yes;
  }
  if (replace) {
    model_.NewList();
  } else if (!model_.List().Empty()) {
    model_.SetListChanged(true);
  }
  model_.ForgetUndo();
  {
    Progress progress(progress_);
    model_.AppendEntries(std::move(*entries));
  }
  model_.SetFileName(f);
  SetOpenDialog(f, type);
  lastUsed_ = f;
  if (type == 2) {
    saveDialogFilterIndex_ = 1;
    model_.SetSaveDialogFileName(
        QString::fromStdString(ChangeFileExt(ExtractFileName(f.toStdString()), ".CDT")));
  } else {
    model_.SetSaveDialogFileName(f);
  }
  emit ListLoaded();
  return true;
}

// ---------------------------------------------------------------- save

void ListFiles::SaveSpeedButtonClick() {
  onTop_.SuspendOnTop();
  if (!model_.List().Empty()) FileSaveAs1Execute();
  onTop_.RestoreOnTop();
}

SaveOutcome ListFiles::FileSaveAs1Execute(const QString& title) {
  // The colour folder is made the first time it is saved into; where it cannot be, the dialog
  // opens in the folder above it.
  if (!QDir().mkpath(saveDialogFolder_)) saveDialogFolder_ = QFileInfo(saveDialogFolder_).absolutePath();
  FileDialogRequest request;
  request.title = title.isEmpty() ? QString("Tintora: Save Custom Colour List") : title;
  request.folder = saveDialogFolder_;
  request.fileName = model_.SaveDialogFileName();
  request.filters = kSaveFilters;
  request.filterIndex = saveDialogFilterIndex_;
  request.typeChange = TypeChange(kSaveExtensions);
  const auto answer = services_.SaveFileDialog(window_, request);
  if (!answer) return SaveOutcome::Cancelled;
  model_.SetSaveDialogFileName(answer->fileName);
  saveDialogFilterIndex_ = answer->filterIndex;
  saveDialogFolder_ = QFileInfo(answer->fileName).absolutePath();
  return FileSaveAs1Accept(answer->fileName, answer->filterIndex);
}

SaveOutcome ListFiles::FileSaveAs1Accept(const QString& f, int filterIndex) {
  window_->setCursor(Qt::WaitCursor);
  struct RestoreCursor {
    QWidget* w;
    ~RestoreCursor() { w->unsetCursor(); }
  } restore{window_};
  if (filterIndex != 1) return SaveOutcome::NothingToSave;  // the exports come with the swatch files
  // An empty list writes no file at all, rather than an empty or stale one.
  if (model_.List().Empty()) return SaveOutcome::NothingToSave;
  std::string text;
  {
    Progress progress(progress_);
    text = ParseDataForCDTFile(model_.List());
  }
  if (auto error = WriteFileAtomically(PathFromUtf8(f.toStdString()), EncodeFileText(text))) {
    ReportFileError(f, QString::fromStdString(*error));
    return SaveOutcome::Failed;
  }
  model_.SetFileName(f);
  model_.SetListChanged(false);
  lastUsed_ = f;  // a list saved is a list used: it opens again next time too
  return SaveOutcome::Saved;
}

// ---------------------------------------------------------------- settings and auto-load

void ListFiles::ApplySettings(const SettingsValues& v) {
  if (!v.defaultDir.empty()) {
    openDialogFolder_ = QString::fromStdString(v.defaultDir);
    saveDialogFolder_ = openDialogFolder_;
  }
  openDialogFileName_ = QString::fromStdString(v.autoOpen);
  lastUsed_ = openDialogFileName_;
  AutoLoadLastUsedFile1->setChecked(v.autoOpenActive);
}

void ListFiles::SetAutoOpenFlag() {
  settings_.WriteBool(kExternalColourSection, "AutoOpenActive", AutoLoadLastUsedFile1->isChecked());
}

void ListFiles::AutoOpenNameSave() {
  if (!AutoLoadLastUsedFile1->isChecked()) return;
  if (lastUsed_.isEmpty() || lastUsed_ == "Untitled") return;
  settings_.WriteString(kStartSection, "AutoOpen", lastUsed_);
}

void ListFiles::AutoOpenFileOnStartup() {
  if (!AutoLoadLastUsedFile1->isChecked()) return;
  if (lastUsed_.isEmpty() || lastUsed_ == "Untitled") return;
  const int type = ListFileType(lastUsed_, true);
  if (type != 0) OpenListFile(lastUsed_, type, true);
}

// ---------------------------------------------------------------- command line and drops

void ListFiles::OpenCommandLineFiles(const QStringList& arguments) {
  // Each argument is a file of its own: the first opens, the others are appended to it.
  bool first = true;
  for (const QString& file : arguments) {
    const int type = ListFileType(file, false);
    if (type == 0) continue;
    bool opened = false;
    Guarded([&] { opened = OpenListFile(file, type, first); });
    if (opened) first = false;
  }
}

void ListFiles::WMDropFiles(const QStringList& files) {
  for (const QString& file : files) {
    const int type = ListFileType(file, true);
    if (type == 0) continue;
    SetOpenDialog(file, type);
    Guarded([&] { OpenListFile(file, type, true); });
  }
}

}  // namespace tintora
