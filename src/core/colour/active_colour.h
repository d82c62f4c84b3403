// The one active colour of the main window: the three levels the RGB track bars stand at and
// the intensity offset. Everything the window shows of it is a function of this value.
#pragma once

#include <string>

#include "core/colour/notations.h"

namespace tintora {

class ActiveColour {
 public:
  // Component numbers of the mixers' rows: 1 red, 2 green, 3 blue, 4 cyan, 5 magenta, 6 yellow.
  static constexpr int kRed = 1, kGreen = 2, kBlue = 3;

  constexpr ActiveColour() = default;
  // Levels are limited to 0..255 and the offset to -100..100, as the track bars limit them.
  ActiveColour(int red, int green, int blue, int intensity = 0);

  int Red() const { return red_; }
  int Green() const { return green_; }
  int Blue() const { return blue_; }
  // -100 (black) .. 100 (white); 0 leaves the levels as they are.
  int Intensity() const { return intensity_; }
  // 1..3 the RGB levels, 4..6 the CMY mirrors (255 minus the RGB twin); 0 for other numbers.
  int Component(int n) const;

  // The same colour with one component at a new level (a CMY component sets its RGB twin).
  ActiveColour WithComponent(int n, int level) const;
  ActiveColour WithRgb(int red, int green, int blue) const;
  ActiveColour WithIntensity(int intensity) const;

  // The levels without the offset, as a colour value (red in the low byte).
  ColourValue Levels() const { return ColourFromRgb(red_, green_, blue_); }
  // The colour shown: each level moved by the offset, towards white above 0 and towards black
  // below, rounded half to even.
  int ShownRed() const;
  int ShownGreen() const;
  int ShownBlue() const;
  ColourValue Shown() const { return ColourFromRgb(ShownRed(), ShownGreen(), ShownBlue()); }
  ColourValue Inverse() const { return kMaxColourValue - Shown(); }
  // The offset's own grey level: -100 gives 0, 0 gives 128, 100 gives 255.
  int Grey() const;

  // The kept notations of the shown colour: RRGGBB, its integer in decimal, and BBGGRR.
  std::string HexRGBText() const;
  std::string DecimalRGBText() const;
  std::string HexBGRText() const;

  bool SameLevels(const ActiveColour& other) const { return Levels() == other.Levels(); }
  bool operator==(const ActiveColour&) const = default;

 private:
  int red_ = 0, green_ = 0, blue_ = 0;
  int intensity_ = 0;
};

// The notation switches of the value field.
struct NotationSwitches {
  bool html = false;
  bool hexadecimal = true;  // false: decimal
  bool bgr = false;
  bool ieNs = false;
  bool operator==(const NotationSwitches&) const = default;
};

// The text of the value field for the active colour: COLOR="name", RRGGBB, BBGGRR or decimal.
std::string HexHTMLText(const ActiveColour& colour, const NotationSwitches& switches);

}  // namespace tintora
