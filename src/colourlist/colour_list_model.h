// The colour list as the list view sees it: one row per entry, the name as text and the colour
// for the swatch. The list itself stays the single source; the model only reports changes.
#pragma once

#include <QAbstractListModel>

#include "colourlist/colour_list.h"

namespace tintora {

class ColourListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  // The colour value of a row (red in the low byte), -1 when its value is not a colour.
  static constexpr int kColourRole = Qt::UserRole + 1;
  // Mime type of dragged list entries (their CDT lines).
  static constexpr const char* kMimeType = "application/x-tintora-colour-entries";

  explicit ColourListModel(ColourList& list, QObject* parent = nullptr);

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
  // Any larger change: the view rebuilds from the list afterwards.
  template <typename Change>
  void Reset(Change change) {
    beginResetModel();
    change(list_);
    endResetModel();
  }
  // The list's values changed in place (same rows).
  void ValuesChanged();

  ColourList& List() { return list_; }

 private:
  ColourList& list_;
};

}  // namespace tintora
