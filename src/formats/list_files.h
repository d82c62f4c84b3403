// Opening and saving the colour list: the Load button and its question, the open and save
// dialogs with their file types, the append question, the save dispatch, and files named on the
// command line or dropped on the window. The files themselves are read and written by the core
// (ReadListFile, WriteListFile).
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QObject>

#include <QString>
#include <QStringList>
#include "core/formats/list_formats.h"

#include "core/formats/palette_file.h"
#include "core/list/colour_list.h"
#include "widgets/list_saver.h"
#include "widgets/made_on_first_use.h"

class QAction;
class QWidget;

namespace tintora {

class ColourListModel;
class DebugPanel;
class ProgressDisplay;
class SettingsStore;
struct SettingsValues;
class PopupMenu;
class Services;
class SpeedButton;
class StayOnTop;
class SaveAsOptionsWindow;

// The shared objects the list's files go through.
struct ListFilesParts {
  ColourListModel& model;
  ProgressDisplay& progress;
  StayOnTop& onTop;
  Services& services;
  SettingsStore& settings;
};

class ListFiles : public QObject, public ListSaver {
  Q_OBJECT
 public:
  // `defaultFolder`: where the dialogs open until the user has gone elsewhere.
  ListFiles(QWidget* sources, QWidget* window, MadeOnFirstUse<SaveAsOptionsWindow> options,
            const ListFilesParts& parts, const QString& defaultFolder);
  ~ListFiles() override;

  // Loads the file named in the open dialog, by its extension when it has one Tintora knows,
  // otherwise as the format picked in the dialog.
  void CustomColourFileOpenAccept();
  // The save command: the save dialog, then the save dispatch.
  SaveOutcome SaveAsExecute(const QString& title = {}) override;
  SaveOutcome SaveAsAccept(const QString& fileName, ListFormat format);
  void SaveSpeedButtonClick();
  // The right button on the Save button: the Save As Options window.
  void SaveSpeedButtonMouseUp(Qt::MouseButton button);
  // Where the Adobe swatch reader shows the sections it found.
  void SetDebugPanel(DebugPanel* debug) { debug_ = debug; }
  // Lists named on the command line: the first opens, the others are appended in order.
  void OpenCommandLineFiles(const QStringList& arguments);
  // Files dropped on the main window, in the order given.
  void WMDropFiles(const QStringList& files);
  // The open dialog's file name and the format picked in it, as a direct caller sets them.
  void SetOpenDialog(const QString& fileName, std::optional<ListFormat> format);
  QString SaveDialogFileName() const;
  const QString& OpenDialogFolder() const { return openDialogFolder_; }

  // The settings file's "Start" section (where the dialogs open, the list to open again) and
  // the "Auto Load Last Loaded File" item.
  void ApplySettings(const SettingsValues& values);
  // At close, while auto-load is on: the list last opened is remembered for the next start.
  void AutoOpenNameSave();
  // At start, while auto-load is on: that list opens again.
  void AutoOpenFileOnStartup();
  ListFormat SaveDialogFormat() const { return saveDialogFormat_; }
  SaveAsOptionsWindow* SaveAsOptions();

 signals:
  // A list was read into the list.
  void ListLoaded();
  // "Change Default Directory" in the Load button's menu.
  void ChangeDefaultDirectoryRequested();

 private:
  void LoadSpeedButtonMouseUp(Qt::MouseButton button);
  void SetAutoOpenFlag();
  void CustomColourFileOpenExecute();
  bool SaveQuestion(const QString& operation);  // false: the user cancelled
  // The typed name says one format and the picked type another: the user says which goes,
  // and the name follows; false when they cancel.
  bool SettleTypeConflict(SaveTarget& target);
  // Reads a list file of a format into the list; `askToAppend`: a list already there may be kept
  // (the question) or is appended to without asking. False when the file was refused.
  bool OpenListFile(const QString& fileName, ListFormat format, bool askToAppend);
  // What the file holds, or nullopt once the user has been told why there is nothing to take.
  std::optional<ListReadResult> ReadListFile(const QString& fileName, ListFormat format);
  // A failed read or write, with the system's reason.
  void ReportFileError(const QString& fileName, const QString& reason);
  // A file that is no colour list Tintora reads: why, after its name.
  void Refuse(const QString& fileName, const QString& why);

  QWidget* window_;
  MadeOnFirstUse<SaveAsOptionsWindow> options_;
  ColourListModel& model_;
  ProgressDisplay& progress_;
  StayOnTop& onTop_;
  Services& services_;
  SettingsStore& settings_;
  DebugPanel* debug_ = nullptr;

  SpeedButton* LoadSpeedButton = nullptr;
  PopupMenu* AutoLoadPopupExt = nullptr;
  QAction* AutoLoadLastFileAction = nullptr;
  QAction* ChangeDefaultDirectoryAction = nullptr;
  QAction* CustomColourFileOpen = nullptr;
  QAction* SaveAsAction = nullptr;
  QString openDialogFileName_;
  std::optional<ListFormat> openDialogFormat_ = ListFormat::Cdt;  // nullopt: "All Files"
  QString openDialogFolder_;
  ListFormat saveDialogFormat_ = ListFormat::Cdt;
  QString saveDialogFolder_;
  // The list last opened or saved: what auto-load opens at the next start.
  QString lastUsed_;
};

}  // namespace tintora
