// The save half of the list files: the save command, its dialog and dispatch to the writers,
// and the Save As Options window.
#include "formats/list_files.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "core/formats/file_names.h"
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
  request.typeOfName = SaveTypeOfName();
  const auto answer = services_.SaveFileDialog(window_, request);
  if (!answer) return SaveOutcome::Cancelled;
  const QString typed = answer->fileName;
  SaveTarget target = SaveTargetOf(typed.toStdString(), SaveFilterFormat(answer->filterIndex),
                                   answer->filterIndex != request.filterIndex);
  if (target.conflict && !SettleTypeConflict(target)) return SaveOutcome::Cancelled;
  const QString fileName = QString::fromStdString(target.path);
  // The dialog asked about replacing the name it was given, not one with an extension added.
  if (fileName != typed && QFileInfo::exists(fileName)) {
    const MessageAnswer replace = services_.ShowMessage(
        window_, QString("Save:\r\n\r\n\"%1\" already exists.\r\nDo you want to replace it?").arg(fileName),
        MessageIcon::Warning, MessageButtons::YesNo);
    if (replace != MessageAnswer::Yes) return SaveOutcome::Cancelled;
  }
  model_.SetSaveDialogFileName(fileName);
  saveDialogFormat_ = target.format;  // the type box opens on what was written
  saveDialogFolder_ = QFileInfo(fileName).absolutePath();
  return SaveAsAccept(fileName, target.format);
}

bool ListFiles::SettleTypeConflict(SaveTarget& target) {
  const ListFormatInfo& named = InfoOf(*target.conflict);
  const ListFormatInfo& chosen = InfoOf(target.format);
  const MessageAnswer answer = services_.ShowMessage(
      window_,
      QString("Save:\r\n\r\n\"%1\" is named as a %2 file, but the type chosen is %3.\r\n\r\n"
              "Yes saves it as a %2; No saves it as %3 with the name \"%4\".")
          .arg(QString::fromStdString(ExtractFileName(target.path)), QString::fromUtf8(named.description),
               QString::fromUtf8(chosen.description),
               QString::fromStdString(ExtractFileName(ChangeFileExt(target.path, chosen.extension)))),
      MessageIcon::Question, MessageButtons::YesNoCancel);
  if (answer == MessageAnswer::Cancel) return false;
  if (answer == MessageAnswer::Yes)
    target.format = *target.conflict;
  else
    target.path = ChangeFileExt(target.path, chosen.extension);
  target.conflict.reset();
  return true;
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
      model_.PaletteTitle().empty() ? NameWithoutExtension(f.toStdString()) : model_.PaletteTitle();
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
