// Opening and saving the colour list: the Load button and its question, the open and save
// dialogs with their file types, the append question, the CDT and LST readers, the save
// dispatch, and files named on the command line or dropped on the window.
#pragma once

#include <memory>

#include <QObject>
#include <QString>
#include <QStringList>

#include "widgets/list_saver.h"

class QAction;
class QWidget;

namespace tintora {

class ColourListModel;
class ProgressDisplay;
class Services;
class SpeedButton;
class StayOnTop;
class TSaveAsOptions;

class ListFiles : public QObject, public ListSaver {
  Q_OBJECT
 public:
  // `defaultFolder`: where the dialogs open until the user has gone elsewhere.
  ListFiles(QWidget* sources, QWidget* window, std::unique_ptr<TSaveAsOptions> options,
            ColourListModel& model, ProgressDisplay& progress, StayOnTop& onTop, Services& services,
            const QString& defaultFolder);
  ~ListFiles() override;

  // Loads the file named in the open dialog, by its filter index (1 CDT, 2 LST, 3 ACO).
  void CustomColourFileOpenAccept();
  // The save command: the save dialog, then the save dispatch.
  SaveOutcome FileSaveAs1Execute(const QString& title = {}) override;
  SaveOutcome FileSaveAs1Accept(const QString& fileName, int filterIndex);
  void SaveSpeedButtonClick();
  // The command line's text (its arguments joined with blanks) names a list to open.
  void OpenCommandLineFile(const QString& commandLineText, const QStringList& arguments);
  // Files dropped on the main window, in the order given.
  void WMDropFiles(const QStringList& files);
  // The open dialog's file name and filter index, as a direct caller sets them.
  void SetOpenDialog(const QString& fileName, int filterIndex);
  QString SaveDialogFileName() const;
  int SaveDialogFilterIndex() const { return saveDialogFilterIndex_; }
  TSaveAsOptions* SaveAsOptions() const { return options_.get(); }

 signals:
  // A list was read into the list.
  void ListLoaded();

 private:
  void LoadSpeedButtonMouseUp(Qt::MouseButton button);
  void CustomColourFileOpenExecute();
  bool SaveQuestion(const QString& operation);  // false: the user cancelled
  // A failed read or write, with the system's reason.
  void ReportFileError(const QString& fileName, const QString& reason);

  QWidget* window_;
  std::unique_ptr<TSaveAsOptions> options_;
  ColourListModel& model_;
  ProgressDisplay& progress_;
  StayOnTop& onTop_;
  Services& services_;

  SpeedButton* LoadSpeedButton = nullptr;
  QAction* CustomColourFileOpen = nullptr;
  QAction* FileSaveAs1 = nullptr;
  QString openDialogFileName_;
  int openDialogFilterIndex_ = 1;
  QString openDialogFolder_;
  int saveDialogFilterIndex_ = 1;
  QString saveDialogFolder_;
};

}  // namespace tintora
