#include "widgets/colour_list_model.h"

#include "core/formats/cdt.h"
#include "widgets/colour_drag.h"

#include <algorithm>
#include <optional>

#include <QMimeData>

namespace tintora {

ColourListModel::ColourListModel(QObject* parent) : QAbstractListModel(parent) {}

int ColourListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.Count());
}

QVariant ColourListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 || static_cast<std::size_t>(index.row()) >= list_.Count())
    return {};
  const ColourEntry& e = list_.At(static_cast<std::size_t>(index.row()));
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(e.name);
    case kColourRole: {
      // Read when the entry came into the list: a repaint reads no text.
      const std::optional<Rgb8> colour = list_.ColourAt(static_cast<std::size_t>(index.row()));
      return colour ? QVariant(colour->Packed()) : QVariant();
    }
    default:
      return {};
  }
}

Qt::ItemFlags ColourListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList ColourListModel::mimeTypes() const { return {kMimeType}; }

QMimeData* ColourListModel::mimeData(const QModelIndexList& indexes) const {
  ColourList dragged;
  std::vector<Rgb8> colours;
  for (const QModelIndex& i : indexes) {
    if (!i.isValid()) continue;
    const auto row = static_cast<std::size_t>(i.row());
    dragged.Append(list_.At(row));
    if (const std::optional<Rgb8> colour = list_.ColourAt(row)) colours.push_back(*colour);
  }
  // Other programs take the colours; the list itself takes its entries, names and all.
  QMimeData* mime = ColourMimeData(colours);
  mime->setData(kMimeType, QByteArray::fromStdString(ParseDataForCDTFile(dragged)));
  return mime;
}

Qt::DropActions ColourListModel::supportedDropActions() const { return Qt::MoveAction | Qt::CopyAction; }
Qt::DropActions ColourListModel::supportedDragActions() const { return Qt::MoveAction | Qt::CopyAction; }

void ColourListModel::InsertEntry(int row, ColourEntry entry) {
  row = std::clamp(row, 0, static_cast<int>(list_.Count()));
  beginInsertRows({}, row, row);
  list_.Insert(static_cast<std::size_t>(row), std::move(entry));
  endInsertRows();
}

void ColourListModel::RenameEntry(int row, std::string name) {
  if (row < 0 || static_cast<std::size_t>(row) >= list_.Count()) return;
  list_.Rename(static_cast<std::size_t>(row), std::move(name));
  emit dataChanged(index(row), index(row));
}

void ColourListModel::MoveEntry(int from, int to) {
  const int count = static_cast<int>(list_.Count());
  if (from < 0 || from >= count || to < 0 || to >= count || from == to) return;
  // Qt counts the destination before the move; the list after it.
  beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
  list_.Move(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
  endMoveRows();
}

void ColourListModel::AppendEntries(std::vector<ColourEntry> entries) {
  if (entries.empty()) return;
  const int first = static_cast<int>(list_.Count());
  beginInsertRows({}, first, first + static_cast<int>(entries.size()) - 1);
  list_.Append(std::move(entries));
  endInsertRows();
}

void ColourListModel::ValuesChanged() {
  if (list_.Count() > 0) emit dataChanged(index(0), index(static_cast<int>(list_.Count()) - 1));
}

void ColourListModel::StoreUndo() { StoreUndo(list_.Entries()); }

void ColourListModel::StoreUndo(const std::vector<ColourEntry>& before) {
  history_.Record(before);
  HistoryChanged();
}

void ColourListModel::TakeStep(std::optional<std::vector<ColourEntry>> step) {
  if (step) {
    Reset([&](ColourList& l) { l.Replace(std::move(*step)); });
    listChanged_ = true;
  }
  HistoryChanged();
}

void ColourListModel::UndoLastChange() { TakeStep(history_.Undo(list_.Entries())); }
void ColourListModel::RedoLastChange() { TakeStep(history_.Redo(list_.Entries())); }

void ColourListModel::ForgetUndo() {
  history_.Clear();
  HistoryChanged();
}

void ColourListModel::HistoryChanged() { emit UndoAvailableChanged(UndoAvailable(), RedoAvailable()); }

void ColourListModel::SetFileName(const QString& path) {
  fileName_ = path;
  emit FileNameChanged(path);
}

void ColourListModel::NewList() {
  Reset([](ColourList& l) { l.Clear(); });
  saveDialogFileName_.clear();
  SetPalette({}, 0);
  listChanged_ = false;
}

void ColourListModel::TakeFileList(ListReadResult&& read, bool replace) {
  const bool cut = read.status == ListReadResult::Status::Cut;
  std::vector<ColourEntry> before;
  if (cut || !replace) before = list_.Entries();
  if (replace) {
    ForgetUndo();
    NewList();
  } else if (!list_.Empty()) {
    SetListChanged(true);
  }
  if (list_.Empty()) SetPalette(std::move(read.title), read.columns);
  AppendEntries(std::move(read.entries));
  if (cut || !replace) StoreUndo(before);
  if (cut) SetListChanged(true);
}

}  // namespace tintora
