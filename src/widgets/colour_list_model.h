// The colour list as every room shares it: its entries, shown by the list view (one row per
// entry, the name as text and the colour for the swatch), and the state that goes with the
// list rather than with any pane: whether it changed since it was saved, its undo and redo
// steps, the file it came from and the name the save dialog proposes.
#pragma once

#include <optional>

#include <QAbstractListModel>
#include <QString>

#include "core/formats/palette_file.h"
#include "core/list/colour_list.h"
#include "core/list/undo_history.h"

namespace tintora {

class ColourListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  // The colour of a row as 0xRRGGBB, nothing when its value is not a colour.
  static constexpr int kColourRole = Qt::UserRole + 1;
  // Mime type of dragged list entries (their CDT lines).
  static constexpr const char* kMimeType = "application/x-tintora-colour-entries";

  explicit ColourListModel(QObject* parent = nullptr);

  const ColourList& List() const { return list_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  Qt::DropActions supportedDropActions() const override;
  Qt::DropActions supportedDragActions() const override;

  // Changes go through the model so the view hears of them.
  void InsertEntry(int row, ColourEntry entry);
  void RenameEntry(int row, std::string name);
  void MoveEntry(int from, int to);
  void AppendEntries(std::vector<ColourEntry> entries);
  // Any larger change: the view rebuilds from the list afterwards.
  template <typename Change>
  void Reset(Change change) {
    beginResetModel();
    change(list_);
    endResetModel();
  }
  // The entries' values change in place (same rows, the selection stays).
  template <typename Change>
  void ChangeValues(Change change) {
    change(list_);
    ValuesChanged();
  }
  void ValuesChanged();

  // Changed since it was last saved or loaded (the save questions ask about it).
  bool ListChanged() const { return listChanged_; }
  void SetListChanged(bool changed) { listChanged_ = changed; }

  // An undo step: the entries as they are before a change. The steps that could be redone go.
  void StoreUndo();
  // The same for a change made in several steps: `before` is the list as it was at the start.
  void StoreUndo(const std::vector<ColourEntry>& before);
  bool UndoAvailable() const { return history_.UndoSteps() > 0; }
  bool RedoAvailable() const { return history_.RedoSteps() > 0; }
  // The entries come back from the newest undo (or redo) step; the list counts as changed.
  void UndoLastChange();
  void RedoLastChange();
  // A list of its own (a file that replaces it): the steps of the one before are no use to it.
  void ForgetUndo();

  // The file the list is known by ("Untitled" until it is loaded or saved).
  const QString& FileName() const { return fileName_; }
  void SetFileName(const QString& path);
  // The name the save dialog proposes; empty for a new list.
  const QString& SaveDialogFileName() const { return saveDialogFileName_; }
  void SetSaveDialogFileName(const QString& name) { saveDialogFileName_ = name; }

  // The palette's own name and grid columns, from a file that keeps them (GIMP, Krita ...);
  // saved again, they go back into the file rather than the file's name. Empty for a new list.
  const std::string& PaletteTitle() const { return paletteTitle_; }
  int PaletteColumns() const { return paletteColumns_; }
  void SetPalette(std::string title, int columns) {
    paletteTitle_ = std::move(title);
    paletteColumns_ = columns;
  }

  // A new, empty, unchanged list without a file name to save to. The undo steps stay: whoever
  // empties a list the user made records a step first.
  void NewList();

  // A list read from a file joins the list, replacing it or added after it. A replaced list's
  // steps are forgotten, while an added file is one undo step; a file cut short (`cut`) brings
  // only part of itself, so the list as it was stays one undo away and the list counts as
  // changed. The file's own name and grid go with the list it becomes, not with one it is
  // added to.
  void TakeFileList(ListReadResult&& read, bool replace);

 signals:
  void UndoAvailableChanged(bool undo, bool redo);
  void FileNameChanged(const QString& path);

 private:
  ColourList list_;
  bool listChanged_ = false;
  void TakeStep(std::optional<std::vector<ColourEntry>> step);
  void HistoryChanged();

  UndoHistory history_;
  QString fileName_ = "Untitled";
  QString saveDialogFileName_;
  std::string paletteTitle_;
  int paletteColumns_ = 0;
};

}  // namespace tintora
