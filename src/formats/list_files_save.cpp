// The save half of the list files: the save command, its dialog and dispatch to the writers,
// and the Save As Options window.
#include "formats/list_files.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "core/formats/list_formats.h"
#include "core/io/file_io.h"
#include "formats/list_file_types.h"
#include "formats/save_as_options.h"
#include "widgets/centre.h"
#include "widgets/colour_list_model.h"
#include "widgets/progress_display.h"
#include "widgets/services.h"
#include "widgets/stay_on_top.h"

namespace tintora {

using namespace list_file_types;

void ListFiles::SaveSpeedButtonClick() {
  const OnTopSuspension suspended(onTop_);
  if (!model_.List().Empty()) SaveAsExecute();
}

SaveOutcome ListFiles::SaveAsExecute(const QString& title) {
  // The colour folder is made the first time it is saved into; where it cannot be, the dialog
  // opens in the folder above it.
  if (!QDir().mkpath(saveDialogFolder_)) saveDialogFolder_ = QFileInfo(saveDialogFolder_).absolutePath();
  FileDialogRequest request;
  request.title = title.isEmpty() ? QString("Tintora: Save Custom Colour List") : title;
  request.folder = saveDialogFolder_;
  request.fileName = model_.SaveDialogFileName();
  request.filters = SaveFilters();
  request.filterIndex = std::max(1, SaveFilterOf(saveDialogFormat_));
  request.typeChange = SaveTypeChange();
  const auto answer = services_.SaveFileDialog(window_, request);
  if (!answer) return SaveOutcome::Cancelled;
  model_.SetSaveDialogFileName(answer->fileName);
  saveDialogFormat_ = SaveFilterFormat(answer->filterIndex);
  saveDialogFolder_ = QFileInfo(answer->fileName).absolutePath();
  return SaveAsAccept(answer->fileName, saveDialogFormat_);
}

SaveOutcome ListFiles::SaveAsAccept(const QString& f, ListFormat format) {
  window_->setCursor(Qt::WaitCursor);
  struct RestoreCursor {
    QWidget* w;
    ~RestoreCursor() { w->unsetCursor(); }
  } restore{window_};
  if (!InfoOf(format).writes) return SaveOutcome::NothingToSave;
  // An empty list writes no file at all, rather than an empty or stale one.
  if (model_.List().Empty()) return SaveOutcome::NothingToSave;
  ListWriteOptions options;
  options.html = options_->Options();
  options.actAdobeTable = options_->ActAdobeTable();
  // A palette keeps the name it came with; a list of Tintora's own is named by its file.
  options.title =
      model_.PaletteTitle().empty() ? QFileInfo(f).completeBaseName().toStdString() : model_.PaletteTitle();
  options.columns = model_.PaletteColumns();
  ListWriteResult written;
  {
    Progress progress(progress_);
    written = WriteListFile(format, model_.List(), options);
  }
  if (!written.Ok()) {
    services_.ShowMessage(window_,
                          QString("Save:\r\n\r\n\"%1\" was not written.\r\n\r\n%2")
                              .arg(f, QString::fromStdString(written.error)),
                          MessageIcon::Warning, MessageButtons::Ok);
    return SaveOutcome::Failed;
  }
  if (auto error = WriteFileAtomically(PathFromUtf8(f.toStdString()), written.bytes)) {
    ReportFileError(f, QString::fromStdString(*error));
    return SaveOutcome::Failed;
  }
  // Only the program's own list file makes the list saved; the exports leave it as it was.
  if (format != ListFormat::Cdt) return SaveOutcome::Saved;
  model_.SetFileName(f);
  model_.SetListChanged(false);
  lastUsed_ = f;  // a list saved is a list used: it opens again next time too
  return SaveOutcome::Saved;
}

void ListFiles::SaveSpeedButtonMouseUp(Qt::MouseButton button) {
  if (button != Qt::RightButton) return;
  onTop_.SuspendOnTop();
  options_->adjustSize();
  options_->move(CentreOver(window_->frameGeometry(), options_->size()));
  options_->show();
  options_->raise();
  options_->activateWindow();
}

}  // namespace tintora
