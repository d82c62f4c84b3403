#include "colourizer/colour_check_list.h"

#include <algorithm>

#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>

#include "core/formats/cdt.h"
#include "core/formats/colour_list_files.h"
#include "widgets/colour_list_model.h"
#include "widgets/colour_panel.h"

namespace tintora {

namespace {

constexpr int kValueRole = Qt::UserRole + 1;

// The entry's colour as a small rounded swatch with a black outline.
QIcon Swatch(const std::string& value) {
  QPixmap pixmap(12, 12);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::black);
  p.setBrush(ToQColor(Rgb8::OfHex(value).value_or(Rgb8{})));
  p.drawRoundedRect(QRectF(0.5, 0.5, 11, 11), 2, 2);
  return QIcon(pixmap);
}

bool Acceptable(const QMimeData* mime) { return mime && mime->hasFormat(ColourListModel::kMimeType); }

}  // namespace

ColourCheckList::ColourCheckList(QWidget* parent) : QListWidget(parent) {
  setObjectName("ColourCheckListBox");
  setToolTip("Colour selection box. (Right Click to delete item)");
  setCursor(Qt::PointingHandCursor);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::CopyAction);
  setIconSize(QSize(12, 12));
  setUniformItemSizes(true);
}

std::vector<TextColourEntry> ColourCheckList::Entries() const {
  std::vector<TextColourEntry> entries;
  entries.reserve(static_cast<std::size_t>(count()));
  for (int i = 0; i < count(); ++i) {
    const QListWidgetItem* it = item(i);
    entries.push_back({it->text().toStdString(), it->data(kValueRole).toString().toStdString(),
                       it->checkState() == Qt::Checked});
  }
  return entries;
}

void ColourCheckList::AppendEntries(const std::vector<ColourEntry>& entries) {
  const QSignalBlocker quiet(this);  // unchecked colours change nothing the preview shows
  for (const ColourEntry& e : entries) {
    auto* it = new QListWidgetItem(Swatch(e.value), QString::fromStdString(e.name), this);
    it->setData(kValueRole, QString::fromStdString(e.value));
    it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled);
    it->setCheckState(Qt::Unchecked);
    it->setSizeHint(QSize(0, std::max(kRowHeight, fontMetrics().height()) + 2));
  }
}

void ColourCheckList::MoveCurrentTo(const QPoint& pos) {
  const int from = currentRow();
  if (from < 0 || count() == 0) return;
  const QListWidgetItem* under = itemAt(pos);
  const int to = std::max(0, under ? row(under) : count() - 1);
  if (to == from) return;
  const QSignalBlocker quiet(this);
  QListWidgetItem* moving = takeItem(from);
  insertItem(to, moving);
  setCurrentRow(to, QItemSelectionModel::ClearAndSelect);
}

void ColourCheckList::DeleteSelected() {
  std::vector<int> rows;
  for (const QModelIndex& i : selectionModel()->selectedIndexes()) rows.push_back(i.row());
  if (rows.empty()) return;
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  const QSignalBlocker quiet(this);
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) delete takeItem(*it);
  if (count() > 0) setCurrentRow(std::max(rows.front() - 1, 0), QItemSelectionModel::ClearAndSelect);
}

QStringList ColourCheckList::mimeTypes() const { return {ColourListModel::kMimeType}; }

QMimeData* ColourCheckList::mimeData(const QList<QListWidgetItem*>& items) const {
  ColourList dragged;
  std::vector<QListWidgetItem*> ordered(items.begin(), items.end());
  std::sort(ordered.begin(), ordered.end(), [this](auto* a, auto* b) { return row(a) < row(b); });
  for (const QListWidgetItem* it : ordered)
    dragged.Append({it->text().toStdString(), it->data(kValueRole).toString().toStdString()});
  auto* mime = new QMimeData;
  mime->setData(ColourListModel::kMimeType, QByteArray::fromStdString(ParseDataForCDTFile(dragged)));
  return mime;
}

void ColourCheckList::dragEnterEvent(QDragEnterEvent* event) {
  if (Acceptable(event->mimeData()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void ColourCheckList::dragMoveEvent(QDragMoveEvent* event) {
  if (Acceptable(event->mimeData()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void ColourCheckList::dropEvent(QDropEvent* event) {
  if (!Acceptable(event->mimeData())) {
    event->ignore();
    return;
  }
  // The drop is handled here; the list must not also take the dragged rows away.
  event->setDropAction(Qt::CopyAction);
  event->accept();
  if (event->source() == this)
    emit MovedWithin(event->position().toPoint());
  else
    emit EntriesDropped(event->mimeData()->data(ColourListModel::kMimeType));
}

void ColourCheckList::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    emit RightPressed();
    return;
  }
  QListWidget::mousePressEvent(event);
}

void ColourCheckList::keyPressEvent(QKeyEvent* event) {
  bool consumed = false;
  emit KeyPressed(event, &consumed);
  if (!consumed) QListWidget::keyPressEvent(event);
}

}  // namespace tintora
