#include "core/colour/colour_vision.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/colour/colour_spaces.h"
#include "core/colour/css_colour.h"

namespace tintora {
namespace {

std::string Hex(Rgb8 c) { return WriteCssColour(c, CssNotation::Hex); }

TEST(ColourVision, PublishedMatricesAndLuminance) {
  // Worked by hand from Machado et al.'s matrices and from the luminance of red (0.2126).
  const struct {
    ColourVision vision;
    const char* from;
    const char* to;
  } rows[] = {
      {ColourVision::Normal, "#3366CC", "#3366CC"},
      {ColourVision::Protanopia, "#FF0000", "#6D5F00"},
      {ColourVision::Deuteranopia, "#FF0000", "#A39000"},
      {ColourVision::Achromatopsia, "#FF0000", "#7F7F7F"},
      {ColourVision::Achromatopsia, "#0000FF", "#4C4C4C"},
  };
  for (const auto& row : rows) {
    const Rgb8 from = ReadCssColour(row.from).colour;
    EXPECT_EQ(Hex(SimulateColourVision(from, row.vision)), row.to)
        << ColourVisionName(row.vision) << " " << row.from;
  }
}

TEST(ColourVision, GreysLookTheSameToEveryone) {
  for (ColourVision vision : kColourVisions)
    for (int v = 0; v < 256; ++v) {
      const Rgb8 seen = SimulateColourVision(Rgb8::OfLevels(v, v, v), vision);
      EXPECT_NEAR(seen.red, v, 1) << ColourVisionName(vision);
      EXPECT_NEAR(seen.green, v, 1) << ColourVisionName(vision);
      EXPECT_NEAR(seen.blue, v, 1) << ColourVisionName(vision);
    }
}

// A dichromat sees two hues: blue and yellow without red or green cones, red and cyan without
// blue ones. Every strongly coloured simulated colour lies near one of them (OKLCH hue).
TEST(ColourVision, DichromatsSeeTwoHues) {
  const struct {
    ColourVision vision;
    double from1, to1, from2, to2;
  } rows[] = {
      {ColourVision::Protanopia, 80, 115, 240, 280},
      {ColourVision::Deuteranopia, 80, 115, 240, 280},
      {ColourVision::Tritanopia, 0, 25, 195, 240},
  };
  std::mt19937 random(11);
  std::vector<Rgb8> colours(20000);
  for (auto& c : colours) c = Rgb8::OfPixel(random());
  for (const auto& row : rows) {
    int coloured = 0, onTheTwoHues = 0;
    for (Rgb8 c : colours) {
      const Triple lch = FromSrgb(ColourSpace::Oklch, SrgbOfColour(SimulateColourVision(c, row.vision)));
      if (lch[1] < 0.03) continue;
      ++coloured;
      if ((lch[2] >= row.from1 && lch[2] < row.to1) || (lch[2] >= row.from2 && lch[2] < row.to2))
        ++onTheTwoHues;
    }
    EXPECT_GT(coloured, 5000) << ColourVisionName(row.vision);
    EXPECT_GE(onTheTwoHues, coloured * 99 / 100) << ColourVisionName(row.vision);
  }
  // Achromatopsia leaves no hue at all.
  for (Rgb8 c : colours) {
    const Rgb8 seen = SimulateColourVision(c, ColourVision::Achromatopsia);
    ASSERT_TRUE(seen.red == seen.green && seen.green == seen.blue) << Hex(c);
  }
}

TEST(ColourVision, PicturesMatchTheirColoursAndKeepAlpha) {
  std::vector<std::uint32_t> pixels = {0xFFFF0000u, 0xFFFF0000u, 0x8000FF00u, 0xFF3366CCu, 0x00000000u};
  const std::vector<std::uint32_t> before = pixels;
  SimulateColourVision(pixels, ColourVision::Deuteranopia);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    EXPECT_EQ(pixels[i] >> 24, before[i] >> 24);
    EXPECT_EQ(Rgb8::OfPixel(pixels[i]),
              SimulateColourVision(Rgb8::OfPixel(before[i]), ColourVision::Deuteranopia));
  }
  std::vector<std::uint32_t> same = before;
  SimulateColourVision(same, ColourVision::Normal);
  EXPECT_EQ(same, before);
}

}  // namespace
}  // namespace tintora
