#include "formats/css_colour.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "formats/palette_file.h"

namespace tintora {

using namespace css_text;

namespace {

struct CssName {
  std::string_view name;
  int rgb;
};

// The colour keywords of CSS, sorted by name for the lookup.
constexpr std::array<CssName, 148> kCssNames = {{
    {"aliceblue", 0xf0f8ff},
    {"antiquewhite", 0xfaebd7},
    {"aqua", 0x00ffff},
    {"aquamarine", 0x7fffd4},
    {"azure", 0xf0ffff},
    {"beige", 0xf5f5dc},
    {"bisque", 0xffe4c4},
    {"black", 0x000000},
    {"blanchedalmond", 0xffebcd},
    {"blue", 0x0000ff},
    {"blueviolet", 0x8a2be2},
    {"brown", 0xa52a2a},
    {"burlywood", 0xdeb887},
    {"cadetblue", 0x5f9ea0},
    {"chartreuse", 0x7fff00},
    {"chocolate", 0xd2691e},
    {"coral", 0xff7f50},
    {"cornflowerblue", 0x6495ed},
    {"cornsilk", 0xfff8dc},
    {"crimson", 0xdc143c},
    {"cyan", 0x00ffff},
    {"darkblue", 0x00008b},
    {"darkcyan", 0x008b8b},
    {"darkgoldenrod", 0xb8860b},
    {"darkgray", 0xa9a9a9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xa9a9a9},
    {"darkkhaki", 0xbdb76b},
    {"darkmagenta", 0x8b008b},
    {"darkolivegreen", 0x556b2f},
    {"darkorange", 0xff8c00},
    {"darkorchid", 0x9932cc},
    {"darkred", 0x8b0000},
    {"darksalmon", 0xe9967a},
    {"darkseagreen", 0x8fbc8f},
    {"darkslateblue", 0x483d8b},
    {"darkslategray", 0x2f4f4f},
    {"darkslategrey", 0x2f4f4f},
    {"darkturquoise", 0x00ced1},
    {"darkviolet", 0x9400d3},
    {"deeppink", 0xff1493},
    {"deepskyblue", 0x00bfff},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0x1e90ff},
    {"firebrick", 0xb22222},
    {"floralwhite", 0xfffaf0},
    {"forestgreen", 0x228b22},
    {"fuchsia", 0xff00ff},
    {"gainsboro", 0xdcdcdc},
    {"ghostwhite", 0xf8f8ff},
    {"gold", 0xffd700},
    {"goldenrod", 0xdaa520},
    {"gray", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0xadff2f},
    {"grey", 0x808080},
    {"honeydew", 0xf0fff0},
    {"hotpink", 0xff69b4},
    {"indianred", 0xcd5c5c},
    {"indigo", 0x4b0082},
    {"ivory", 0xfffff0},
    {"khaki", 0xf0e68c},
    {"lavender", 0xe6e6fa},
    {"lavenderblush", 0xfff0f5},
    {"lawngreen", 0x7cfc00},
    {"lemonchiffon", 0xfffacd},
    {"lightblue", 0xadd8e6},
    {"lightcoral", 0xf08080},
    {"lightcyan", 0xe0ffff},
    {"lightgoldenrodyellow", 0xfafad2},
    {"lightgray", 0xd3d3d3},
    {"lightgreen", 0x90ee90},
    {"lightgrey", 0xd3d3d3},
    {"lightpink", 0xffb6c1},
    {"lightsalmon", 0xffa07a},
    {"lightseagreen", 0x20b2aa},
    {"lightskyblue", 0x87cefa},
    {"lightslategray", 0x778899},
    {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xb0c4de},
    {"lightyellow", 0xffffe0},
    {"lime", 0x00ff00},
    {"limegreen", 0x32cd32},
    {"linen", 0xfaf0e6},
    {"magenta", 0xff00ff},
    {"maroon", 0x800000},
    {"mediumaquamarine", 0x66cdaa},
    {"mediumblue", 0x0000cd},
    {"mediumorchid", 0xba55d3},
    {"mediumpurple", 0x9370db},
    {"mediumseagreen", 0x3cb371},
    {"mediumslateblue", 0x7b68ee},
    {"mediumspringgreen", 0x00fa9a},
    {"mediumturquoise", 0x48d1cc},
    {"mediumvioletred", 0xc71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xf5fffa},
    {"mistyrose", 0xffe4e1},
    {"moccasin", 0xffe4b5},
    {"navajowhite", 0xffdead},
    {"navy", 0x000080},
    {"oldlace", 0xfdf5e6},
    {"olive", 0x808000},
    {"olivedrab", 0x6b8e23},
    {"orange", 0xffa500},
    {"orangered", 0xff4500},
    {"orchid", 0xda70d6},
    {"palegoldenrod", 0xeee8aa},
    {"palegreen", 0x98fb98},
    {"paleturquoise", 0xafeeee},
    {"palevioletred", 0xdb7093},
    {"papayawhip", 0xffefd5},
    {"peachpuff", 0xffdab9},
    {"peru", 0xcd853f},
    {"pink", 0xffc0cb},
    {"plum", 0xdda0dd},
    {"powderblue", 0xb0e0e6},
    {"purple", 0x800080},
    {"rebeccapurple", 0x663399},
    {"red", 0xff0000},
    {"rosybrown", 0xbc8f8f},
    {"royalblue", 0x4169e1},
    {"saddlebrown", 0x8b4513},
    {"salmon", 0xfa8072},
    {"sandybrown", 0xf4a460},
    {"seagreen", 0x2e8b57},
    {"seashell", 0xfff5ee},
    {"sienna", 0xa0522d},
    {"silver", 0xc0c0c0},
    {"skyblue", 0x87ceeb},
    {"slateblue", 0x6a5acd},
    {"slategray", 0x708090},
    {"slategrey", 0x708090},
    {"snow", 0xfffafa},
    {"springgreen", 0x00ff7f},
    {"steelblue", 0x4682b4},
    {"tan", 0xd2b48c},
    {"teal", 0x008080},
    {"thistle", 0xd8bfd8},
    {"tomato", 0xff6347},
    {"turquoise", 0x40e0d0},
    {"violet", 0xee82ee},
    {"wheat", 0xf5deb3},
    {"white", 0xffffff},
    {"whitesmoke", 0xf5f5f5},
    {"yellow", 0xffff00},
    {"yellowgreen", 0x9acd32},
}};

int Channel(double v) {
  return static_cast<int>(std::lround(std::clamp(std::isnan(v) ? 0.0 : v, 0.0, 255.0)));
}

std::optional<std::string> HashColour(std::string_view hex) {
  for (char c : hex)
    if (HexDigit(c) < 0) return std::nullopt;
  int rgb[3];
  if (hex.size() == 3 || hex.size() == 4) {
    for (int k = 0; k < 3; ++k) rgb[k] = HexDigit(hex[static_cast<std::size_t>(k)]) * 17;
  } else if (hex.size() == 6 || hex.size() == 8) {
    for (int k = 0; k < 3; ++k)
      rgb[k] = HexDigit(hex[static_cast<std::size_t>(2 * k)]) * 16 +
               HexDigit(hex[static_cast<std::size_t>(2 * k + 1)]);
  } else {
    return std::nullopt;
  }
  return HexOfRgb(rgb[0], rgb[1], rgb[2]);
}

// A number with its unit ("%", "deg", nothing ...).
struct Quantity {
  double value;
  std::string unit;
};

std::optional<Quantity> ParseQuantity(std::string_view s) {
  if (s == "none") return Quantity{0, {}};
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  double v;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || !std::isfinite(v)) return std::nullopt;
  return Quantity{v, Lower(s.substr(static_cast<std::size_t>(end - s.data())))};
}

