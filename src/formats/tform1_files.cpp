// Opening and saving the colour list: the Load button and its question, the open and save
// dialogs with their file types, the append question, the CDT and LST readers, the save
// dispatch, files named on the command line or dropped on the window, and the save question
// at close.
#include <QAction>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QMimeData>
#include <QProgressBar>
#include <QTabWidget>

#include "app/controls/speed_button.h"
#include "app/guarded.h"
#include "app/services.h"
#include "app/tform1.h"
#include "app/tform1_progress.h"
#include "colour/conversion_error.h"
#include "colourlist/colour_list_model.h"
#include "colourlist/colour_list_view.h"
#include "formats/colour_list_files.h"
#include "formats/file_io.h"
#include "formats/text_codec.h"

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

void TForm1::BuildFiles() {
  LoadSpeedButton = new SpeedButton("LoadSpeedButton", ExternalColourSourcePanel);
  LoadSpeedButton->SetGlyph(QPixmap(":/glyphs/open.png"));
  LoadSpeedButton->setToolTip("Get colour  list from disk");
  LoadSpeedButton->setGeometry(4, 112, 28, 28);

  CustomColourFileOpen = new QAction("&Open...", this);
  CustomColourFileOpen->setObjectName("CustomColourFileOpen");
  CustomColourFileOpen->setToolTip("Opens an existing file");
  CustomColourFileOpen->setShortcut(QKeySequence::Open);
  addAction(CustomColourFileOpen);
  FileSaveAs1 = new QAction("Save Colour List &As...", this);
  FileSaveAs1->setObjectName("FileSaveAs1");
  FileSaveAs1->setToolTip("Saves the active file with a new name");
  FileSaveAs1->setShortcut(QKeySequence::Save);
  addAction(FileSaveAs1);

  ProgressPanel = new QWidget(ColourListGroupBox);
  ProgressPanel->setObjectName("ProgressPanel");
  ProgressPanel->setAutoFillBackground(true);
  ProgressPanel->setGeometry(16, 160, 198, 26);
  ProgressBar2 = new QProgressBar(ProgressPanel);
  ProgressBar2->setObjectName("ProgressBar2");
  ProgressBar2->setRange(0, 100);
  ProgressBar2->setTextVisible(false);
  ProgressBar2->setGeometry(3, 3, 192, 20);
  ProgressPanel->hide();

  const QString folder = GetMyDocDir() + "/Tintora Colours";
  openDialogFolder_ = folder;
  saveDialogFolder_ = folder;
  setAcceptDrops(true);
}

void TForm1::ConnectFiles() {
  Link(LoadSpeedButton, &SpeedButton::MouseUp, this,
       [this](Qt::MouseButton b) { LoadSpeedButtonMouseUp(b); });
  Link(CustomColourFileOpen, &QAction::triggered, this, [this](bool) { CustomColourFileOpenExecute(); });
  // Ctrl+S saves like the Save button: only a list with something in it.
  Link(FileSaveAs1, &QAction::triggered, this, [this](bool) { SaveSpeedButtonClick(); });
  Link(SaveSpeedButton, &SpeedButton::clicked, this, [this](bool) { SaveSpeedButtonClick(); });
}

// ---------------------------------------------------------------- open

void TForm1::SetOpenDialog(const QString& fileName, int filterIndex) {
  openDialogFileName_ = fileName;
  openDialogFilterIndex_ = filterIndex;
}

bool TForm1::SaveQuestion(const QString& operation) {
  services_.Beep(BeepKind::Exclamation);
  const MessageAnswer answer =
      services_.ShowMessage(this, operation + ":\r\n\r\nColour List Has Changed!  Do you want to save it?",
                            MessageIcon::Warning, MessageButtons::YesNoCancel);
  if (answer == MessageAnswer::Cancel) return false;
  if (answer == MessageAnswer::Yes) FileSaveAs1Execute();
  return true;
}

void TForm1::LoadSpeedButtonMouseUp(Qt::MouseButton button) {
  if (button == Qt::RightButton) return;  // the right button has its own menu
  SuspendOnTop();
  if (!ListChanged || SaveQuestion("Load")) CustomColourFileOpenExecute();
  UpdateCountLabel();
  RestoreOnTop();
}

void TForm1::CustomColourFileOpenExecute() {
  FileDialogRequest request;
  request.title = "Tintora: Open Custom Colour List";
  request.folder = openDialogFolder_;
  request.fileName = openDialogFileName_;
  request.filters = kOpenFilters;
  request.filterIndex = openDialogFilterIndex_;
  request.defaultSuffix = "cdt";
  request.typeChange = TypeChange(kOpenExtensions);
  const auto answer = services_.OpenFileDialog(this, request);
  if (!answer) return;
  SetOpenDialog(answer->fileName, answer->filterIndex);
  openDialogFolder_ = QFileInfo(answer->fileName).absolutePath();
  CustomColourFileOpenAccept();
}

void TForm1::ReportFileError(const QString& fileName, const QString& reason) {
  SuspendOnTop();
  services_.ShowMessage(this, QString("Cannot open or write \"%1\".\r\n\r\n%2").arg(fileName, reason),
                        MessageIcon::Error, MessageButtons::Ok);
  RestoreOnTop();
}

