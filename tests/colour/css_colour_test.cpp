#include "core/colour/css_colour.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <regex>

#include "core/colour/colour_spaces.h"

namespace tintora {
namespace {

using ::testing::HasSubstr;

std::string Hex(Rgb8 c) { return WriteCssColour(c, CssNotation::Hex); }

// Published values: the worked examples of CSS Color 4 and the W3C's conformance tests
// (each of which converts a colour to sRGB, given there as percentages, rounded here to 8 bits).
TEST(CssColour, ReadsEveryNotation) {
  const struct {
    const char* text;
    const char* hex;
    double alpha = 1;
  } rows[] = {
      // names and hex, in any case, blanks around allowed
      {"RebeccaPurple", "#663399"},
      {"  aqua\n", "#00FFFF"},
      {"LightGoldenRodYellow", "#FAFAD2"},
      {"transparent", "#000000", 0},
      {"#f80", "#FF8800"},
      {"#F808", "#FF8800", 0x88 / 255.0},
      {"#3366cc", "#3366CC"},
      {"#3366CC80", "#3366CC", 0x80 / 255.0},
      {"3366cc", "#3366CC"},
      // rgb(): commas or blanks, numbers or percentages, clamped
      {"rgb(51, 102, 204)", "#3366CC"},
      {"rgb(51 102 204)", "#3366CC"},
      {"rgba(51,102,204,0.5)", "#3366CC", 0.5},
      {"rgb(20% 40% 80%)", "#3366CC"},
      {"rgb(100% 50% 0% / 25%)", "#FF8000", 0.25},
      {"rgb(300 -5 0)", "#FF0000"},
      {"RGB(1 2 3)", "#010203"},
      {"rgb(none 255 0)", "#00FF00"},
      {"rgb(+1 2e1 .5e1 / none)", "#011405", 0},
      {"rgb(10% 128 0)", "#1A8000"},
      // hsl() and hwb() with every angle unit
      {"hsl(220 60% 50%)", "#3366CC"},
      {"hsl(120, 100%, 50%)", "#00FF00"},
      {"hsl(240deg 100% 25%)", "#000080"},
      {"hsla(0.5turn, 100%, 50%, 1)", "#00FFFF"},
      {"hsl(3.14159265rad 100% 50%)", "#00FFFF"},
      {"hsl(200grad 100% 50%)", "#00FFFF"},
      {"hsl(-120 100% 50%)", "#0000FF"},
      {"hsl(30 100 50)", "#FF8000"},
      {"hsl(0 150% 120%)", "#FFFFFF"},
      {"hwb(220 20% 20%)", "#3366CC"},
      {"hwb(0 60% 60%)", "#808080"},
      {"HWB(90deg 0% 0% / 0.2)", "#80FF00", 0.2},
      // lab() and lch(): L 0..100, a and b 100% = 125, C 100% = 150
      {"lab(46.2775% -47.5621 48.5837)", "#008000"},
      {"lab(50 50 0)", "#C14E79"},
      {"lab(70 0 70)", "#C3A90E"},
      {"lab(29.2345% 39.3825 20.0664)", "#7D2329"},
      {"lab(0% 0 0)", "#000000"},
      {"lab(100% 0 0)", "#FFFFFF"},
      {"lab(50% 40% 0%)", "#C14E79"},
      {"lch(46.2775% 67.9892 134.3912)", "#008000"},
      {"lch(50% 50 0)", "#C14E79"},
      {"lch(55% 60 270)", "#2187ED"},
      {"lch(29.2345% 44.2 27)", "#7D2329"},
      // oklab() and oklch(): L 100% = 1, a and b and C 100% = 0.4
      {"oklab(51.975% -0.1403 0.10768)", "#008000"},
      {"oklab(51.975% -35.075% 26.92%)", "#008000"},
      {"oklab(0.51975 -0.1403 0.10768)", "#008000"},
      {"oklab(0% 0 0)", "#000000"},
      {"oklch(51.975% 0.17686 142.495)", "#008000"},
      {"oklch(51.975% 44.215% 142.495)", "#008000"},
      {"oklch(50% 0.2 0)", "#B4065F"},
      {"oklch(80% 0.15 160)", "#52DB9C"},
      {"oklch(0% 1.1 60)", "#000000"},
      {"oklch(100% 110 60)", "#FFFFFF"},
      // color() in each space
      {"color(srgb 0.2 0.4 0.8)", "#3366CC"},
      {"color(srgb 20% 40% 80% / 0.5)", "#3366CC", 0.5},
      {"color(srgb-linear 0.21586 0.21586 0.21586)", "#808080"},
      {"color(display-p3 0.91749 0.20029 0.13856)", "#FF0000"},
      {"color(rec2020 0.82346 0.32843 0.18034)", "#FF0000"},
      // rec2020 decodes with BT.1886's 2.4 power: mid values come out darker than BT.2020's
      // camera curve made them (#8B8B8B there).
      {"color(rec2020 0.5 0.5 0.5)", "#787878"},
      {"color(a98-rgb 1 1 1)", "#FFFFFF"},
      {"color(prophoto-rgb 0 0 0)", "#000000"},
      {"color(prophoto-rgb 1 1 1)", "#FFFFFF"},
      {"color(xyz 0.9505 1 1.089)", "#FFFFFF"},
      {"color(xyz-d65 0.4124 0.2126 0.0193)", "#FF0000"},
      {"color(XYZ-D50 0.4360 0.2225 0.0139)", "#FF0000"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    const CssColourReading r = ReadCssColour(row.text);
    ASSERT_TRUE(r) << r.error;
    EXPECT_EQ(Hex(r.colour), row.hex);
    EXPECT_NEAR(r.alpha, row.alpha, 1e-9);
  }
}

TEST(CssColour, RefusesInvalidTextSayingWhy) {
  const struct {
    const char* text;
    const char* why;
  } rows[] = {
      {"", "There is no colour text."},
      {"   ", "There is no colour text."},
      {"rgb(1, 2 3)", "a comma is missing between components"},
      {"rgb(1,,2,3)", "an extra comma"},
      {"rgb(,1,2,3)", "an extra comma before the first component"},
      {"rgb(1,2,3,)", "an extra comma after the last component"},
      {"rgb(1, 2, 3 / 0.5)", "commas mixed with \"/\""},
      {"rgb(1 2 3, 0.5)", "a comma is missing between components"},
      {"rgb(1 2 3 0.5)", "the alpha goes after \"/\""},
      {"rgb(1 2 3 / 0.5 / 1)", "more than one \"/\""},
      {"rgb(1 2 3 /)", "nothing after \"/\""},
      {"rgb(1 2)", "rgb() needs 3 components, not 2"},
      {"rgba(1, 2, 3, 4, 5)", "too many components"},
      {"rgb(1 2 3 4 5 6)", "too many components"},
      {"rgb(1, 2%, 3)", "numbers mixed with percentages"},
      {"rgb(none, 2, 3)", "\"none\" is read only without commas"},
      {"rgb(1px 2 3)", "\"1px\": a colour takes no unit \"px\""},
      {"rgb(10deg 2 3)", "\"10deg\": an angle belongs only in a hue"},
      {"hsl(50% 50% 50%)", "\"50%\": a hue takes a number or an angle, not a percentage"},
      {"hsl(120, 50, 50%)", "\"50\": a percentage belongs here"},
      {"lab(50, 20, 30)", "lab() takes its components separated by blanks, not commas"},
      {"hwb(0, 0%, 0%)", "hwb() takes its components separated by blanks, not commas"},
      {"oklch(50% 0.2 1e999)", "\"1e999\" is out of range"},
      {"rgb(abc 2 3)", "\"abc\" is not a number"},
      {"rgb(1.2.3 4 5)", "\"1.2.3\" is not a number"},
      {"rgb(calc(1) 2 3)", "functions inside a colour (calc(), var()) are not read"},
      {"foo(1 2 3)", "\"foo()\" is not a colour function"},
      {"color(srgbx 1 1 1)", "\"srgbx\" is not a colour space of color()"},
      {"color(1 1 1)", "\"1\" is not a colour space of color()"},
      {"color(display-p3 1 1)", "color() needs 3 components, not 2"},
      {"rgb(1 2 3", "the closing bracket is missing"},
      {"rgb(1 2 3) x", "text after the closing bracket"},
      {"#12345", "a hex colour has 3, 4, 6 or 8 digits, not 5"},
      {"#12G456", "\"G\" is not a hex digit"},
      {"reddish", "neither a colour name nor a colour notation"},
      {"12345", "neither a colour name nor a colour notation"},
      {"currentcolor", "neither a colour name nor a colour notation"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    const CssColourReading r = ReadCssColour(row.text);
    EXPECT_FALSE(r);
    EXPECT_THAT(r.error, HasSubstr(row.why));
  }
  // The message names the text, on one line and cut when long.
  EXPECT_EQ(ReadCssColour("rgb(1, 2 3)").error,
            "\"rgb(1, 2 3)\" is not a colour: a comma is missing between components.");
  const std::string pasted = "line one\nline two " + std::string(200, 'x');
  const std::string error = ReadCssColour(pasted).error;
  EXPECT_THAT(error, HasSubstr("\"line one line two xxx"));
  EXPECT_THAT(error, HasSubstr("...\" is not a colour"));
  EXPECT_LT(error.size(), 120u);
}

// The numbers of a written colour, to compare with published values to their precision.
std::vector<double> NumbersIn(const std::string& text) {
  std::vector<double> numbers;
  const std::regex number(R"(-?[0-9]+(\.[0-9]+)?)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
    numbers.push_back(std::stod(it->str()));
  return numbers;
}

TEST(CssColour, WritesEveryNotation) {
  const struct {
    Rgb8 colour;
    CssNotation notation;
    const char* text;
  } exact[] = {
      {Rgb8::OfLevels(0x33, 0x66, 0xCC), CssNotation::Hex, "#3366CC"},
      {Rgb8::OfLevels(0x33, 0x66, 0xCC), CssNotation::Rgb, "rgb(51 102 204)"},
      {Rgb8::OfLevels(0x33, 0x66, 0xCC), CssNotation::Hsl, "hsl(220 60% 50%)"},
      {Rgb8::OfLevels(0x33, 0x66, 0xCC), CssNotation::Hwb, "hwb(220 20% 20%)"},
      {Rgb8::OfLevels(0x33, 0x66, 0xCC), CssNotation::Name, "#3366CC"},
      {Rgb8::OfLevels(0xFF, 0x00, 0x00), CssNotation::Name, "red"},
      {Rgb8::OfLevels(0x00, 0xFF, 0xFF), CssNotation::Name, "aqua"},
      {Rgb8::OfLevels(0xA9, 0xA9, 0xA9), CssNotation::Name, "darkgray"},
      {Rgb8::OfLevels(0x80, 0x80, 0x80), CssNotation::Hsl, "hsl(0 0% 50.196%)"},
      {Rgb8{}, CssNotation::Hwb, "hwb(0 0% 100%)"},
      {Rgb8{}, CssNotation::Oklab, "oklab(0% 0 0)"},
      {Rgb8{255, 255, 255}, CssNotation::Lab, "lab(100 0 0)"},
      {Rgb8{255, 255, 255}, CssNotation::Oklch, "oklch(100% 0 0)"},
      // a grey has no hue to write
      {Rgb8::OfLevels(0x80, 0x80, 0x80), CssNotation::Lch, "lch(53.585 0 0)"},
      {Rgb8::OfLevels(0x80, 0x80, 0x80), CssNotation::Oklch, "oklch(59.987% 0 0)"},
  };
  for (const auto& row : exact) EXPECT_EQ(WriteCssColour(row.colour, row.notation), row.text);

  // Green (#008000) as the W3C's tests give it, and red as CSS Color 4 does.
  const struct {
    Rgb8 colour;
    CssNotation notation;
    const char* published;
    double tolerance;
  } published[] = {
      {Rgb8::OfLevels(0, 0x80, 0), CssNotation::Lab, "lab(46.2775 -47.5621 48.5837)", 0.02},
      {Rgb8::OfLevels(0, 0x80, 0), CssNotation::Lch, "lch(46.2775 67.9892 134.3912)", 0.02},
      {Rgb8::OfLevels(0, 0x80, 0), CssNotation::Oklab, "oklab(51.975% -0.1403 0.10768)", 0.001},
      {Rgb8::OfLevels(0, 0x80, 0), CssNotation::Oklch, "oklch(51.975% 0.17686 142.495)", 0.001},
      {Rgb8::OfLevels(0xFF, 0, 0), CssNotation::Lab, "lab(54.29 80.8 69.89)", 0.01},
      {Rgb8::OfLevels(0xFF, 0, 0), CssNotation::Oklch, "oklch(62.796% 0.25768 29.2339)", 0.001},
  };
  for (const auto& row : published) {
    const std::string written = WriteCssColour(row.colour, row.notation);
    SCOPED_TRACE(written);
    EXPECT_EQ(written.substr(0, written.find('(')), std::string(row.published).substr(0, written.find('(')));
    const auto got = NumbersIn(written), want = NumbersIn(row.published);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], row.tolerance);
  }
  EXPECT_EQ(CssNameOf(Rgb8::OfLevels(0x33, 0x66, 0xCC)), std::nullopt);
}

TEST(CssColour, NumbersHaveAtMostThreeDecimalsAndOklabItsFive) {
  // Oklab's axes span about 0.4, so a, b and C carry five decimals (the precision three give on
  // Lab's axes); everything else three, and none ends in a zero.
  const std::regex tooLong(R"(\.[0-9]{4})"), okTooLong(R"(\.[0-9]{6})"), trailingZero(R"(\.[0-9]*0[^0-9])");
  std::mt19937 random(7);
  for (int i = 0; i < 2000; ++i) {
    const auto c = Rgb8::OfPixel(random());
    for (const auto& n : CssNotations()) {
      const std::string text = WriteCssColour(c, n.notation);
      const bool ok = n.notation == CssNotation::Oklab || n.notation == CssNotation::Oklch;
      EXPECT_FALSE(std::regex_search(text, ok ? okTooLong : tooLong)) << text;
      EXPECT_FALSE(std::regex_search(text, trailingZero)) << text;
      EXPECT_EQ(text.find("-0 "), std::string::npos) << text;
    }
  }
}

// Every colour goes through every notation and back; the whole cube is in the benchmarks, here
// a fixed sample with the edges and greys where rounding is most fragile.
TEST(CssColour, EveryNotationReadsBackAsTheSameColour) {
  std::vector<Rgb8> colours;
  for (int v = 0; v < 256; ++v) {
    colours.push_back(Rgb8::OfLevels(v, v, v));
    colours.push_back(Rgb8::OfLevels(v, 0, 0));
    colours.push_back(Rgb8::OfLevels(0, v, 255));
    colours.push_back(Rgb8::OfLevels(255, 255, v));
  }
  std::mt19937 random(20261207);
  for (int i = 0; i < 20000; ++i) colours.push_back(Rgb8::OfPixel(random()));
  for (const auto& n : CssNotations())
    for (Rgb8 c : colours) {
      const std::string text = WriteCssColour(c, n.notation);
      const CssColourReading back = ReadCssColour(text);
      ASSERT_TRUE(back) << back.error;
      ASSERT_EQ(Hex(back.colour), Hex(c)) << text;
    }
}

// Colours outside sRGB keep their lightness and hue and lose chroma: the result lies within a
// just-noticeable difference (plus 8-bit rounding) of the colour with the origin's lightness and
// hue. Clipping each channel instead shifts the hue of some of them by several degrees.
TEST(CssColour, OutOfGamutColoursAreMappedNotClipped) {
  const struct {
    const char* text;
    ColourSpace space;
    Triple components;
  } rows[] = {
      {"color(display-p3 0 1 0)", ColourSpace::DisplayP3, {0, 1, 0}},
      {"color(rec2020 0 0 1)", ColourSpace::Rec2020, {0, 0, 1}},
      {"oklch(70% 0.4 140)", ColourSpace::Oklch, {0.7, 0.4, 140}},
      {"lch(50% 130 300)", ColourSpace::Lch, {50, 130, 300}},
      {"lab(60 -120 90)", ColourSpace::Lab, {60, -120, 90}},
      {"color(srgb 1.2 -0.1 0.5)", ColourSpace::Srgb, {1.2, -0.1, 0.5}},
  };
  auto hueGap = [](double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); };
  int clippingWorse = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    const CssColourReading r = ReadCssColour(row.text);
    ASSERT_TRUE(r) << r.error;
    EXPECT_TRUE(r.gamutMapped);
    const Srgb wide = ToSrgb(row.space, row.components);
    const Triple origin = FromSrgb(ColourSpace::Oklch, wide);
    const Triple mapped = FromSrgb(ColourSpace::Oklch, SrgbOfColour(r.colour));
    EXPECT_LT(mapped[1], origin[1]);
    const Oklab sameLightnessAndHue{LchToLab({origin[0], mapped[1], origin[2]})};
    EXPECT_LT(DeltaEOK(Oklab{LchToLab(mapped)}, sameLightnessAndHue), 0.02 + 0.01);
    const Triple clipped = FromSrgb(ColourSpace::Oklch, SrgbOfColour(ColourOfSrgb(wide)));
    if (hueGap(clipped[2], origin[2]) > hueGap(mapped[2], origin[2]) + 2) ++clippingWorse;
  }
  EXPECT_GE(clippingWorse, 2);
  // Inside sRGB nothing moves.
  const Srgb inside = {0.2, 0.5, 0.9};
  EXPECT_EQ(GamutMapToSrgb(inside), inside);
  EXPECT_FALSE(ReadCssColour("lab(50 20 -30)").gamutMapped);
}

// However far out a component lies, it gives what a large one does, not what rounding makes of
// it: a chroma of 1e30 is the same red as one of 5, and 1e308 turns a whole number of turns.
TEST(CssColour, HugeComponentsGiveWhatLargeOnesDo) {
  const struct {
    const char *huge, *large;
  } rows[] = {
      {"oklch(50% 1e15 30)", "oklch(50% 5 30)"},
      {"oklch(50% 1e20 30)", "oklch(50% 5 30)"},
      {"oklch(50% 1e30 30)", "oklch(50% 5 30)"},
      {"oklch(100% 1e30 30)", "white"},
      {"lch(50 1e30 200)", "lch(50 2000 200)"},
      {"oklab(60% 1e300 -1e300)", "oklab(60% 9 -9)"},
      {"color(display-p3 1e200 0 -1e200)", "color(display-p3 50 0 -50)"},
      {"hsl(1e308turn 50% 50%)", "hsl(0 50% 50%)"},
      {"hwb(-1e300grad 10% 10%)", "hwb(-160grad 10% 10%)"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.huge);
    const CssColourReading huge = ReadCssColour(row.huge), large = ReadCssColour(row.large);
    ASSERT_TRUE(huge) << huge.error;
    EXPECT_EQ(huge.colour, large.colour);
  }
  EXPECT_EQ(ReadCssColour("oklch(50% 1e30 30)").colour, Rgb8::OfLevels(0xC3, 0, 0));
}

TEST(CssColour, NotationWords) {
  for (const auto& n : CssNotations()) EXPECT_EQ(CssNotationOfWord(n.word), n.notation);
  EXPECT_EQ(CssNotationOfWord("OKLCH"), CssNotation::Oklch);
  EXPECT_EQ(CssNotationOfWord("cmyk"), std::nullopt);
}

}  // namespace
}  // namespace tintora