// The arguments of a colour function: its first three components (commas, blanks and the
// alpha after "/" or a fourth comma are all allowed; the alpha is not needed).
std::optional<std::array<Quantity, 3>> Arguments(std::string_view inside) {
  std::vector<std::string_view> parts;
  std::size_t i = 0;
  while (i < inside.size()) {
    while (i < inside.size() && (IsBlank(inside[i]) || inside[i] == ',')) ++i;
    if (i >= inside.size() || inside[i] == '/') break;
    const std::size_t start = i;
    while (i < inside.size() && !IsBlank(inside[i]) && inside[i] != ',' && inside[i] != '/') ++i;
    parts.push_back(inside.substr(start, i - start));
  }
  if (parts.size() < 3 || parts.size() > 4) return std::nullopt;
  std::array<Quantity, 3> q;
  for (std::size_t k = 0; k < 3; ++k) {
    auto v = ParseQuantity(parts[k]);
    if (!v) return std::nullopt;
    q[k] = *v;
  }
  return q;
}

std::optional<std::string> RgbFunction(std::string_view inside) {
  const auto q = Arguments(inside);
  if (!q) return std::nullopt;
  double rgb[3];
  for (std::size_t k = 0; k < 3; ++k) {
    if ((*q)[k].unit == "%")
      rgb[k] = (*q)[k].value * 255 / 100;
    else if ((*q)[k].unit.empty())
      rgb[k] = (*q)[k].value;
    else
      return std::nullopt;
  }
  return HexOfRgb(Channel(rgb[0]), Channel(rgb[1]), Channel(rgb[2]));
}

