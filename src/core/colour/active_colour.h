// The one active colour of the main window: the three levels the RGB track bars stand at and
// the intensity offset. Everything the window shows of it is a function of this value.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/colour/notations.h"
#include "core/colour/rgb8.h"

namespace tintora {

// The six components the mixers show, in their rows' order: the RGB levels, then their CMY
// mirrors (each 255 minus its RGB twin).
enum class ColourComponent { Red, Green, Blue, Cyan, Magenta, Yellow };
inline constexpr std::array<ColourComponent, 3> kRgbComponents = {
    ColourComponent::Red, ColourComponent::Green, ColourComponent::Blue};
inline constexpr std::array<ColourComponent, 6> kColourComponents = {
    ColourComponent::Red,  ColourComponent::Green,   ColourComponent::Blue,
    ColourComponent::Cyan, ColourComponent::Magenta, ColourComponent::Yellow};
// Its place among the six (0 red .. 5 yellow).
constexpr std::size_t IndexOf(ColourComponent c) { return static_cast<std::size_t>(c); }
constexpr bool IsCmy(ColourComponent c) { return IndexOf(c) >= 3; }
// The RGB component a CMY one mirrors, and the CMY mirror of an RGB one (each its own twin's).
constexpr ColourComponent RgbTwin(ColourComponent c) { return static_cast<ColourComponent>(IndexOf(c) % 3); }
constexpr ColourComponent CmyTwin(ColourComponent c) {
  return static_cast<ColourComponent>(IndexOf(c) % 3 + 3);
}

class ActiveColour {
 public:
  constexpr ActiveColour() = default;
  // Levels are limited to 0..255 and the offset to -100..100, as the track bars limit them.
  ActiveColour(int red, int green, int blue, int intensity = 0);

  int Red() const { return red_; }
  int Green() const { return green_; }
  int Blue() const { return blue_; }
  // -100 (black) .. 100 (white); 0 leaves the levels as they are.
  int Intensity() const { return intensity_; }
  // The RGB levels, and the CMY mirrors (255 minus the RGB twin).
  int Component(ColourComponent c) const;

  // The same colour with one component at a new level (a CMY component sets its RGB twin).
  ActiveColour WithComponent(ColourComponent c, int level) const;
  ActiveColour WithRgb(int red, int green, int blue) const;
  ActiveColour WithIntensity(int intensity) const;

  // The levels without the offset.
  Rgb8 Levels() const { return Rgb8::OfLevels(red_, green_, blue_); }
  // The colour shown: each level moved by the offset, towards white above 0 and towards black
  // below, rounded half to even.
  int ShownRed() const;
  int ShownGreen() const;
  int ShownBlue() const;
  Rgb8 Shown() const { return Rgb8::OfLevels(ShownRed(), ShownGreen(), ShownBlue()); }
  Rgb8 Inverse() const { return Shown().Inverse(); }
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
