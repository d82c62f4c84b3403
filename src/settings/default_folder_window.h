// DefaultFolderWindow ("Change Default Directory"): chooses the folder in which the open and save dialogs
// start, from the next start on.
#pragma once

#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace tintora {

class DefaultFolderWindow : public QWidget {
  Q_OBJECT
 public:
  explicit DefaultFolderWindow(QWidget* parent = nullptr);

  // Opens on the dialogs' current folder.
  void ShowAt(const QString& folder);

 signals:
  // Accept (the chosen folder) or Reset to Default (an empty one).
  void DefaultDirChosen(const QString& folder);
  void Shown();
  void Closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QComboBox* DriveCombo = nullptr;
  QTreeView* FolderTree = nullptr;
  QLineEdit* FolderEdit = nullptr;
  QPushButton* AcceptButton = nullptr;  // Accept
  QPushButton* CancelButton = nullptr;  // Cancel
  QPushButton* ResetButton = nullptr;   // Reset to Default
  void DriveComboChange();
  void FolderTreeChange();

  QFileSystemModel* folders_ = nullptr;
};

}  // namespace tintora
