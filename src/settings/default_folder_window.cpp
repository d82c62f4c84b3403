#include "settings/default_folder_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "widgets/guarded.h"
#include "widgets/layouts.h"
#include "widgets/make.h"

namespace tintora {

DefaultFolderWindow::DefaultFolderWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  setObjectName("Form9");
  // The main window waits while it is open.
  setWindowModality(Qt::WindowModal);
  setWindowTitle("Change Default Directory");

  DriveCombo = Make<QComboBox>(this, "DriveComboBox1");
  DriveCombo->setAccessibleName("Drive");
  for (const QFileInfo& drive : QDir::drives())
    DriveCombo->addItem(QDir::toNativeSeparators(drive.absolutePath()));
  FolderTree = Make<QTreeView>(this, "DirectoryListBox1");
  FolderTree->header()->hide();
  FolderTree->setAccessibleName("Folders");
  MinimumTextArea(FolderTree, 40, 12);
  FolderEdit = Make<QLineEdit>(this, "Edit1");
  FolderEdit->setAccessibleName("Default folder");
  AcceptButton = Make<QPushButton>(this, "Button1", {}, "Accept");
  AcceptButton->setDefault(true);
  CancelButton = Make<QPushButton>(this, "Button2", {}, "Cancel");
  ResetButton = Make<QPushButton>(this, "Button3", {}, "Reset to Default");
  QVBoxLayout* column = ColumnOn(this);
  column->addWidget(DriveCombo);
  column->addWidget(FolderTree, 1);
  column->addWidget(FolderEdit);
  column->addLayout(Row({AcceptButton, CancelButton, ResetButton}));

  Link(DriveCombo, &QComboBox::currentTextChanged, this, [this](const QString&) { DriveComboChange(); });
  // Its hint always says what it holds, however long.
  Link(FolderEdit, &QLineEdit::textChanged, this,
       [this](const QString& text) { FolderEdit->setToolTip(text); });
  // Closed first: the message that follows must not open behind this stay-on-top window.
  Link(AcceptButton, &QPushButton::clicked, this, [this](bool) {
    close();
    emit DefaultDirChosen(FolderEdit->text());
  });
  Link(CancelButton, &QPushButton::clicked, this, [this](bool) { close(); });
  Link(ResetButton, &QPushButton::clicked, this, [this](bool) {
    close();
    emit DefaultDirChosen(QString());
  });
}

void DefaultFolderWindow::ShowAt(const QString& folder) {
  if (!folders_) {
    // The folder tree watches the disk; it is made when the window is first wanted, not at start.
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(DriveCombo->currentText());
    FolderTree->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) FolderTree->hideColumn(column);
    Link(FolderTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
         [this](const QModelIndex&, const QModelIndex&) { FolderTreeChange(); });
  }
  const QModelIndex at = folders_->index(folder);
  if (at.isValid()) {
    FolderTree->setCurrentIndex(at);
    FolderTree->scrollTo(at);
  }
  FolderEdit->setText(QDir::toNativeSeparators(folder));
  show();
  raise();
  activateWindow();
}

void DefaultFolderWindow::DriveComboChange() {
  if (!folders_) return;
  const QModelIndex drive = folders_->index(DriveCombo->currentText());
  if (drive.isValid()) FolderTree->setCurrentIndex(drive);
}

void DefaultFolderWindow::FolderTreeChange() {
  const QModelIndex current = FolderTree->currentIndex();
  if (current.isValid()) FolderEdit->setText(QDir::toNativeSeparators(folders_->filePath(current)));
}

void DefaultFolderWindow::showEvent(QShowEvent* event) {
  emit Shown();
  QWidget::showEvent(event);
}

void DefaultFolderWindow::closeEvent(QCloseEvent* event) {
  emit Closed();
  QWidget::closeEvent(event);
}

}  // namespace tintora
