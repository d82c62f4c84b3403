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

Rgb8 WebSafeColour(Rgb8 c) {
  const auto& t = Bytes().value;
  return {t[c.red], t[c.green], t[c.blue]};
}

std::array<Rgb8, 216> WebSafeColours() {
  std::array<Rgb8, 216> out{};
  std::size_t n = 0;
  for (int blue = 0; blue <= 255; blue += 51)
    for (int green = 0; green <= 255; green += 51)
      for (int red = 0; red <= 255; red += 51)
        out[n++] = {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                    static_cast<std::uint8_t>(blue)};
  return out;
}

}  // namespace tintora
