// ColourCheckListBox: the text colourizer's colours, each a check box, a small swatch and the
// entry's name. Filled by dragging entries from the colour list; its own entries are dragged
// to move them, or back to the colour list to copy them there.
#pragma once

#include <vector>

#include <QListWidget>

#include "core/colourizer/colourizer.h"
#include "core/list/colour_list.h"

namespace tintora {

class ColourCheckList : public QListWidget {
  Q_OBJECT
 public:
  static constexpr int kRowHeight = 13;
  explicit ColourCheckList(QWidget* parent);

  std::vector<TextColourEntry> Entries() const;
  // Appends entries unchecked, in order.
  void AppendEntries(const std::vector<ColourEntry>& entries);
  // The current item moves to the row under a point (below the last row: to the end).
  void MoveCurrentTo(const QPoint& viewportPos);
  // Deletes the selected items; the one before the first deleted becomes current.
  void DeleteSelected();

 signals:
  // Entries of another list were dropped here.
  void EntriesDropped(const QByteArray& cdtLines);
  // One of this list's own items was dropped at a point.
  void MovedWithin(QPoint viewportPos);
  void RightPressed();
  void KeyPressed(QKeyEvent* event, bool* consumed);

 protected:
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tintora
