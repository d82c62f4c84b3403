#include "widgets/centre.h"

#include "colour/rounding.h"

namespace tintora {

namespace {
int Half(int length) { return static_cast<int>(Round(length / 2.0)); }
int HalfDifference(int outer, int inner) { return static_cast<int>(Round(outer / 2.0 - inner / 2.0)); }
}  // namespace

QPoint CentreOver(const QRect& outer, const QSize& inner) {
  return {outer.left() + Half(outer.width()) - Half(inner.width()),
          outer.top() + Half(outer.height()) - Half(inner.height())};
}

QPoint CentreOnScreen(const QRect& screen, const QSize& size) {
  return {screen.left() + HalfDifference(screen.width(), size.width()),
          screen.top() + HalfDifference(screen.height(), size.height())};
}

}  // namespace tintora
