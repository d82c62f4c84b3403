// CIE XYZ and L*a*b* for sRGB with the reference white D65 and the 2-degree observer. Each
// routine computes one output component, chosen by a component number 1..3; any other number
// is a programming error and answers nullopt (the window reports it).
#pragma once

#include <optional>

namespace tintora {

// X, Y or Z (white has Y = 100) of an RGB colour with components 0..255.
std::optional<long double> RGBToXYZ(int component, long double red, long double green, long double blue);
// L (0..100), a or b of an XYZ colour.
std::optional<long double> XYZToCIELAB(int component, long double x, long double y, long double z);
// X, Y or Z of a Lab colour.
std::optional<long double> CIELABtoXYZ(int component, long double l, long double a, long double b);
// Red, green or blue of an XYZ colour: a whole number limited to 0..255 (out of gamut is clipped).
std::optional<long double> XYZtoRGB(int component, long double x, long double y, long double z);

// The message the window shows for an invalid component number.
inline constexpr const char* kCIELABErrorText =
    "CIE-LAB Conversion Coding Error\r\n\r\nYou have specified an invalid\r\nparameter return value.  "
    "Valid\r\n"
    "values are from 1-3.";

}  // namespace tintora
