// The colour spaces of CSS Color 4, in double precision, and the way a colour outside sRGB is
// brought into it. Every space goes through CIE XYZ (D65, or D50 for Lab, LCH and ProPhoto),
// with the matrices CSS Color 4 publishes. sRGB components run 0..1 and may lie outside that
// range until they are gamut-mapped.
#pragma once

#include <array>

#include "core/colour/notations.h"
#include "core/colour/rgb8.h"

namespace tintora {

using Triple = std::array<double, 3>;

// Three components tagged with the space they are in, so that a colour in one space cannot be
// handed to a function that expects another. Each is a Triple wherever any space will do (the
// spaces named at run time by ColourSpace).
struct Srgb : Triple {};   // 0..1 each
struct Hsl : Triple {};    // hue in degrees, saturation and lightness 0..100
struct Hwb : Triple {};    // hue in degrees, whiteness and blackness 0..100
struct Oklab : Triple {};  // L 0..1
struct Oklch : Triple {};  // L 0..1, chroma, hue in degrees

enum class ColourSpace {
  Srgb,
  SrgbLinear,
  DisplayP3,
  A98Rgb,
  ProphotoRgb,
  Rec2020,
  XyzD50,
  XyzD65,
  Lab,    // CIE Lab, D50, L 0..100
  Lch,    // of Lab
  Oklab,  // L 0..1
  Oklch,  // of Oklab
};

// A colour in any of the spaces, converted to sRGB (0..1 per component, not yet in gamut).
Srgb ToSrgb(ColourSpace space, const Triple& c);
// sRGB (0..1) in the spaces Tintora writes: sRGB, linear sRGB, XYZ, Lab, LCH, Oklab, Oklch (the
// wide-gamut RGB spaces are only read; asked for one, this answers XYZ D65).
Triple FromSrgb(ColourSpace space, const Srgb& srgb);

// Whether an sRGB colour lies inside sRGB (a hair of rounding noise allowed).
bool InSrgbGamut(const Srgb& srgb);

// An sRGB colour brought into sRGB by the CSS Color 4 gamut mapping: chroma reduced in OKLCH
// by binary search, keeping lightness and hue, until clipping what is left is less than a
// just-noticeable difference (deltaEOK 0.02). Colours inside sRGB come back unchanged.
Srgb GamutMapToSrgb(const Srgb& srgb);
// The same from a colour's own OKLCH (the mapping's own space), which keeps its lightness and
// hue exactly however far outside sRGB it lies.
Srgb GamutMapOklchToSrgb(const Oklch& oklch);

// 0..1 components as an 8-bit colour value (each rounded, after clamping).
Rgb8 ColourOfSrgb(const Srgb& srgb);
Srgb SrgbOfColour(Rgb8 colour);

// Hue, saturation and lightness of sRGB as CSS writes them (hue in degrees 0..360, the other
// two 0..100), and hue, whiteness and blackness.
Hsl SrgbToHsl(const Srgb& srgb);
Srgb HslToSrgb(const Hsl& hsl);
Hwb SrgbToHwb(const Srgb& srgb);
Srgb HwbToSrgb(const Hwb& hwb);

// Lab (or Oklab) to LCH (or Oklch) and back; hue in degrees. Either pair: the Triples stay
// untagged here.
Triple LabToLch(const Triple& lab);
Triple LchToLab(const Triple& lch);

// The Euclidean distance of two colours in Oklab.
double DeltaEOK(const Oklab& a, const Oklab& b);

}  // namespace tintora
