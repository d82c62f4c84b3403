#include "core/colour/maths.h"

#include <cmath>
#include <numbers>

namespace tintora {

long double Power(long double base, long double exponent) {
  if (base == 0) return 0;
  if (exponent == 0) return 1;
  return std::exp(exponent * std::log(base));
}

long double Max(long double a, long double b) { return b >= a ? b : a; }
long double Min(long double a, long double b) { return b <= a ? b : a; }
long double Max3(long double a, long double b, long double c) { return Max(a, Max(b, c)); }
long double Min3(long double a, long double b, long double c) { return Min(a, Min(b, c)); }

long double ArcCos(long double x) {
  constexpr long double kPi = std::numbers::pi_v<long double>;
  if (std::fabs(x) < 1E-37L) return kPi / 2;
  long double r = std::atan(std::sqrt(1 - x * x) / x);
  if (x < 0) r += kPi;
  return r;
}

}  // namespace tintora
