#include "core/colour/colour_vision.h"

#include <algorithm>
#include <cmath>

namespace tintora {

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector Multiply(const Matrix& m, const Vector& v) {
  return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
          m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}
Vector Cross(const Vector& a, const Vector& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Dot(const Vector& a, const Vector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// Machado et al.'s matrices for severity 1, on linear RGB.
constexpr Matrix kProtanopia = {
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia = {
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};

// Linear sRGB to XYZ (D65), and XYZ to the cone responses by Hunt, Pointer and Estévez.
constexpr Matrix kLinearSrgbToXyz = {{{0.4123907992659595, 0.357584339383878, 0.1804807884018343},
                                      {0.21263900587151036, 0.715168678767756, 0.07219231536073371},
                                      {0.01933081871559185, 0.11919477979462599, 0.9505321522496606}}};
constexpr Matrix kXyzToLms = {{{0.38971, 0.68898, -0.07868}, {-0.22981, 1.18340, 0.04641}, {0.0, 0.0, 1.0}}};

Matrix Product(const Matrix& a, const Matrix& b) {
  Matrix m{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      for (int k = 0; k < 3; ++k) m[i][j] += a[i][k] * b[k][j];
  return m;
}

Matrix Inverse(const Matrix& m) {
  const Vector c0 = Cross(m[1], m[2]), c1 = Cross(m[2], m[0]), c2 = Cross(m[0], m[1]);
  const double det = Dot(m[0], c0);
  return {{{c0[0] / det, c1[0] / det, c2[0] / det},
           {c0[1] / det, c1[1] / det, c2[1] / det},
           {c0[2] / det, c1[2] / det, c2[2] / det}}};
}

// Brettel, Viénot and Mollon's tritanope: the missing S response is replaced so that the colour
// lands on one of two half-planes through the neutral axis, anchored at 485 nm and 660 nm
// (spectral colours tritanopes see as normal viewers do). Which half-plane depends on the side of
// the plane through the neutral axis and the S axis the colour lies on.
struct Tritan {
  Matrix toLms, fromLms;
  Vector normal485, normal660, separation;

  Tritan() {
    toLms = Product(kXyzToLms, kLinearSrgbToXyz);
    fromLms = Inverse(toLms);
    const Vector white = Multiply(toLms, {1, 1, 1});
    // CIE 1931 colour-matching functions at the two wavelengths.
    const Vector at485 = Multiply(kXyzToLms, {0.05795, 0.16930, 0.61620});
    const Vector at660 = Multiply(kXyzToLms, {0.16490, 0.06100, 0.00000});
    normal485 = Cross(white, at485);
    normal660 = Cross(white, at660);
    separation = Cross(white, {0, 0, 1});
    if (Dot(separation, at485) < 0) separation = {-separation[0], -separation[1], -separation[2]};
  }

  Vector operator()(const Vector& linear) const {
    Vector lms = Multiply(toLms, linear);
    const Vector& n = Dot(separation, lms) >= 0 ? normal485 : normal660;
    lms[2] = -(n[0] * lms[0] + n[1] * lms[1]) / n[2];
    return Multiply(fromLms, lms);
  }
};

const Tritan& TritanModel() {
  static const Tritan model;
  return model;
}

// The sRGB transfer both ways: a table from 8-bit codes to linear light, and the linear values
// halfway between neighbouring codes, so that a linear value finds the code it rounds to in sRGB.
struct Transfer {
  std::array<double, 256> linear;
  std::array<double, 255> between;

  Transfer() {
    auto toLinear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    for (int i = 0; i < 256; ++i) linear[static_cast<std::size_t>(i)] = toLinear(i / 255.0);
    for (int i = 0; i < 255; ++i) between[static_cast<std::size_t>(i)] = toLinear((i + 0.5) / 255.0);
  }

  int Code(double linearValue) const {
    return static_cast<int>(std::upper_bound(between.begin(), between.end(), linearValue) - between.begin());
  }
};

const Transfer& SrgbTransfer() {
  static const Transfer transfer;
  return transfer;
}

Vector Simulated(const Vector& linear, ColourVision vision) {
  switch (vision) {
    case ColourVision::Normal:
      return linear;
    case ColourVision::Protanopia:
      return Multiply(kProtanopia, linear);
    case ColourVision::Deuteranopia:
      return Multiply(kDeuteranopia, linear);
    case ColourVision::Tritanopia:
      return TritanModel()(linear);
    case ColourVision::Achromatopsia: {
      const double y = Dot(kLinearSrgbToXyz[1], linear);
      return {y, y, y};
    }
  }
  return linear;
}

Rgb8 Simulate(Rgb8 c, ColourVision vision) {
  const Transfer& t = SrgbTransfer();
  const Vector seen = Simulated({t.linear[c.red], t.linear[c.green], t.linear[c.blue]}, vision);
  auto code = [&t](double v) { return static_cast<std::uint8_t>(t.Code(v)); };
  return {code(seen[0]), code(seen[1]), code(seen[2])};
}

}  // namespace

std::string_view ColourVisionName(ColourVision vision) {
  switch (vision) {
    case ColourVision::Normal:
      return "Normal vision";
    case ColourVision::Protanopia:
      return "Protanopia";
    case ColourVision::Deuteranopia:
      return "Deuteranopia";
    case ColourVision::Tritanopia:
      return "Tritanopia";
    case ColourVision::Achromatopsia:
      return "Achromatopsia";
  }
  return {};
}

Rgb8 SimulateColourVision(Rgb8 colour, ColourVision vision) {
  return vision == ColourVision::Normal ? colour : Simulate(colour, vision);
}

void SimulateColourVision(std::span<std::uint32_t> pixels, ColourVision vision) {
  if (vision == ColourVision::Normal) return;
  // Pictures are mostly runs of one colour: remember the last one.
  std::uint32_t lastIn = 0, lastOut = 0;
  bool have = false;
  for (std::uint32_t& p : pixels) {
    const std::uint32_t rgb = p & 0xFFFFFFu;
    if (!have || rgb != lastIn) {
      lastIn = rgb;
      lastOut = Simulate(Rgb8::OfPixel(rgb), vision).Packed();
      have = true;
    }
    p = (p & 0xFF000000u) | lastOut;
  }
}

}  // namespace tintora
