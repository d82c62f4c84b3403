#include "core/harmony/harmony.h"

#include <gtest/gtest.h>

#include "core/colour/notations.h"
#include "core/colour/websafe.h"

namespace tintora {
namespace {

TEST(Harmony, SchemesOnPureRed) {
  auto colours = [](HarmonyScheme s) {
    std::vector<std::string> out;
    for (int o : SchemeOffsets(s)) out.push_back(BGRIntToRGBHEX(HSVtoRGBforComplCol(o, 0, 1, 255)));
    return out;
  };
  EXPECT_EQ(colours(HarmonyScheme::Complimentary), std::vector<std::string>({"00FFFF"}));
  EXPECT_EQ(colours(HarmonyScheme::Tetradic), std::vector<std::string>({"80FF00", "00FFFF", "8000FF"}));
  EXPECT_EQ(colours(HarmonyScheme::Triadic), std::vector<std::string>({"00FF00", "0000FF"}));
  EXPECT_TRUE(colours(HarmonyScheme::ColourWheel).empty());
}

TEST(Harmony, OrangeComplementAndItsWebSafeForm) {
  const long double hue = 30.1176470588235294L;  // of FF8000
  const int c = HSVtoRGBforComplCol(180, hue, 1, 255);
  EXPECT_EQ(BGRIntToRGBHEX(c), "007FFF");
  EXPECT_EQ(BGRIntToRGBHEX(ConvertComplDecimalToWebSafe(c, true)), "0066FF");
}

TEST(Harmony, GreysStayGrey) {
  for (int o : {180, 165, 195, 60, 300, 90, 270})
    EXPECT_EQ(HSVtoRGBforComplCol(o, 0, 0, 128), ColourFromRgb(128, 128, 128)) << o;
}

TEST(Harmony, Hue360CountsAsZero) {
  EXPECT_EQ(HSVtoRGBforComplCol(180, 360, 1, 255), HSVtoRGBforComplCol(180, 0, 1, 255));
  EXPECT_EQ(HSVtoRGBforComplCol(0, 360, 1, 255), ColourFromRgb(255, 0, 0));
}

TEST(Harmony, MarkersStandOneDegreeShort) {
  EXPECT_EQ(MarkerLeft(0, 180), 126);
  EXPECT_EQ(MarkerLeft(360, 180), 126);  // 360 + 179 - 360
  EXPECT_EQ(MarkerLeft(200, 180), 13);   // 379 - 360 = 19 -> 13.4
  EXPECT_EQ(MarkerLeft(0, 90), 63);      // 89 -> 62.8
  EXPECT_EQ(MarkerLeft(181, 180), 0);    // 360 wraps to 0
}

TEST(Harmony, SwatchLayoutsForBothViewerSizes) {
  const struct {
    HarmonyScheme s;
    bool large;
    int visible;
    std::array<int, 3> top, height;
  } cases[] = {
      {HarmonyScheme::Complimentary, false, 1, {19, 0, 0}, {18, 0, 0}},
      {HarmonyScheme::Complimentary, true, 1, {19, 0, 0}, {84, 0, 0}},
      {HarmonyScheme::Analogous, false, 2, {19, 28, 0}, {9, 9, 0}},
      {HarmonyScheme::Triadic, true, 2, {19, 61, 0}, {42, 42, 0}},
      {HarmonyScheme::Tetradic, false, 3, {19, 25, 31}, {6, 6, 6}},
      {HarmonyScheme::Tetradic, true, 3, {19, 47, 75}, {28, 28, 28}},
  };
  for (const auto& c : cases) {
    const SwatchLayout l = ComplimentarySwatchLayout(c.s, c.large);
    EXPECT_EQ(l.visibleSwatches, c.visible);
    EXPECT_EQ(l.visibleMarkers, c.visible);
    for (int i = 0; i < c.visible; ++i) {
      EXPECT_EQ(l.top[static_cast<std::size_t>(i)], c.top[static_cast<std::size_t>(i)]);
      EXPECT_EQ(l.height[static_cast<std::size_t>(i)], c.height[static_cast<std::size_t>(i)]);
    }
  }
  EXPECT_EQ(ComplimentarySwatchLayout(HarmonyScheme::ColourWheel, false).visibleSwatches, 0);
  EXPECT_EQ(ColourWheelLayout(false).imageSize, 32);
  // Wheel and disc centred in the panel, the disc in the wheel.
  for (const auto& [large, width, height] : {std::tuple{false, 104, 41}, std::tuple{true, 104, 107}}) {
    const WheelLayout w = ColourWheelLayout(large);
    EXPECT_LE(std::abs(2 * w.imageLeft + w.imageSize - width), 1) << large;
    EXPECT_LE(std::abs(2 * w.imageTop + w.imageSize - height), 1) << large;
    EXPECT_EQ(2 * w.discLeft + w.discSize, 2 * w.imageLeft + w.imageSize) << large;
    EXPECT_EQ(2 * w.discTop + w.discSize, 2 * w.imageTop + w.imageSize) << large;
  }
}

TEST(Harmony, WheelIndexingSkipsTheActiveColour) {
  EXPECT_EQ(WheelIndexOffsets(12), std::vector<int>({30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330}));
  EXPECT_EQ(WheelIndexOffsets(2), std::vector<int>({180}));
  EXPECT_EQ(WheelIndexOffsets(360).size(), 359u);
  EXPECT_EQ(WheelIndexOffsets(7).size(), 6u);
}

}  // namespace
}  // namespace tintora
