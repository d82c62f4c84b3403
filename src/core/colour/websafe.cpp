#include "core/colour/websafe.h"

#include "core/colour/conversion_error.h"
#include "core/colour/notations.h"
#include "core/colour/number_text.h"

namespace tintora {

std::string ConvValueToWebSafe(std::string_view pair) {
  const int v = ParseDollarHex(pair);
  if (v < 0 || v > 255) return "";
  if (v <= 25) return "00";
  if (v <= 76) return "33";
  if (v <= 127) return "66";
  if (v <= 178) return "99";
  if (v <= 229) return "CC";
  return "FF";
}

std::string ConvertRGBToWebSafe(std::string_view hex) {
  auto pair = [&](std::size_t at) { return at < hex.size() ? hex.substr(at, 2) : std::string_view{}; };
  return ConvValueToWebSafe(pair(0)) + ConvValueToWebSafe(pair(2)) + ConvValueToWebSafe(pair(4));
}

namespace {
// The band table of ConvValueToWebSafe for every byte, so whole colours are snapped without
// going through text (a palette redraw snaps 4,225 pixels).
struct WebSafeBytes {
  unsigned char value[256];
  WebSafeBytes() {
    for (int v = 0; v < 256; ++v)
      value[v] = static_cast<unsigned char>(ParseDollarHex(ConvValueToWebSafe(IntToHex(v, 2))));
  }
};
const WebSafeBytes& Bytes() {
  static const WebSafeBytes table;
  return table;
}
}  // namespace

int WebSafeByte(int component) { return Bytes().value[component & 0xFF]; }

int ConvertDecimalToWebSafe(int value) {
  // Beyond 24 bits the text route takes its pairs from other places; keep it for those.
  if (value < 0 || value > 0xFFFFFF) return ParseDollarHex(ConvertRGBToWebSafe(IntToHex(value, 6)));
  const auto& t = Bytes().value;
  return ColourFromRgb(t[RedOf(value)], t[GreenOf(value)], t[BlueOf(value)]);
}

int ConvertComplDecimalToWebSafe(int value, bool websafeComplimentsOnly) {
  return websafeComplimentsOnly ? ConvertDecimalToWebSafe(value) : value;
}

std::array<ColourValue, 216> WebSafeColourValues() {
  std::array<ColourValue, 216> out{};
  std::size_t n = 0;
  for (int k = 0; k <= 5; ++k)
    for (int j = 0; j <= 5; ++j)
      for (int i = 0; i <= 5; ++i)
        out[n++] = ParseDollarHex(IntToHex(51 * k, 2) + IntToHex(51 * j, 2) + IntToHex(51 * i, 2));
  return out;
}

}  // namespace tintora
