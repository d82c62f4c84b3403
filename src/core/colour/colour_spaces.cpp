#include "core/colour/colour_spaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tintora {

namespace {

using Matrix = std::array<Triple, 3>;

Triple Multiply(const Matrix& m, const Triple& v) {
  return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
          m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// CSS Color 4's conversion matrices, kept as rationals where they are published so.
constexpr Matrix kLinearSrgbToXyz = {{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                                      {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                                      {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
constexpr Matrix kXyzToLinearSrgb = {{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                                      {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                                      {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
constexpr Matrix kLinearP3ToXyz = {{{608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
                                    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
                                    {0.0, 32229.0 / 714400, 5220557.0 / 5000800}}};
constexpr Matrix kLinearA98ToXyz = {{{573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
                                     {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
                                     {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835}}};
constexpr Matrix kLinearProphotoToXyzD50 = {{{0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
                                             {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
                                             {0.0, 0.0, 0.82510460251046020}}};
constexpr Matrix kLinearRec2020ToXyz = {
    {{63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
     {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
     {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314}}};
// Bradford adaptation between the two whites.
constexpr Matrix kD65ToD50 = {{{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                               {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                               {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}}};
constexpr Matrix kD50ToD65 = {{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                               {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                               {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
constexpr Matrix kXyzToLms = {{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                               {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                               {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
constexpr Matrix kLmsToXyz = {{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                               {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                               {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
constexpr Matrix kLmsToOklab = {{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                                 {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                                 {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
constexpr Matrix kOklabToLms = {{{1.0, 0.3963377773761749, 0.2158037573099136},
                                 {1.0, -0.1055613458156586, -0.0638541728258133},
                                 {1.0, -0.0894841775298119, -1.2914855480194092}}};
constexpr Triple kD50White = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

template <typename F>
Triple Each(const Triple& v, F f) {
  return {f(v[0]), f(v[1]), f(v[2])};
}
double Signed(double v, double magnitude) { return v < 0 ? -magnitude : magnitude; }

// The transfer curves, extended to negative values by symmetry, as CSS does.
double SrgbToLinear(double v) {
  const double a = std::fabs(v);
  return a <= 0.04045 ? v / 12.92 : Signed(v, std::pow((a + 0.055) / 1.055, 2.4));
}
double LinearToSrgb(double v) {
  const double a = std::fabs(v);
  return a > 0.0031308 ? Signed(v, 1.055 * std::pow(a, 1 / 2.4) - 0.055) : 12.92 * v;
}
double A98ToLinear(double v) { return Signed(v, std::pow(std::fabs(v), 563.0 / 256)); }
double ProphotoToLinear(double v) {
  const double a = std::fabs(v);
  return a <= 16.0 / 512 ? v / 16 : Signed(v, std::pow(a, 1.8));
}
// rec2020 in CSS is a display's values: BT.1886's pure 2.4 power (the CSS Working Group's 2025
// resolution), no longer the camera curve of BT.2020.
double Rec2020ToLinear(double v) { return Signed(v, std::pow(std::fabs(v), 2.4)); }
constexpr double kLabKappa = 24389.0 / 27, kLabEpsilon = 216.0 / 24389;

Triple XyzD50ToLab(const Triple& xyz) {
  Triple f;
  for (int k = 0; k < 3; ++k) {
    const double v = xyz[k] / kD50White[k];
    f[k] = v > kLabEpsilon ? std::cbrt(v) : (kLabKappa * v + 16) / 116;
  }
  return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}
Triple LabToXyzD50(const Triple& lab) {
  const double fy = (lab[0] + 16) / 116, fx = lab[1] / 500 + fy, fz = fy - lab[2] / 200;
  const double x = fx * fx * fx > kLabEpsilon ? fx * fx * fx : (116 * fx - 16) / kLabKappa;
  const double y = lab[0] > kLabKappa * kLabEpsilon ? fy * fy * fy : lab[0] / kLabKappa;
  const double z = fz * fz * fz > kLabEpsilon ? fz * fz * fz : (116 * fz - 16) / kLabKappa;
  return {x * kD50White[0], y * kD50White[1], z * kD50White[2]};
}
Triple XyzD65ToOklab(const Triple& xyz) {
  return Multiply(kLmsToOklab, Each(Multiply(kXyzToLms, xyz), [](double v) { return std::cbrt(v); }));
}
Triple OklabToXyzD65(const Triple& oklab) {
  return Multiply(kLmsToXyz, Each(Multiply(kOklabToLms, oklab), [](double v) { return v * v * v; }));
}

Triple SrgbToXyzD65(const Triple& srgb) { return Multiply(kLinearSrgbToXyz, Each(srgb, SrgbToLinear)); }
Triple XyzD65ToSrgb(const Triple& xyz) { return Each(Multiply(kXyzToLinearSrgb, xyz), LinearToSrgb); }

// The XYZ (D65) of a colour in any space.
Triple ToXyzD65(ColourSpace space, const Triple& c) {
  switch (space) {
    case ColourSpace::Srgb:
      return SrgbToXyzD65(c);
    case ColourSpace::SrgbLinear:
      return Multiply(kLinearSrgbToXyz, c);
    case ColourSpace::DisplayP3:
      return Multiply(kLinearP3ToXyz, Each(c, SrgbToLinear));
    case ColourSpace::A98Rgb:
      return Multiply(kLinearA98ToXyz, Each(c, A98ToLinear));
    case ColourSpace::ProphotoRgb:
      return Multiply(kD50ToD65, Multiply(kLinearProphotoToXyzD50, Each(c, ProphotoToLinear)));
    case ColourSpace::Rec2020:
      return Multiply(kLinearRec2020ToXyz, Each(c, Rec2020ToLinear));
    case ColourSpace::XyzD50:
      return Multiply(kD50ToD65, c);
    case ColourSpace::XyzD65:
      return c;
    case ColourSpace::Lab:
      return Multiply(kD50ToD65, LabToXyzD50(c));
    case ColourSpace::Lch:
      return Multiply(kD50ToD65, LabToXyzD50(LchToLab(c)));
    case ColourSpace::Oklab:
      return OklabToXyzD65(c);
    case ColourSpace::Oklch:
      return OklabToXyzD65(LchToLab(c));
  }
  return c;
}

}  // namespace

Triple LabToLch(const Triple& lab) {
  const double c = std::hypot(lab[1], lab[2]);
  double h = std::atan2(lab[2], lab[1]) * 180 / std::numbers::pi;
  if (h < 0) h += 360;
  return {lab[0], c, h};
}

Triple LchToLab(const Triple& lch) {
  const double h = lch[2] * std::numbers::pi / 180;
  return {lch[0], lch[1] * std::cos(h), lch[1] * std::sin(h)};
}

Srgb ToSrgb(ColourSpace space, const Triple& c) {
  // The common cases without a detour through XYZ.
  if (space == ColourSpace::Srgb) return Srgb{c};
  if (space == ColourSpace::SrgbLinear) return Srgb{Each(c, LinearToSrgb)};
  return Srgb{XyzD65ToSrgb(ToXyzD65(space, c))};
}

Triple FromSrgb(ColourSpace space, const Srgb& srgb) {
  if (space == ColourSpace::Srgb) return srgb;
  if (space == ColourSpace::SrgbLinear) return Each(srgb, SrgbToLinear);
  const Triple xyz = SrgbToXyzD65(srgb);
  switch (space) {
    case ColourSpace::XyzD65:
      return xyz;
    case ColourSpace::XyzD50:
      return Multiply(kD65ToD50, xyz);
    case ColourSpace::Lab:
      return XyzD50ToLab(Multiply(kD65ToD50, xyz));
    case ColourSpace::Lch:
      return LabToLch(XyzD50ToLab(Multiply(kD65ToD50, xyz)));
    case ColourSpace::Oklab:
      return XyzD65ToOklab(xyz);
    case ColourSpace::Oklch:
      return LabToLch(XyzD65ToOklab(xyz));
    default:  // the wide-gamut RGB spaces are read, never written
      return xyz;
  }
}

bool InSrgbGamut(const Srgb& srgb) {
  constexpr double kNoise = 1e-6;
  return std::all_of(srgb.begin(), srgb.end(), [](double v) { return v >= -kNoise && v <= 1 + kNoise; });
}

double DeltaEOK(const Oklab& a, const Oklab& b) {
  return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                   (a[2] - b[2]) * (a[2] - b[2]));
}

Srgb GamutMapToSrgb(const Srgb& srgb) {
  if (InSrgbGamut(srgb)) return srgb;
  return GamutMapOklchToSrgb(Oklch{LabToLch(XyzD65ToOklab(SrgbToXyzD65(srgb)))});
}

Srgb GamutMapOklchToSrgb(const Oklch& origin) {
  if (origin[0] >= 1) return {1, 1, 1};
  if (origin[0] <= 0) return {0, 0, 0};
  // The search runs in linear light: the transfer curve rises and keeps 0 and 1 where they are,
  // so lying inside the gamut, and clipping to it, come out the same there without two powers
  // a channel at every step. The hue stays, so its cosine and sine are taken once.
  static const double kLinearLow = SrgbToLinear(-1e-6), kLinearHigh = SrgbToLinear(1 + 1e-6);
  const double hue = origin[2] * std::numbers::pi / 180, cosHue = std::cos(hue), sinHue = std::sin(hue);
  auto oklabAt = [&](double chroma) { return Oklab{{origin[0], chroma * cosHue, chroma * sinHue}}; };
  auto linearOf = [](const Oklab& oklab) { return Multiply(kXyzToLinearSrgb, OklabToXyzD65(oklab)); };
  auto inGamut = [](const Triple& linear) {
    return std::all_of(linear.begin(), linear.end(),
                       [](double v) { return v >= kLinearLow && v <= kLinearHigh; });
  };
  auto clip = [](const Triple& linear) {
    return Each(linear, [](double v) { return std::clamp(v, 0.0, 1.0); });
  };
  auto oklabOf = [](const Triple& linear) {
    return Oklab{XyzD65ToOklab(Multiply(kLinearSrgbToXyz, linear))};
  };
  auto encoded = [](const Triple& linear) { return Srgb{Each(linear, LinearToSrgb)}; };
  auto encodedClipped = [](const Triple& clipped) {
    return Srgb{Each(clipped, [](double v) { return std::clamp(LinearToSrgb(v), 0.0, 1.0); })};
  };
  constexpr double kJnd = 0.02, kEpsilon = 0.0001;
  Oklab target = oklabAt(origin[1]);
  Triple linear = linearOf(target);
  if (inGamut(linear)) return encoded(linear);
  Triple clipped = clip(linear);
  double e = DeltaEOK(oklabOf(clipped), target);
  if (e < kJnd) return encodedClipped(clipped);
  double low = 0, high = origin[1];
  bool lowInGamut = true;
  while (high - low > kEpsilon) {
    const double chroma = (low + high) / 2;
    target = oklabAt(chroma);
    linear = linearOf(target);
    if (lowInGamut && inGamut(linear)) {
      low = chroma;
      continue;
    }
    clipped = clip(linear);
    e = DeltaEOK(oklabOf(clipped), target);
    if (e < kJnd) {
      if (kJnd - e < kEpsilon) return encodedClipped(clipped);
      lowInGamut = false;
      low = chroma;
    } else {
      high = chroma;
    }
  }
  return encodedClipped(clipped);
}

Rgb8 ColourOfSrgb(const Srgb& s) {
  auto byte = [](double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
  return {byte(s[0]), byte(s[1]), byte(s[2])};
}

Srgb SrgbOfColour(Rgb8 c) { return {c.red / 255.0, c.green / 255.0, c.blue / 255.0}; }

Hsl SrgbToHsl(const Srgb& s) {
  const double max = std::max({s[0], s[1], s[2]}), min = std::min({s[0], s[1], s[2]});
  const double l = (max + min) / 2, d = max - min;
  double h = 0, sat = 0;
  if (d > 0) {
    sat = (l == 0 || l == 1) ? 0 : (max - l) / std::min(l, 1 - l);
    if (max == s[0])
      h = (s[1] - s[2]) / d + (s[1] < s[2] ? 6 : 0);
    else if (max == s[1])
      h = (s[2] - s[0]) / d + 2;
    else
      h = (s[0] - s[1]) / d + 4;
    h *= 60;
  }
  return {h, sat * 100, l * 100};
}

Srgb HslToSrgb(const Hsl& hsl) {
  double h = std::fmod(hsl[0], 360);
  if (h < 0) h += 360;
  const double s = hsl[1] / 100, l = hsl[2] / 100;
  auto f = [&](double n) {
    const double k = std::fmod(n + h / 30, 12);
    return l - s * std::min(l, 1 - l) * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
  };
  return {f(0), f(8), f(4)};
}

Hwb SrgbToHwb(const Srgb& s) {
  const Hsl hsl = SrgbToHsl(s);
  return {hsl[0], std::min({s[0], s[1], s[2]}) * 100, (1 - std::max({s[0], s[1], s[2]})) * 100};
}

Srgb HwbToSrgb(const Hwb& hwb) {
  double w = hwb[1] / 100, b = hwb[2] / 100;
  if (w + b >= 1) {
    const double grey = w / (w + b);
    return {grey, grey, grey};
  }
  const Srgb pure = HslToSrgb({hwb[0], 100, 50});
  return Srgb{Each(pure, [&](double v) { return v * (1 - w - b) + w; })};
}

}  // namespace tintora
