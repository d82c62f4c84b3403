#include "core/colour/rgb8.h"

#include "core/colour/number_text.h"

namespace tintora {

std::optional<Rgb8> Rgb8::OfHex(std::string_view rrggbb) {
  if (rrggbb.size() != 6) return std::nullopt;
  std::uint8_t channel[3];
  for (std::size_t k = 0; k < 3; ++k) {
    const int high = HexDigit(rrggbb[2 * k]), low = HexDigit(rrggbb[2 * k + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    channel[k] = static_cast<std::uint8_t>(high * 16 + low);
  }
  return Rgb8{channel[0], channel[1], channel[2]};
}

std::string Rgb8::Hex() const {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out(6, '0');
  const std::uint8_t channel[3] = {red, green, blue};
  for (std::size_t k = 0; k < 3; ++k) {
    out[2 * k] = kDigits[channel[k] >> 4];
    out[2 * k + 1] = kDigits[channel[k] & 15];
  }
  return out;
}

}  // namespace tintora
