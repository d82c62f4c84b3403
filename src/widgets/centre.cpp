#include "widgets/centre.h"

#include <algorithm>

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "core/colour/rounding.h"

namespace tintora {

namespace {
int Half(int length) { return static_cast<int>(Round(length / 2.0)); }
int HalfDifference(int outer, int inner) { return static_cast<int>(Round(outer / 2.0 - inner / 2.0)); }
}  // namespace

QPoint CentreOver(const QRect& outer, const QSize& inner) {
  return {outer.left() + Half(outer.width()) - Half(inner.width()),
          outer.top() + Half(outer.height()) - Half(inner.height())};
}

QPoint PlaceOnScreens(QPoint topLeft, QSize size, const QList<QRect>& screens) {
  if (screens.isEmpty()) return topLeft;
  for (const QRect& s : screens)
    if (s.contains(topLeft)) return topLeft;
  return KeepWithin(topLeft, size, screens.first());
}

QPoint KeepWithin(QPoint topLeft, QSize size, const QRect& area) {
  return {std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())),
          std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()))};
}

QSize ScrolledSize(QSize content, QSize room, int bar) {
  // A bar takes room across the other way, which may make the other bar needed too.
  bool across = content.width() > room.width();
  bool down = content.height() + (across ? bar : 0) > room.height();
  across = across || content.width() + (down ? bar : 0) > room.width();
  down = down || content.height() + (across ? bar : 0) > room.height();
  return QSize(content.width() + (down ? bar : 0), content.height() + (across ? bar : 0)).boundedTo(room);
}

void KeepOnScreen(QWidget* window, QSize size) {
  // A window system reports a new size some time after it was asked for: the size the window is
  // about to have is the one to place.
  if (!size.isValid()) size = window->size();
  // The window system's own word on the frame: the widget's copy may not have heard of it yet.
  const QMargins frameMargins = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
  const QSize margins(frameMargins.left() + frameMargins.right(), frameMargins.top() + frameMargins.bottom());
  const QRect frame(window->pos(), size + margins);
  const QScreen* screen = QGuiApplication::screenAt(frame.center());
  if (!screen) screen = window->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize room = area.size() - margins;
  if (size.width() > room.width() || size.height() > room.height()) {
    size = size.boundedTo(room).expandedTo(window->minimumSize());
    window->resize(size);
  }
  const QPoint topLeft = KeepWithin(frame.topLeft(), size + margins, area);
  if (topLeft != frame.topLeft()) window->move(topLeft);
}

bool WindowsOnScreen::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* window = static_cast<QWidget*>(watched);
    const Qt::WindowType type = window->windowType();
    if (window->isWindow() && type != Qt::Popup && type != Qt::ToolTip) KeepOnScreen(window);
  }
  return false;
}

QPoint CentreOnScreen(const QRect& screen, const QSize& size) {
  return {screen.left() + HalfDifference(screen.width(), size.width()),
          screen.top() + HalfDifference(screen.height(), size.height())};
}

}  // namespace tintora
