// The text colourizer's engine: each character of a short text gets a colour from a sequence
// of chosen colours (one each, or a gradient through them) and a size (one size, or a
// progression from a start size to an end size), and the result is written as HTML FONT
// mark-up. The window shows the same per-character result as its preview.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/colour/rgb8.h"

namespace tintora {

// The text box takes at most this many characters.
inline constexpr std::size_t kColourizerMaxChars = 155;
// Point sizes by HTML font size; index 0 stands for the default, 12 points.
inline constexpr std::array<int, 8> kColourizerPointSizes = {12, 8, 10, 12, 14, 18, 24, 36};

// One colour of the colourizer's list.
struct TextColourEntry {
  std::string name;
  std::string value;  // RRGGBB
  bool checked = false;

  bool operator==(const TextColourEntry&) const = default;
};

struct ColourizerStyles {
  bool bold = false, italic = false, underline = false, strikeOut = false;
};

// Everything the controls feed the engine.
struct ColourizerInput {
  std::u32string text;  // line breaks are "\n"
  std::vector<TextColourEntry> colours;
  std::string face;        // empty: no specific font face
  int base = 3;            // B: 1..7
  int start = 0, end = 0;  // S and E: 0 = not chosen; offsets from B in relative mode
  bool relative = false;
  ColourizerStyles styles;
  bool webSafe = false;
  bool linePerBlock = false;
  // The markup: HTML 3's <FONT> and style tags (the default), or CSS <span style="…">.
  bool cssSpans = false;
};

// One character as the preview shows it.
struct ColourizedChar {
  char32_t ch;
  std::optional<Rgb8> colour;  // nullopt: the text box's own text colour
  int points;
};

// The text with every character's colour and size. Trailing white space is kept (the preview
// shows it) but not counted: `count` is the characters before it.
struct Colourized {
  std::vector<ColourizedChar> chars;
  std::size_t count = 0;
};

// The text as the colourizer holds it: CR LF and a lone CR become "\n".
std::u32string NormaliseColourizerText(std::u32string_view text);
// The characters before trailing blanks, tabs and line breaks.
std::size_t CharacterCount(std::u32string_view text);
// The number of checked colours.
std::size_t CheckedColourCount(const std::vector<TextColourEntry>& colours);

// The HTML size ("1".."7") of a point size; nullopt for a size with none.
std::optional<int> HTMLTextSize(int points);
// The HTML form of one character: the named entities of the colourizer's table, "&#N;" for
// other codes outside 33..126 (N the Windows-1252 code, or the Unicode code point for a
// character Windows-1252 lacks).
std::string HTMLCharacterFilter(char32_t ch);

// The HTML size index (into kColourizerPointSizes) of each of `n` characters along the
// progression from `start` to `end` (Bresenham's line, the last step forced onto `end`).
std::vector<int> GradualSizeIndexes(std::size_t n, int start, int end);

Colourized Colourize(const ColourizerInput& input);

// The mark-up, one line each; empty for a text of nothing but white space.
std::vector<std::string> GenerateHTML(const Colourized& result, const ColourizerInput& input);

// The background attribute for the preview's background colour: BGColor="#RRGGBB".
std::string BackgroundAttribute(Rgb8 background);

}  // namespace tintora
