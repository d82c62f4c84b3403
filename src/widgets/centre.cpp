#include "widgets/centre.h"

#include <algorithm>

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
  const QRect s = screens.first();
  return {std::clamp(topLeft.x(), s.left(), std::max(s.left(), s.right() + 1 - size.width())),
          std::clamp(topLeft.y(), s.top(), std::max(s.top(), s.bottom() + 1 - size.height()))};
}

QPoint CentreOnScreen(const QRect& screen, const QSize& size) {
  return {screen.left() + HalfDifference(screen.width(), size.width()),
          screen.top() + HalfDifference(screen.height(), size.height())};
}

}  // namespace tintora
