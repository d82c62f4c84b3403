// TForm9 ("Change Default Directory"): chooses the folder in which the open and save dialogs
// start, from the next start on.
#pragma once

#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace tintora {

class TForm9 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm9(QWidget* parent = nullptr);

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
  QComboBox* DriveComboBox1 = nullptr;
  QTreeView* DirectoryListBox1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* Button1 = nullptr;  // Accept
  QPushButton* Button2 = nullptr;  // Cancel
  QPushButton* Button3 = nullptr;  // Reset to Default
  void DriveComboBox1Change();
  void DirectoryListBox1Change();

  QFileSystemModel* folders_ = nullptr;
};

}  // namespace tintora
