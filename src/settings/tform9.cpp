#include "settings/tform9.h"

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

TForm9::TForm9(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  setObjectName("Form9");
  // The main window waits while it is open.
  setWindowModality(Qt::WindowModal);
  setWindowTitle("Change Default Directory");

  DriveComboBox1 = Make<QComboBox>(this, "DriveComboBox1");
  DriveComboBox1->setAccessibleName("Drive");
  for (const QFileInfo& drive : QDir::drives())
    DriveComboBox1->addItem(QDir::toNativeSeparators(drive.absolutePath()));
  DirectoryListBox1 = Make<QTreeView>(this, "DirectoryListBox1");
  DirectoryListBox1->header()->hide();
  DirectoryListBox1->setAccessibleName("Folders");
  MinimumTextArea(DirectoryListBox1, 40, 12);
  Edit1 = Make<QLineEdit>(this, "Edit1");
  Edit1->setAccessibleName("Default folder");
  Button1 = Make<QPushButton>(this, "Button1", {}, "Accept");
  Button1->setDefault(true);
  Button2 = Make<QPushButton>(this, "Button2", {}, "Cancel");
  Button3 = Make<QPushButton>(this, "Button3", {}, "Reset to Default");
  QVBoxLayout* column = ColumnOn(this);
  column->addWidget(DriveComboBox1);
  column->addWidget(DirectoryListBox1, 1);
  column->addWidget(Edit1);
  column->addLayout(Row({Button1, Button2, Button3}));

  Link(DriveComboBox1, &QComboBox::currentTextChanged, this,
       [this](const QString&) { DriveComboBox1Change(); });
  // Its hint always says what it holds, however long.
  Link(Edit1, &QLineEdit::textChanged, this, [this](const QString& text) { Edit1->setToolTip(text); });
  // Closed first: the message that follows must not open behind this stay-on-top window.
  Link(Button1, &QPushButton::clicked, this, [this](bool) {
    close();
    emit DefaultDirChosen(Edit1->text());
  });
  Link(Button2, &QPushButton::clicked, this, [this](bool) { close(); });
  Link(Button3, &QPushButton::clicked, this, [this](bool) {
    close();
    emit DefaultDirChosen(QString());
  });
}

void TForm9::ShowAt(const QString& folder) {
  if (!folders_) {
    // The folder tree watches the disk; it is made when the window is first wanted, not at start.
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(DriveComboBox1->currentText());
    DirectoryListBox1->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) DirectoryListBox1->hideColumn(column);
    Link(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
         [this](const QModelIndex&, const QModelIndex&) { DirectoryListBox1Change(); });
  }
  const QModelIndex at = folders_->index(folder);
  if (at.isValid()) {
    DirectoryListBox1->setCurrentIndex(at);
    DirectoryListBox1->scrollTo(at);
  }
  Edit1->setText(QDir::toNativeSeparators(folder));
  show();
  raise();
  activateWindow();
}

void TForm9::DriveComboBox1Change() {
  if (!folders_) return;
  const QModelIndex drive = folders_->index(DriveComboBox1->currentText());
  if (drive.isValid()) DirectoryListBox1->setCurrentIndex(drive);
}

void TForm9::DirectoryListBox1Change() {
  const QModelIndex current = DirectoryListBox1->currentIndex();
  if (current.isValid()) Edit1->setText(QDir::toNativeSeparators(folders_->filePath(current)));
}

void TForm9::showEvent(QShowEvent* event) {
  emit Shown();
  QWidget::showEvent(event);
}

void TForm9::closeEvent(QCloseEvent* event) {
  emit Closed();
  QWidget::closeEvent(event);
}

}  // namespace tintora
