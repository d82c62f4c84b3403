#include "core/colour/cie.h"

#include <algorithm>

#include "core/colour/maths.h"
#include "core/colour/rounding.h"

namespace tintora {

namespace {

constexpr long double kWhite[3] = {95.047L, 100.0L, 108.883L};
constexpr long double kRgbToXyz[3][3] = {
    {0.412453L, 0.35758L, 0.180423L}, {0.212671L, 0.71516L, 0.072169L}, {0.019334L, 0.119193L, 0.950227L}};
constexpr long double kXyzToRgb[3][3] = {{3.240479L, -1.53715L, -0.498535L},
                                         {-0.969256L, 1.875992L, 0.041556L},
                                         {0.055648L, -0.204043L, 1.057311L}};
constexpr long double kLabEpsilon = 0.008856L;
constexpr long double kLabSlope = 7.787L;
constexpr long double kLabOffset = 16.0L / 116.0L;

bool ValidComponent(int k) { return k >= 1 && k <= 3; }

long double DecodeSrgb(long double c) {
  if (c != 0) c /= 255;
  if (c > 0.04045L) {
    c = Power((c + 0.055L) / 1.055L, 2.4L);
  } else if (c != 0) {
    c /= 12.92L;
  }
  return c * 100;
}

long double LabF(long double t) {
  return t > kLabEpsilon ? Power(t, 1.0L / 3.0L) : kLabSlope * t + kLabOffset;
}

}  // namespace

std::optional<long double> RGBToXYZ(int k, long double r, long double g, long double b) {
  if (!ValidComponent(k)) return std::nullopt;
  const long double lin[3] = {DecodeSrgb(r), DecodeSrgb(g), DecodeSrgb(b)};
  const auto& row = kRgbToXyz[k - 1];
  return row[0] * lin[0] + row[1] * lin[1] + row[2] * lin[2];
}

std::optional<long double> XYZToCIELAB(int k, long double x, long double y, long double z) {
  if (!ValidComponent(k)) return std::nullopt;
  const long double fx = LabF(x / kWhite[0]);
  const long double fy = LabF(y / kWhite[1]);
  const long double fz = LabF(z / kWhite[2]);
  switch (k) {
    case 1:
      return 116 * fy - 16;
    case 2:
      return 500 * (fx - fy);
    default:
      return 200 * (fy - fz);
  }
}

std::optional<long double> CIELABtoXYZ(int k, long double l, long double a, long double b) {
  if (!ValidComponent(k)) return std::nullopt;
  long double fy = l + 16;
  if (fy != 0) fy /= 116;
  long double v;
  switch (k) {
    case 1:
      v = (a == 0 ? 0 : a / 500) + fy;
      break;
    case 2:
      v = fy;
      break;
    default:
      v = b == 0 ? fy : fy - b / 200;
      break;
  }
  if (v * v * v > kLabEpsilon) {
    v = v * v * v;
  } else {
    v -= kLabOffset;
    if (v != 0) v /= kLabSlope;
  }
  return kWhite[k - 1] * v;
}

std::optional<long double> XYZtoRGB(int k, long double x, long double y, long double z) {
  if (!ValidComponent(k)) return std::nullopt;
  if (x != 0) x /= 100;
  if (y != 0) y /= 100;
  if (z != 0) z /= 100;
  const auto& row = kXyzToRgb[k - 1];
  long double c = row[0] * x + row[1] * y + row[2] * z;
  if (c > 0.0031308L) {
    c = 1.055L * Power(c, 1 / 2.4L) - 0.055L;
  } else {
    c = 12.92L * c;
  }
  return static_cast<long double>(std::clamp<long long>(Round(c * 255), 0, 255));
}

}  // namespace tintora
