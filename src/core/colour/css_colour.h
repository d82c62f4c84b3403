// Colours as CSS Color 4 writes them: read from any of its notations (names, hex, rgb(), hsl(),
// hwb(), lab(), lch(), oklab(), oklch(), color()) and written in the common ones. A colour that
// lies outside sRGB is brought into it by the CSS gamut mapping before it becomes an 8-bit
// colour; alpha is read and handed back, but a colour value has none.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/colour/colour_spaces.h"
#include "core/colour/notations.h"
#include "core/colour/rgb8.h"

namespace tintora {

enum class CssNotation { Hex, Rgb, Hsl, Hwb, Lab, Lch, Oklab, Oklch, Name };

// Every notation with the word that names it on a command line ("hex", "rgb" ... "name").
struct CssNotationName {
  CssNotation notation;
  std::string_view word;
};
std::span<const CssNotationName> CssNotations();
std::optional<CssNotation> CssNotationOfWord(std::string_view word);
std::string_view WordOfCssNotation(CssNotation notation);

struct CssColourReading {
  Rgb8 colour;
  double alpha = 1;          // 0..1
  bool gamutMapped = false;  // the text named a colour outside sRGB
  std::string error;         // why the text is not a colour; empty when it is one

  explicit operator bool() const { return error.empty(); }
};

// Reads one colour text: any letter case, blanks around it allowed. A bare six-digit RRGGBB
// is taken as "#RRGGBB". The error names the text and what is wrong with it.
CssColourReading ReadCssColour(std::string_view text);
// The space a color() function names ("display-p3", "rec2020", "xyz" …, any case).
std::optional<ColourSpace> ColorFunctionSpace(std::string_view name);

// What a colour value cannot keep of a colour text, said so the user is not misled: its
// opacity ("The 50 % opacity of rgb(51 102 204 / 50%) was left out.") or, for a fully
// transparent colour, that there is no colour to take. nullopt for an opaque colour.
std::optional<std::string> AlphaNote(std::string_view text, const CssColourReading& read);

// The colour written in a notation. Numbers carry at most three decimals; hue is in degrees.
// Name gives the CSS name when the colour has one, otherwise the hex text.
std::string WriteCssColour(Rgb8 colour, CssNotation notation);

// The CSS name of exactly this colour ("aqua" before "cyan": the first in the alphabet).
std::optional<std::string_view> CssNameOf(Rgb8 colour);

}  // namespace tintora
