#include "colourlist/colour_list_view.h"

#include <algorithm>

#include <QDropEvent>
#include <QMimeData>
#include <QPainter>

#include "widgets/colour_list_model.h"
#include "widgets/colour_panel.h"

namespace tintora {

int ColourListDelegate::RowHeight(const QFontMetrics& metrics) {
  return std::max(ColourListView::kRowHeight, metrics.height() + 1);
}

void ColourListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const QRect r = option.rect;
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const QPalette& pal = option.palette;
  painter->save();
  painter->fillRect(r, selected ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base));
  painter->setPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
  painter->setFont(option.font);
  // The swatch is as tall as the row, which is as tall as the font.
  const int side = r.height() - 2;
  painter->drawText(QRect(r.left() + side + 4, r.top(), r.width() - side - 4, r.height()),
                    Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());

  const QRect swatch(r.left() + 2, r.top() + 1, side, side);
  const QVariant colour = index.data(ColourListModel::kColourRole);
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setPen(Qt::black);
  if (colour.isValid()) {
    painter->setBrush(ToQColor(Rgb8::OfPixel(colour.toUInt())));
    painter->drawRoundedRect(swatch.adjusted(0, 0, -1, -1), 1, 1);
  } else {
    // A value that is not a colour (only hand-edited files have those): a crossed-out swatch.
    painter->setBrush(Qt::white);
    painter->drawRoundedRect(swatch.adjusted(0, 0, -1, -1), 1, 1);
    painter->setPen(Qt::red);
    painter->drawLine(swatch.topLeft(), swatch.bottomRight() - QPoint(1, 1));
  }
  painter->restore();
}

QSize ColourListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const int height = RowHeight(option.fontMetrics);
  return {QStyledItemDelegate::sizeHint(option, index).width() + height + 2, height};
}

ColourListView::ColourListView(QWidget* parent) : QListView(parent) {
  setObjectName("CustomColourListBox");
  setItemDelegate(new ColourListDelegate(this));
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
  setCursor(Qt::PointingHandCursor);
  setContextMenuPolicy(Qt::CustomContextMenu);
}

int ColourListView::RowAt(const QPoint& viewportPos) const {
  if (!model() || model()->rowCount() == 0) return -1;
  const QModelIndex i = indexAt(viewportPos);
  return i.isValid() ? i.row() : model()->rowCount();
}

namespace {
bool Acceptable(const QMimeData* mime) { return mime && mime->hasFormat(ColourListModel::kMimeType); }
}  // namespace

void ColourListView::dragEnterEvent(QDragEnterEvent* event) {
  if (Acceptable(event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void ColourListView::dragMoveEvent(QDragMoveEvent* event) {
  if (Acceptable(event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void ColourListView::dropEvent(QDropEvent* event) {
  if (!Acceptable(event->mimeData())) {
    event->ignore();
    return;
  }
  // The drop handler moves or copies itself; the view must not also remove the dragged rows.
  event->setDropAction(Qt::CopyAction);
  event->accept();
  emit EntriesDropped(event->source(), event->position().toPoint(),
                      event->mimeData()->data(ColourListModel::kMimeType));
}

void ColourListView::keyPressEvent(QKeyEvent* event) {
  bool consumed = false;
  emit KeyPressed(event, &consumed);
  if (!consumed) QListView::keyPressEvent(event);
}

}  // namespace tintora
