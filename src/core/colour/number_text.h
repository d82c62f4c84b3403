// Number-to-text helpers that never depend on the process locale: the program's texts and
// files always use "." as the decimal separator and upper-case hexadecimal digits.
#pragma once

#include <string>

namespace tintora {

// The general floating-point text: up to 15 significant digits, no trailing zeros, no decimal
// point for a whole number, "." as separator. Fixed notation while the value is at least
// 0.00001 and has at most 15 integer digits, otherwise "1.5E-7" / "1E20".
std::string GeneralNumberText(long double value);

// Upper-case hexadecimal with at least `digits` digits. Negative values are written as their
// 32-bit two's complement ("FFFFFFFF" for -1), as the original conversion did.
std::string IntToHex(long long value, int digits);

// Plain decimal text.
std::string IntToStr(long long value);

// A count as people read it in messages: 2,000,000.
std::string GroupedNumber(unsigned long long value);

// A hexadecimal digit's value in either case, -1 for any other character.
inline int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace tintora
