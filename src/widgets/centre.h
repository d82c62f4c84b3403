// Where a window goes when it is centred: over another window, or on a screen.
#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tintora {

// Over a window: left = outer left + Round(outer width / 2) - Round(inner width / 2), top
// likewise, each half rounded on its own (half to even).
QPoint CentreOver(const QRect& outer, const QSize& inner);

// On a screen: left = screen left + Round(screen width / 2 - width / 2), top likewise, the
// difference rounded once (half to even).
QPoint CentreOnScreen(const QRect& screen, const QSize& size);

// A window's saved top-left corner, unless it lies on none of the screens there are now (a
// monitor that has gone, a smaller desktop): then the nearest place on the first screen where
// the window fits, as far as it can.
QPoint PlaceOnScreens(QPoint topLeft, QSize size, const QList<QRect>& screens);

// The nearest top-left corner at which a window of `size` lies wholly on `area` (where it is
// bigger, its top-left corner on the area's).
QPoint KeepWithin(QPoint topLeft, QSize size, const QRect& area);

// The size a window showing `content` takes in `room`: all of it where it fits, else as much as
// fits with scroll bars `bar` thick where the content is cut (a bar may make room for the other).
QSize ScrolledSize(QSize content, QSize room, int bar);

// Moves (and, should it be bigger, shrinks) a top-level window so that all of it, frame
// included, lies on the free area of the screen it is mostly on; at `size`, should it be about
// to take that size.
void KeepOnScreen(QWidget* window, QSize size = QSize());

// Installed on the application: every window of the program (but menus and tips, which Qt
// places itself) is kept on its screen as it shows.
class WindowsOnScreen : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tintora
