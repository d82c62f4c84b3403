#include "core/colour/css_colour.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/colour/colour_spaces.h"
#include "core/colour/css_text.h"
#include "core/colour/number_text.h"

// Writing colours as CSS does, and the notations' words; the reader is in css_colour_read.cpp.
namespace tintora {

using namespace css_text;

namespace {

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

std::string WriteCssColour(Rgb8 colour, CssNotation notation) {
  const Srgb srgb = SrgbOfColour(colour);
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
      return "#" + colour.Hex();
    case CssNotation::Rgb:
      return Function3("rgb", number(colour.red), number(colour.green), number(colour.blue));
    case CssNotation::Hsl: {
      const Hsl t = SrgbToHsl(srgb);
      return Function3("hsl", hue(t[0], t[1]), percent(t[1]), percent(t[2]));
    }
    case CssNotation::Hwb: {
      const Hwb t = SrgbToHwb(srgb);
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
      return "#" + colour.Hex();
  }
  return {};
}

std::optional<std::string> AlphaNote(std::string_view text, const CssColourReading& read) {
  if (!read || read.alpha >= 1) return std::nullopt;
  const std::string quoted = std::string(css_text::Trim(text));
  if (read.alpha <= 0) return quoted + " is fully transparent: it has no colour of its own.";
  const std::string percent = GeneralNumberText(std::nearbyint(read.alpha * 1000) / 10);
  return "The " + percent + " % opacity of " + quoted + " was left out: Tintora keeps opaque colours.";
}

}  // namespace tintora
