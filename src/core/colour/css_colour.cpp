#include "core/colour/css_colour.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "core/colour/colour_spaces.h"
#include "core/colour/css_text.h"

namespace tintora {

using namespace css_text;

namespace {

struct CssName {
  std::string_view name;
  int rgb;  // 0xRRGGBB
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

// The same names sorted by value (alphabetically within a value) for writing.
constexpr std::array<CssName, kCssNames.size()> kCssNamesByValue = [] {
  auto names = kCssNames;
  for (std::size_t i = 1; i < names.size(); ++i)
    for (std::size_t j = i; j > 0 && names[j].rgb < names[j - 1].rgb; --j) std::swap(names[j], names[j - 1]);
  return names;
}();

constexpr int RgbOfColour(ColourValue c) { return (RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c); }
constexpr ColourValue ColourOfRgb(int rgb) {
  return ColourFromRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::optional<int> NamedRgb(std::string_view text) {
  constexpr std::size_t kLongest = 20;  // "lightgoldenrodyellow"
  if (text.empty() || text.size() > kLongest) return std::nullopt;
  char lower[kLongest];
  for (std::size_t i = 0; i < text.size(); ++i) lower[i] = LowerChar(text[i]);
  const std::string_view key(lower, text.size());
  const auto it = std::lower_bound(kCssNames.begin(), kCssNames.end(), key,
                                   [](const CssName& n, std::string_view k) { return n.name < k; });
  if (it == kCssNames.end() || it->name != key) return std::nullopt;
  return it->rgb;
}

// A text as an error message shows it: on one line, and not endlessly long.
std::string Quoted(std::string_view text) {
  constexpr std::size_t kShown = 48;
  std::string out = "\"";
  std::size_t cut = text.size();
  if (cut > kShown) {
    cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // whole characters
  }
  for (std::size_t i = 0; i < cut; ++i) out += static_cast<unsigned char>(text[i]) < 0x20 ? ' ' : text[i];
  if (cut < text.size()) out += "...";
  return out + "\"";
}

// One component of a colour function as written.
struct Component {
  enum Kind { Number, Percent, Angle, None } kind = None;
  double value = 0;  // an angle in degrees
  std::string_view text;
};

// The outcome of reading: sRGB (perhaps outside its gamut) and alpha, or why not.
struct Reading {
  Triple srgb{};
  double alpha = 1;
  std::string why;
};

bool ReadComponent(std::string_view token, Component& out, std::string& why) {
  out.text = token;
  if (SameWord(token, "none")) {
    out.kind = Component::None;
    out.value = 0;
    return true;
  }
  std::string_view s = token;
  if (s.size() > 1 && s.front() == '+' && s[1] != '-' && s[1] != '+') s.remove_prefix(1);
  double v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec == std::errc::result_out_of_range || (ec == std::errc() && !std::isfinite(v))) {
    why = Quoted(token) + " is out of range";
    return false;
  }
  if (ec != std::errc() || (end != s.data() + s.size() && (*end == '.' || *end == 'e' || *end == 'E'))) {
    why = Quoted(token) + " is not a number";
    return false;
  }
  const std::string_view unit = s.substr(static_cast<std::size_t>(end - s.data()));
  out.value = v;
  if (unit.empty()) {
    out.kind = Component::Number;
  } else if (unit == "%") {
    out.kind = Component::Percent;
  } else {
    static constexpr struct {
      std::string_view unit;
      double degrees;
    } kAngles[] = {{"deg", 1}, {"grad", 0.9}, {"rad", 180 / 3.14159265358979323846}, {"turn", 360}};
    const auto* angle = std::find_if(std::begin(kAngles), std::end(kAngles),
                                     [&](const auto& a) { return SameWord(unit, a.unit); });
    if (angle == std::end(kAngles)) {
      why = Quoted(token) + ": a colour takes no unit " + Quoted(unit);
      return false;
    }
    out.kind = Component::Angle;
    out.value = v * angle->degrees;
  }
  return true;
}

// What a component of a function may be.
enum Accepts : unsigned { kNumber = 1, kPercent = 2, kAngle = 4 };

bool Check(const Component& c, unsigned accepts, std::string& why) {
  if (c.kind == Component::None) return true;
  if (c.kind == Component::Number && (accepts & kNumber)) return true;
  if (c.kind == Component::Percent && (accepts & kPercent)) return true;
  if (c.kind == Component::Angle && (accepts & kAngle)) return true;
  if (c.kind == Component::Angle)
    why = Quoted(c.text) + ": an angle belongs only in a hue";
  else if (c.kind == Component::Percent)
    why = Quoted(c.text) + ": a hue takes a number or an angle, not a percentage";
  else
    why = Quoted(c.text) + ": a percentage belongs here";
  return false;
}

// A number or a percentage of `full`.
double Scaled(const Component& c, double full) {
  return c.kind == Component::Percent ? c.value * full / 100 : c.value;
}

double Hue(const Component& c) {
  double h = std::fmod(c.value, 360);
  return h < 0 ? h + 360 : h;
}

// The components inside a colour function's brackets, and how they were separated.
struct Arguments {
  std::array<Component, 5> items;
  std::size_t count = 0;
  std::size_t commas = 0;
  std::size_t blanksOnly = 0;  // neighbours with nothing but blanks between them
  std::size_t slashAt = 0;     // components before the "/"; 0 without one
};

bool Split(std::string_view inside, Arguments& args, std::string& why) {
  char pending = 0;  // the separator since the last component: ' ', ',' or '/'
  std::size_t i = 0;
  while (true) {
    const std::size_t before = i;
    while (i < inside.size() && IsBlank(inside[i])) ++i;
    if (i > before && pending == 0 && args.count > 0) pending = ' ';
    if (i >= inside.size()) break;
    const char c = inside[i];
    if (c == ',' || c == '/') {
      if (args.count == 0) {
        why = c == ',' ? "an extra comma before the first component" : "\"/\" before the first component";
        return false;
      }
      if (pending == ',' || pending == '/') {
        why = pending == ',' && c == ',' ? "an extra comma" : "commas mixed with \"/\"";
        return false;
      }
      if (c == '/') {
        if (args.slashAt != 0) {
          why = "more than one \"/\"";
          return false;
        }
        args.slashAt = args.count;
      } else {
        ++args.commas;
      }
      pending = c;
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < inside.size() && !IsBlank(inside[i]) && inside[i] != ',' && inside[i] != '/') ++i;
    const std::string_view token = inside.substr(start, i - start);
    if (token.find_first_of("()") != std::string_view::npos) {
      why = Quoted(token) + ": functions inside a colour (calc(), var()) are not read";
      return false;
    }
    if (args.count == args.items.size()) {
      why = "too many components";
      return false;
    }
    if (pending == ' ') ++args.blanksOnly;
    args.items[args.count].text = token;
    ++args.count;
    pending = 0;
  }
  if (pending == ',') {
    why = "an extra comma after the last component";
    return false;
  }
  if (pending == '/') {
    why = "nothing after \"/\"";
    return false;
  }
  if (args.commas > 0 && args.slashAt != 0) {
    why = "commas mixed with \"/\"";
    return false;
  }
  if (args.commas > 0 && args.blanksOnly > 0) {
    why = "a comma is missing between components";
    return false;
  }
  return true;
}

// The function's colour components (3, after the colour space for color()) and its alpha.
bool Components(std::string_view function, const Arguments& args, std::size_t first, bool legacyAllowed,
                std::string& why) {
  const bool legacy = args.commas > 0;
  if (legacy && !legacyAllowed) {
    why = std::string(function) + "() takes its components separated by blanks, not commas";
    return false;
  }
  const std::size_t end = args.slashAt != 0 ? args.slashAt : args.count;
  const std::size_t colours = (legacy ? std::min<std::size_t>(end, 3) : end) - first;
  const std::size_t alphas = args.count - first - colours;
  if (!legacy && args.slashAt == 0 && colours == 4) {
    why = "the alpha goes after \"/\"";
    return false;
  }
  if (colours != 3) {
    why = std::string(function) + "() needs 3 components, not " + std::to_string(colours);
    return false;
  }
  if (alphas > 1) {
    why = "too many components";
    return false;
  }
  return true;
}

struct ColourSpaceName {
  std::string_view name;
  ColourSpace space;
};
constexpr ColourSpaceName kColorSpaces[] = {
    {"srgb", ColourSpace::Srgb},
    {"srgb-linear", ColourSpace::SrgbLinear},
    {"display-p3", ColourSpace::DisplayP3},
    {"a98-rgb", ColourSpace::A98Rgb},
    {"prophoto-rgb", ColourSpace::ProphotoRgb},
    {"rec2020", ColourSpace::Rec2020},
    {"xyz", ColourSpace::XyzD65},
    {"xyz-d50", ColourSpace::XyzD50},
    {"xyz-d65", ColourSpace::XyzD65},
};

enum class Function { Rgb, Hsl, Hwb, Lab, Lch, Oklab, Oklch, Color };
constexpr struct {
  std::string_view name;
  Function function;
} kFunctions[] = {
    {"rgb", Function::Rgb},     {"rgba", Function::Rgb},    {"hsl", Function::Hsl},
    {"hsla", Function::Hsl},    {"hwb", Function::Hwb},     {"lab", Function::Lab},
    {"lch", Function::Lch},     {"oklab", Function::Oklab}, {"oklch", Function::Oklch},
    {"color", Function::Color},
};

Reading ReadFunction(std::string_view name, std::string_view inside) {
  Reading r;
  const auto* known = std::find_if(std::begin(kFunctions), std::end(kFunctions),
                                   [&](const auto& f) { return SameWord(name, f.name); });
  if (known == std::end(kFunctions)) {
    r.why = Quoted(std::string(name) + "()") + " is not a colour function";
    return r;
  }
  const Function function = known->function;
  const std::string lowerName = Lower(name);
  Arguments args;
  if (!Split(inside, args, r.why)) return r;
  const std::size_t first = function == Function::Color ? 1 : 0;
  ColourSpace space = ColourSpace::Srgb;
  if (function == Function::Color) {
    if (args.count == 0) {
      r.why = "color() needs a colour space and 3 components";
      return r;
    }
    const std::string_view spaceName = args.items[0].text;
    const auto* found = std::find_if(std::begin(kColorSpaces), std::end(kColorSpaces),
                                     [&](const auto& s) { return SameWord(spaceName, s.name); });
    if (found == std::end(kColorSpaces)) {
      r.why = Quoted(spaceName) + " is not a colour space of color()";
      return r;
    }
    space = found->space;
  }
  if (!Components(lowerName, args, first, function == Function::Rgb || function == Function::Hsl, r.why))
    return r;
  const bool legacy = args.commas > 0;
  std::array<Component, 3> c;
  for (std::size_t k = 0; k < 3; ++k) {
    Component& item = c[k];
    if (!ReadComponent(args.items[first + k].text, item, r.why)) return r;
    if (legacy && item.kind == Component::None) {
      r.why = "\"none\" is read only without commas";
      return r;
    }
  }
  Component alpha;
  if (args.count > first + 3) {
    if (!ReadComponent(args.items[first + 3].text, alpha, r.why)) return r;
    if (legacy && alpha.kind == Component::None) {
      r.why = "\"none\" is read only without commas";
      return r;
    }
    if (!Check(alpha, kNumber | kPercent, r.why)) return r;
    r.alpha = std::clamp(Scaled(alpha, 1), 0.0, 1.0);
  }
  auto check = [&](std::size_t k, unsigned accepts) { return Check(c[k], accepts, r.why); };
  switch (function) {
    case Function::Rgb: {
      for (std::size_t k = 0; k < 3; ++k)
        if (!check(k, kNumber | kPercent)) return r;
      if (legacy && !(c[0].kind == c[1].kind && c[1].kind == c[2].kind)) {
        r.why = "numbers mixed with percentages (read only without commas)";
        return r;
      }
      for (std::size_t k = 0; k < 3; ++k) r.srgb[k] = std::clamp(Scaled(c[k], 255), 0.0, 255.0) / 255;
      return r;
    }
    case Function::Hsl:
    case Function::Hwb: {
      if (!check(0, kNumber | kAngle) || !check(1, legacy ? kPercent : kNumber | kPercent) ||
          !check(2, legacy ? kPercent : kNumber | kPercent))
        return r;
      const Triple t = {Hue(c[0]), std::clamp(c[1].value, 0.0, 100.0), std::clamp(c[2].value, 0.0, 100.0)};
      r.srgb = function == Function::Hsl ? HslToSrgb(t) : HwbToSrgb(t);
      return r;
    }
    case Function::Lab:
    case Function::Oklab: {
      for (std::size_t k = 0; k < 3; ++k)
        if (!check(k, kNumber | kPercent)) return r;
      const bool ok = function == Function::Oklab;
      const double lightness = std::clamp(Scaled(c[0], ok ? 1 : 100), 0.0, ok ? 1.0 : 100.0);
      const double axis = ok ? 0.4 : 125;
      const Triple lab = {lightness, Scaled(c[1], axis), Scaled(c[2], axis)};
      r.srgb = ToSrgb(ok ? ColourSpace::Oklab : ColourSpace::Lab, lab);
      return r;
    }
    case Function::Lch:
    case Function::Oklch: {
      if (!check(0, kNumber | kPercent) || !check(1, kNumber | kPercent) || !check(2, kNumber | kAngle))
        return r;
      const bool ok = function == Function::Oklch;
      const double lightness = std::clamp(Scaled(c[0], ok ? 1 : 100), 0.0, ok ? 1.0 : 100.0);
      const Triple lch = {lightness, std::max(0.0, Scaled(c[1], ok ? 0.4 : 150)), Hue(c[2])};
      r.srgb = ToSrgb(ok ? ColourSpace::Oklch : ColourSpace::Lch, lch);
      return r;
    }
    case Function::Color: {
      for (std::size_t k = 0; k < 3; ++k)
        if (!check(k, kNumber | kPercent)) return r;
      r.srgb = ToSrgb(space, {Scaled(c[0], 1), Scaled(c[1], 1), Scaled(c[2], 1)});
      return r;
    }
  }
  return r;
}

Reading ReadHex(std::string_view digits) {
  Reading r;
  for (char d : digits)
    if (HexDigit(d) < 0) {
      r.why = Quoted(std::string(1, d)) + " is not a hex digit";
      return r;
    }
  auto digit = [&](std::size_t i) { return HexDigit(digits[i]); };
  if (digits.size() == 3 || digits.size() == 4) {
    for (std::size_t k = 0; k < 3; ++k) r.srgb[k] = digit(k) * 17 / 255.0;
    if (digits.size() == 4) r.alpha = digit(3) * 17 / 255.0;
  } else if (digits.size() == 6 || digits.size() == 8) {
    for (std::size_t k = 0; k < 3; ++k) r.srgb[k] = (digit(2 * k) * 16 + digit(2 * k + 1)) / 255.0;
    if (digits.size() == 8) r.alpha = (digit(6) * 16 + digit(7)) / 255.0;
  } else {
    r.why = "a hex colour has 3, 4, 6 or 8 digits, not " + std::to_string(digits.size());
  }
  return r;
}

Reading Read(std::string_view text) {
  if (text.front() == '#') return ReadHex(text.substr(1));
  const std::size_t open = text.find('(');
  if (open != std::string_view::npos) {
    const std::string_view name = Trim(text.substr(0, open));
    if (text.back() != ')') {
      Reading r;
      r.why = text.find(')') == std::string_view::npos ? "the closing bracket is missing"
                                                       : "text after the closing bracket";
      return r;
    }
    return ReadFunction(name, text.substr(open + 1, text.size() - open - 2));
  }
  if (const auto rgb = NamedRgb(text)) {
    Reading r;
    r.srgb = SrgbOfColour(ColourOfRgb(*rgb));
    return r;
  }
  if (SameWord(text, "transparent")) {
    Reading r;
    r.alpha = 0;
    return r;
  }
  if (text.size() == 6 && std::all_of(text.begin(), text.end(), [](char c) { return HexDigit(c) >= 0; }))
    return ReadHex(text);
  Reading r;
  r.why = "neither a colour name nor a colour notation";
  return r;
}

void AppendNumber(std::string& out, double v, int decimals = 3) {
  char buffer[48];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
  char* last = ec == std::errc() ? end : buffer;
  if (std::find(buffer, last, '.') != last) {
    while (last[-1] == '0') --last;
    if (last[-1] == '.') --last;
  }
  if (last - buffer == 2 && buffer[0] == '-' && buffer[1] == '0') {  // no "-0"
    out += '0';
    return;
  }
  out.append(buffer, last);
}

// A hue as written: 0 <= h < 360 after rounding, and 0 where the chroma it goes with is written 0.
void AppendHue(std::string& out, double hue, double chroma) {
  if (std::round(chroma * 1000) == 0) hue = 0;
  hue = std::round(hue * 1000) / 1000;
  if (hue >= 360) hue -= 360;
  AppendNumber(out, hue);
}

template <typename... Parts>
std::string Function3(std::string_view name, const Parts&... parts) {
  std::string out;
  out.reserve(40);
  out += name;
  out += '(';
  bool first = true;
  auto append = [&](const auto& part) {
    if (!first) out += ' ';
    first = false;
    part(out);
  };
  (append(parts), ...);
  out += ')';
  return out;
}

}  // namespace

std::span<const CssNotationName> CssNotations() {
  static constexpr CssNotationName kNotations[] = {
      {CssNotation::Hex, "hex"},     {CssNotation::Rgb, "rgb"},     {CssNotation::Hsl, "hsl"},
      {CssNotation::Hwb, "hwb"},     {CssNotation::Lab, "lab"},     {CssNotation::Lch, "lch"},
      {CssNotation::Oklab, "oklab"}, {CssNotation::Oklch, "oklch"}, {CssNotation::Name, "name"},
  };
  return kNotations;
}

std::optional<CssNotation> CssNotationOfWord(std::string_view word) {
  for (const auto& n : CssNotations())
    if (SameWord(word, n.word)) return n.notation;
  return std::nullopt;
}

std::string_view WordOfCssNotation(CssNotation notation) {
  for (const auto& n : CssNotations())
    if (n.notation == notation) return n.word;
  return {};
}

CssColourReading ReadCssColour(std::string_view text) {
  CssColourReading out;
  const std::string_view trimmed = Trim(text);
  if (trimmed.empty()) {
    out.error = "There is no colour text.";
    return out;
  }
  const Reading r = Read(trimmed);
  if (!r.why.empty()) {
    out.error = Quoted(trimmed) + " is not a colour: " + r.why + ".";
    return out;
  }
  out.alpha = r.alpha;
  out.gamutMapped = !InSrgbGamut(r.srgb);
  out.colour = ColourOfSrgb(out.gamutMapped ? GamutMapToSrgb(r.srgb) : r.srgb);
  return out;
}

std::optional<std::string_view> CssNameOf(ColourValue colour) {
  const int rgb = RgbOfColour(colour);
  const auto it = std::lower_bound(kCssNamesByValue.begin(), kCssNamesByValue.end(), rgb,
                                   [](const CssName& n, int v) { return n.rgb < v; });
  if (it == kCssNamesByValue.end() || it->rgb != rgb) return std::nullopt;
  return it->name;
}

std::string WriteCssColour(ColourValue colour, CssNotation notation) {
  const Triple srgb = SrgbOfColour(colour);
  auto number = [](double v) { return [v](std::string& out) { AppendNumber(out, v); }; };
  // Oklab's axes span only about 0.4, so they need a fourth decimal for every 8-bit colour to
  // read back as itself.
  auto okNumber = [](double v) { return [v](std::string& out) { AppendNumber(out, v, 5); }; };
  auto percent = [](double v) {
    return [v](std::string& out) {
      AppendNumber(out, v);
      out += '%';
    };
  };
  auto hue = [](double h, double chroma) {
    return [h, chroma](std::string& out) { AppendHue(out, h, chroma); };
  };
  switch (notation) {
    case CssNotation::Hex:
      return "#" + BGRIntToRGBHEX(colour);
    case CssNotation::Rgb:
      return Function3("rgb", number(RedOf(colour)), number(GreenOf(colour)), number(BlueOf(colour)));
    case CssNotation::Hsl: {
      const Triple t = SrgbToHsl(srgb);
      return Function3("hsl", hue(t[0], t[1]), percent(t[1]), percent(t[2]));
    }
    case CssNotation::Hwb: {
      const Triple t = SrgbToHwb(srgb);
      return Function3("hwb", hue(t[0], 100 - t[1] - t[2]), percent(t[1]), percent(t[2]));
    }
    case CssNotation::Lab: {
      const Triple t = FromSrgb(ColourSpace::Lab, srgb);
      return Function3("lab", number(t[0]), number(t[1]), number(t[2]));
    }
    case CssNotation::Lch: {
      const Triple t = FromSrgb(ColourSpace::Lch, srgb);
      return Function3("lch", number(t[0]), number(t[1]), hue(t[2], t[1]));
    }
    case CssNotation::Oklab: {
      const Triple t = FromSrgb(ColourSpace::Oklab, srgb);
      return Function3("oklab", percent(t[0] * 100), okNumber(t[1]), okNumber(t[2]));
    }
    case CssNotation::Oklch: {
      const Triple t = FromSrgb(ColourSpace::Oklch, srgb);
      return Function3("oklch", percent(t[0] * 100), okNumber(t[1]), hue(t[2], t[1]));
    }
    case CssNotation::Name:
      if (const auto name = CssNameOf(colour)) return std::string(*name);
      return "#" + BGRIntToRGBHEX(colour);
  }
  return {};
}

}  // namespace tintora
