// Floating-point helpers of the colour arithmetic, all on 80-bit reals.
#pragma once

namespace tintora {

// 0 for a zero base (also with a zero exponent), 1 for a zero exponent, otherwise
// exp(e * ln(b)). The base must be positive; no caller passes a negative one.
long double Power(long double base, long double exponent);

// b when b >= a, else a.
long double Max(long double a, long double b);
// b when b <= a, else a.
long double Min(long double a, long double b);
long double Max3(long double a, long double b, long double c);
long double Min3(long double a, long double b, long double c);

// Angle in radians for x in -1..1; pi/2 for |x| < 1E-37.
long double ArcCos(long double x);

}  // namespace tintora
