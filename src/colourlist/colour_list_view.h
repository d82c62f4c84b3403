// CustomColourListBox: the colour list's view, rows of at least 13 pixels (the font's height), each a small
// swatch with a black outline followed by the name; several entries can be selected; entries are dragged to
// move them or to copy them to the text colourizer.
#pragma once

#include <QListView>
#include <QStyledItemDelegate>

namespace tintora {

class ColourListDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // At least 13 pixels, and as tall as the font wants.
  static int RowHeight(const QFontMetrics& metrics);
};

class ColourListView : public QListView {
  Q_OBJECT
 public:
  static constexpr int kRowHeight = 13;
  explicit ColourListView(QWidget* parent = nullptr);

  // The row at a point of the viewport; the row count below the last entry; -1 on an empty list.
  int RowAt(const QPoint& viewportPos) const;

 signals:
  // Entries from `source` (this list, or another list of the program) were dropped at a point.
  void EntriesDropped(QObject* source, QPoint viewportPos, const QByteArray& cdtLines);
  void KeyPressed(QKeyEvent* event, bool* consumed);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tintora
