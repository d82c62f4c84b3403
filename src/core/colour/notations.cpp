#include "core/colour/notations.h"

#include <algorithm>
#include <cstdint>

#include "core/colour/conversion_error.h"
#include "core/colour/maths.h"
#include "core/colour/number_text.h"
#include "core/colour/rounding.h"

namespace tintora {

namespace {
// Copy as the original's 1-based Copy(s, index, count) did: out-of-range parts are just missing.
std::string_view Mid(std::string_view s, std::size_t from, std::size_t count) {
  if (from >= s.size()) return {};
  return s.substr(from, count);
}
}  // namespace

std::string RGBDecToHex(long double red, long double green, long double blue) {
  return IntToHex(Round(red), 2) + IntToHex(Round(green), 2) + IntToHex(Round(blue), 2);
}

std::string SwapRedBlueHex(std::string_view hex) {
  std::string out;
  out += Mid(hex, 4, 2);
  out += Mid(hex, 2, 2);
  out += Mid(hex, 0, 2);
  return out;
}

int ExtractColour(std::string_view hex, int pair) {
  if (pair < 1 || pair > 3) return -1;
  return ParseDollarHex(Mid(hex, static_cast<std::size_t>(pair - 1) * 2, 2));
}

int SwapRedBlueInt(int value) { return ParseDollarHex(SwapRedBlueHex(IntToHex(value, 6))); }

std::string BGRIntToRGBHEX(ColourValue value) { return IntToHex(SwapRedBlueInt(value), 6); }

ColourValue RGBHEXToBGRInt(std::string_view rgbHex) { return ParseDollarHex(SwapRedBlueHex(rgbHex)); }

int Col16ToCol8(int channel, int scale) {
  const double k = 65535 - scale;
  double x;
  if (channel == 0 || k == 0) {
    x = channel;
  } else {
    x = channel - channel * (k / 65535);
  }
  const long long n = std::clamp<long long>(Round(x), 0, 65535);
  const double f = n == 0 ? 0.0 : static_cast<double>(n) / 65535;
  return static_cast<int>(std::clamp<long long>(Round(255 * f), 0, 255));
}

std::string CalculatePercentString(int decimals, long double value, long double fullScale) {
  if (fullScale == 0) fullScale = 1;
  std::string text;
  if (value <= 0) {
    text = "0";
  } else if (decimals <= 0) {
    text = IntToStr(Round(Power(10, 2) * (value / fullScale)));
  } else {
    const std::int64_t n = Round(Power(10, decimals + 2) * (value / fullScale));
    text = GeneralNumberText(static_cast<long double>(n) / Power(10, decimals));
  }
  const std::size_t dot = text.find('.');
  if (dot != std::string::npos && decimals > 0) {
    const std::size_t keep = dot + 1 + static_cast<std::size_t>(decimals);
    if (keep < text.size()) text.resize(keep);
  }
  return text + "%";
}

int CalculatePercentInteger(long double value, long double fullScale) {
  if (fullScale == 0) fullScale = 1;
  if (value <= 0) return 0;
  return static_cast<int>(Trunc(value / fullScale * 100));
}

}  // namespace tintora