std::optional<std::string> HslFunction(std::string_view inside) {
  const auto q = Arguments(inside);
  if (!q) return std::nullopt;
  double h = (*q)[0].value;
  const std::string& unit = (*q)[0].unit;
  if (unit == "turn")
    h *= 360;
  else if (unit == "rad")
    h *= 180 / 3.14159265358979323846;
  else if (unit == "grad")
    h *= 0.9;
  else if (!unit.empty() && unit != "deg")
    return std::nullopt;
  for (std::size_t k = 1; k < 3; ++k)
    if (!(*q)[k].unit.empty() && (*q)[k].unit != "%") return std::nullopt;
  h = std::fmod(h, 360);
  if (h < 0) h += 360;
  const double s = std::clamp((*q)[1].value / 100, 0.0, 1.0), l = std::clamp((*q)[2].value / 100, 0.0, 1.0);
  auto f = [&](double n) {
    const double k = std::fmod(n + h / 30, 12);
    return 255 * (l - s * std::min(l, 1 - l) * std::max(-1.0, std::min({k - 3, 9 - k, 1.0})));
  };
  return HexOfRgb(Channel(f(0)), Channel(f(8)), Channel(f(4)));
}

}  // namespace

std::optional<std::string> CssColour(std::string_view value) {
  std::string v = Lower(Trim(value));
  if (v.ends_with("!important")) v = std::string(Trim(std::string_view(v).substr(0, v.size() - 10)));
  if (v.empty()) return std::nullopt;
  if (v.front() == '#') return HashColour(std::string_view(v).substr(1));
  const std::size_t open = v.find('(');
  if (open != std::string::npos) {
    if (v.back() != ')') return std::nullopt;
    const std::string_view function = Trim(std::string_view(v).substr(0, open));
    const std::string_view inside = std::string_view(v).substr(open + 1, v.size() - open - 2);
    if (function == "rgb" || function == "rgba") return RgbFunction(inside);
    if (function == "hsl" || function == "hsla") return HslFunction(inside);
    return std::nullopt;
  }
  const auto it = std::lower_bound(kCssNames.begin(), kCssNames.end(), v,
                                   [](const CssName& n, const std::string& key) { return n.name < key; });
  if (it == kCssNames.end() || it->name != v) return std::nullopt;
  return HexOfRgb((it->rgb >> 16) & 0xFF, (it->rgb >> 8) & 0xFF, it->rgb & 0xFF);
}

}  // namespace tintora
