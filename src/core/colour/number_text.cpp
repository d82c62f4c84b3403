#include "core/colour/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace tintora {

std::string GeneralNumberText(long double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";

  // 15 significant digits in scientific form: d.dddddddddddddde+XX
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  const std::string sci(buf, res.ptr);

  const bool negative = sci[0] == '-';
  const std::size_t start = negative ? 1 : 0;
  const std::size_t ePos = sci.find('e');
  std::string digits;
  for (std::size_t i = start; i < ePos; ++i)
    if (sci[i] != '.') digits += sci[i];
  const int exponent = std::atoi(sci.c_str() + ePos + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= -5 && exponent < 15) {
    if (exponent >= 0) {
      const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= intDigits) {
        out += digits + std::string(intDigits - digits.size(), '0');
      } else {
        out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
      }
    } else {
      out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
  } else {
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    out += "E" + std::to_string(exponent);
  }
  return out;
}

std::string IntToHex(long long value, int digits) {
  unsigned long long v =
      value < 0 ? static_cast<std::uint32_t>(value) : static_cast<unsigned long long>(value);
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  do {
    out.insert(out.begin(), kDigits[v & 15]);
    v >>= 4;
  } while (v != 0);
  if (static_cast<int>(out.size()) < digits)
    out.insert(0, static_cast<std::size_t>(digits) - out.size(), '0');
  return out;
}

std::string IntToStr(long long value) { return std::to_string(value); }

std::string GroupedNumber(unsigned long long value) {
  std::string digits = std::to_string(value), out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

}  // namespace tintora
