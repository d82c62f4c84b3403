#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The pieces of a CSS colour function as written: its components and how they were separated.
namespace tintora::css_parts {

// A text as an error message shows it: on one line, and not endlessly long.
std::string Quoted(std::string_view text);

// One component of a colour function as written.
struct Component {
  enum Kind { Number, Percent, Angle, None } kind = None;
  double value = 0;  // an angle in degrees, within a turn
  std::string_view text;
};

bool ReadComponent(std::string_view token, Component& out, std::string& why);

// What a component of a function may be.
enum Accepts : unsigned { kNumber = 1, kPercent = 2, kAngle = 4 };
bool Check(const Component& c, unsigned accepts, std::string& why);

// A number or a percentage of `full`.
double Scaled(const Component& c, double full);
double Hue(const Component& c);

// The components inside a colour function's brackets, and how they were separated.
struct Arguments {
  std::array<Component, 5> items;
  std::size_t count = 0;
  std::size_t commas = 0;
  std::size_t blanksOnly = 0;  // neighbours with nothing but blanks between them
  std::size_t slashAt = 0;     // components before the "/"; 0 without one
};
bool Split(std::string_view inside, Arguments& args, std::string& why);

}  // namespace tintora::css_parts
