// Where a window goes when it is centred: over another window, or on a screen.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

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

}  // namespace tintora