void TForm1::CustomColourFileOpenAccept() {
  const QString f = openDialogFileName_;
  const int type = openDialogFilterIndex_;
  if (!QFileInfo(f).isFile()) {
    services_.ShowMessage(this, "File does not exist!", MessageIcon::None, MessageButtons::Ok);
    UpdateCountLabel();
    return;
  }
  bool replace = false;
  if (!list_.Empty()) {
    const MessageAnswer answer =
        services_.ShowMessage(this, "Load:\r\n\r\nWould you like to append to your current list?",
                              MessageIcon::Question, MessageButtons::YesNo);
    replace = answer != MessageAnswer::Yes;
  }

  // Read and parse first: a file that cannot be read or parsed leaves the list exactly as it was.
  std::string error;
  const auto bytes = ReadWholeFile(PathFromUtf8(f.toStdString()), &error);
  if (!bytes) {
    ReportFileError(f, QString::fromStdString(error));
    return;
  }
  std::string text = DecodeFileText(*bytes);
  std::vector<ColourEntry> entries;
  if (type == 2) {
    try {
      entries = ParseLstText(text);
    } catch (const ConversionError& e) {
      services_.ShowMessage(this, QString::fromUtf8(e.what()), MessageIcon::Error, MessageButtons::Ok);
      return;
    }
  } else if (type == 3) {
    // Adobe swatch files are read by the swatch reader, which is not part of this program yet.
    return;
  }

  if (replace) {
    Memo1.clear();
    listModel_->Reset([](ColourList& l) { l.Clear(); });
    saveDialogFileName_.clear();
    ListChanged = false;
  } else if (!list_.Empty()) {
    ListChanged = true;
  }
  UndoCount = 0;
  UndoLastChange1->setEnabled(false);
  Memo1 = std::move(text);

  if (type == 1) {
    CDTFileParser();
    saveDialogFileName_ = f;
    SetFileNameHint(f);
  } else if (type == 2) {
    // The LST text was read into entries above, so a bad colour could stop the load before
    // anything changed.
    AppendToList(std::move(entries));
    SelectItem(0, true);
    SetFileNameHint(f);
    saveDialogFilterIndex_ = 1;
    saveDialogFileName_ = QString::fromStdString(ChangeFileExt(ExtractFileName(f.toStdString()), ".CDT"));
  }
  if (PageControl1->isHidden()) BasicAdvancedShowHide();  // the list must be in view
  if (CustomColourListBox->isVisible()) CustomColourListBox->setFocus();
  UpdateCountLabel();
}

void TForm1::CDTFileParser() {
  Progress progress(*this);
  AppendToList(ParseCdtText(Memo1));
  SelectItem(0, true);
}

void TForm1::AppendToList(std::vector<ColourEntry> entries) {
  listModel_->Reset([&](ColourList& l) { l.Append(std::move(entries)); });
}

void TForm1::ParseDataForCDTFile() {
  if (list_.Empty()) return;
  Progress progress(*this);
  Memo1 = tintora::ParseDataForCDTFile(list_);
}

// ---------------------------------------------------------------- save

void TForm1::SaveSpeedButtonClick() {
  SuspendOnTop();
  if (!list_.Empty()) FileSaveAs1Execute();
  RestoreOnTop();
}

TForm1::SaveOutcome TForm1::FileSaveAs1Execute() {
  FileDialogRequest request;
  request.title = saveDialogTitle_;
  request.folder = saveDialogFolder_;
  request.fileName = saveDialogFileName_;
  request.filters = kSaveFilters;
  request.filterIndex = saveDialogFilterIndex_;
  request.typeChange = TypeChange(kSaveExtensions);
  const auto answer = services_.SaveFileDialog(this, request);
  if (!answer) return SaveOutcome::Cancelled;
  saveDialogFileName_ = answer->fileName;
  saveDialogFilterIndex_ = answer->filterIndex;
  saveDialogFolder_ = QFileInfo(answer->fileName).absolutePath();
  return FileSaveAs1Accept(answer->fileName, answer->filterIndex);
}

TForm1::SaveOutcome TForm1::FileSaveAs1Accept(const QString& f, int filterIndex) {
  setCursor(Qt::WaitCursor);
  struct RestoreCursor {
    QWidget* w;
    ~RestoreCursor() { w->unsetCursor(); }
  } restore{this};
  if (filterIndex != 1) return SaveOutcome::NothingToSave;  // the exports come with the swatch files
  // An empty list writes no file at all, rather than an empty or stale one.
  if (list_.Empty()) return SaveOutcome::NothingToSave;
  ParseDataForCDTFile();
  if (auto error = WriteFileAtomically(PathFromUtf8(f.toStdString()), EncodeFileText(Memo1))) {
    ReportFileError(f, QString::fromStdString(*error));
    return SaveOutcome::Failed;
  }
  SetFileNameHint(f);
  ListChanged = false;
  return SaveOutcome::Saved;
}

// ---------------------------------------------------------------- command line and drops

void TForm1::OpenCommandLineFile() {
  if (CommandLineText.isEmpty() || commandLineArguments_.isEmpty()) return;
  const int type = ListFileType(CommandLineText, false);
  if (type == 0) return;
  SetOpenDialog(commandLineArguments_.first(), type);
  CustomColourFileOpenAccept();
}

void TForm1::WMDropFiles(const QStringList& files) {
  for (const QString& file : files) {
    const int type = ListFileType(file, true);
    if (type == 0) continue;
    SetOpenDialog(file, type);
    Guarded([this] { CustomColourFileOpenAccept(); });
  }
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  QStringList files;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) files << url.toLocalFile();
  event->acceptProposedAction();
  Guarded([&] { WMDropFiles(files); });
}

}  // namespace tintora
