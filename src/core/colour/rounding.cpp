#include "core/colour/rounding.h"

#include <cmath>

namespace tintora {

// The process never leaves the default rounding mode (to nearest, ties to even), which is
// exactly the rule we need; llrint uses it without a detour through a real.
long long Round(long double x) { return std::llrint(x); }

long long Trunc(long double x) { return static_cast<long long>(std::trunc(x)); }

long long RoundM(double x) { return Trunc(x); }

long long RoundP(double x) {
  const long long r = Round(x);
  return r + (1 - (r - Trunc(x)));
}

}  // namespace tintora
