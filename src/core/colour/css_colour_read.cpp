#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "core/colour/colour_spaces.h"
#include "core/colour/css_colour.h"
#include "core/colour/css_names.h"
#include "core/colour/css_parts.h"
#include "core/colour/css_text.h"
#include "core/colour/number_text.h"

// Reading every colour notation of CSS Color 4; the writers are in css_colour.cpp.
namespace tintora {

using namespace css_text;
using namespace css_parts;

namespace {

// Components far outside any colour (a chroma of 1e30) are brought to the largest the
// conversions and the gamut mapping still hold exactly, so that any huge value gives what a
// large one does rather than what rounding makes of it: ten times the reference range.
double Bounded(double value, double reference) { return std::clamp(value, -10 * reference, 10 * reference); }

// The outcome of reading: sRGB (perhaps outside its gamut) and alpha, or why not.
struct Reading {
  Srgb srgb{};
  std::optional<Oklch> oklch;  // the colour's own OKLCH, where it was given in OKLab or OKLCH
  double alpha = 1;
  std::string why;
};

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
    const std::optional<ColourSpace> found = ColorFunctionSpace(spaceName);
    if (!found) {
      r.why = Quoted(spaceName) + " is not a colour space of color()";
      return r;
    }
    space = *found;
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
      r.srgb = function == Function::Hsl ? HslToSrgb(Hsl{t}) : HwbToSrgb(Hwb{t});
      return r;
    }
    case Function::Lab:
    case Function::Oklab: {
      for (std::size_t k = 0; k < 3; ++k)
        if (!check(k, kNumber | kPercent)) return r;
      const bool ok = function == Function::Oklab;
      const double lightness = std::clamp(Scaled(c[0], ok ? 1 : 100), 0.0, ok ? 1.0 : 100.0);
      const double axis = ok ? 0.4 : 125;
      const Triple lab = {lightness, Bounded(Scaled(c[1], axis), axis), Bounded(Scaled(c[2], axis), axis)};
      r.srgb = ToSrgb(ok ? ColourSpace::Oklab : ColourSpace::Lab, lab);
      if (ok) r.oklch = Oklch{LabToLch(lab)};
      return r;
    }
    case Function::Lch:
    case Function::Oklch: {
      if (!check(0, kNumber | kPercent) || !check(1, kNumber | kPercent) || !check(2, kNumber | kAngle))
        return r;
      const bool ok = function == Function::Oklch;
      const double lightness = std::clamp(Scaled(c[0], ok ? 1 : 100), 0.0, ok ? 1.0 : 100.0);
      const double full = ok ? 0.4 : 150;
      const Triple lch = {lightness, Bounded(std::max(0.0, Scaled(c[1], full)), full), Hue(c[2])};
      r.srgb = ToSrgb(ok ? ColourSpace::Oklch : ColourSpace::Lch, lch);
      if (ok) r.oklch = Oklch{lch};
      return r;
    }
    case Function::Color: {
      for (std::size_t k = 0; k < 3; ++k)
        if (!check(k, kNumber | kPercent)) return r;
      r.srgb = ToSrgb(
          space, {Bounded(Scaled(c[0], 1), 1), Bounded(Scaled(c[1], 1), 1), Bounded(Scaled(c[2], 1), 1)});
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
  if (const auto rgb = CssNamedRgb(text)) {
    Reading r;
    r.srgb = SrgbOfColour(Rgb8::OfPixel(static_cast<std::uint32_t>(*rgb)));
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

}  // namespace

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
  out.colour = ColourOfSrgb(!out.gamutMapped ? r.srgb
                            : r.oklch        ? GamutMapOklchToSrgb(*r.oklch)
                                             : GamutMapToSrgb(r.srgb));
  return out;
}

std::optional<ColourSpace> ColorFunctionSpace(std::string_view name) {
  for (const ColourSpaceName& s : kColorSpaces)
    if (SameWord(name, s.name)) return s.space;
  return std::nullopt;
}

}  // namespace tintora
