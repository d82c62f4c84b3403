// The three rounding rules of the colour arithmetic. They are not interchangeable: every
// caller names the one it needs.
#pragma once

namespace tintora {

// To the nearest integer; an exact half goes to the even neighbour (0.5 -> 0, 1.5 -> 2, 2.5 -> 2).
long long Round(long double x);

// Toward zero.
long long Trunc(long double x);

// The integer below a fractional, non-negative x: Trunc.
long long RoundM(double x);

// Trunc(x) + 1, also for a whole x (2.0 gives 3). Kept in this form because the colourizer's
// size steps were tuned against exactly this result.
long long RoundP(double x);

}  // namespace tintora
