#include "core/harmony/harmony.h"

#include <gtest/gtest.h>

#include "core/colour/notations.h"
#include "core/colour/websafe.h"

namespace tintora {
namespace {

TEST(Harmony, SchemesOnPureRed) {
  auto colours = [](HarmonyScheme s) {
    std::vector<std::string> out;
    for (int o : SchemeOffsets(s)) out.push_back(HarmonyColour(o, 0, 1, 255).Hex());
    return out;
  };
  EXPECT_EQ(colours(HarmonyScheme::Complimentary), std::vector<std::string>({"00FFFF"}));
  EXPECT_EQ(colours(HarmonyScheme::Tetradic), std::vector<std::string>({"80FF00", "00FFFF", "8000FF"}));
  EXPECT_EQ(colours(HarmonyScheme::Triadic), std::vector<std::string>({"00FF00", "0000FF"}));
  EXPECT_TRUE(colours(HarmonyScheme::ColourWheel).empty());
}

TEST(Harmony, OrangeComplementAndItsWebSafeForm) {
  const long double hue = 30.1176470588235294L;  // of FF8000
  const Rgb8 c = HarmonyColour(180, hue, 1, 255);
  EXPECT_EQ(c.Hex(), "007FFF");
  EXPECT_EQ(WebSafeColour(c).Hex(), "0066FF");
}

TEST(Harmony, GreysStayGrey) {
  for (int o : {180, 165, 195, 60, 300, 90, 270})
    EXPECT_EQ(HarmonyColour(o, 0, 0, 128), Rgb8::OfLevels(128, 128, 128)) << o;
}

TEST(Harmony, Hue360CountsAsZero) {
  EXPECT_EQ(HarmonyColour(180, 360, 1, 255), HarmonyColour(180, 0, 1, 255));
  EXPECT_EQ(HarmonyColour(0, 360, 1, 255), Rgb8::OfLevels(255, 0, 0));
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
    std::array<int, 3> left, top, height;
  } cases[] = {
      {HarmonyScheme::Complimentary, false, 1, {4, 0, 0}, {19, 0, 0}, {18, 0, 0}},
      {HarmonyScheme::Complimentary, true, 1, {4, 0, 0}, {19, 0, 0}, {84, 0, 0}},
      {HarmonyScheme::Analogous, false, 2, {4, 26, 0}, {19, 19, 0}, {18, 18, 0}},
      {HarmonyScheme::Triadic, true, 2, {4, 4, 0}, {19, 61, 0}, {42, 42, 0}},
      {HarmonyScheme::Tetradic, false, 3, {4, 26, 48}, {19, 19, 19}, {18, 18, 18}},
      {HarmonyScheme::Tetradic, true, 3, {4, 4, 4}, {19, 47, 75}, {28, 28, 28}},
  };
  for (const auto& c : cases) {
    const SwatchLayout l = ComplimentarySwatchLayout(c.s, c.large);
    EXPECT_EQ(l.visibleSwatches, c.visible);
    EXPECT_EQ(l.visibleMarkers, c.visible);
    for (std::size_t i = 0; i < static_cast<std::size_t>(c.visible); ++i) {
      EXPECT_EQ(std::tuple(l.left[i], l.top[i], l.height[i]), std::tuple(c.left[i], c.top[i], c.height[i]))
          << static_cast<int>(c.s) << " " << c.large << " " << i;
      EXPECT_GE(std::min(kSwatchWidth, l.height[i]), 16);  // big enough to see and click
    }
  }
  EXPECT_EQ(ComplimentarySwatchLayout(HarmonyScheme::ColourWheel, false).visibleSwatches, 0);
  // Wheel and disc centred in the panel, the disc in the wheel, the wheel 120 across.
  const WheelLayout w = ColourWheelLayout();
  EXPECT_EQ(w.imageSize, 120);
  EXPECT_EQ(2 * w.imageLeft + w.imageSize, kWheelPanelSize);
  EXPECT_EQ(2 * w.imageTop + w.imageSize, kWheelPanelSize);
  EXPECT_EQ(2 * w.discLeft + w.discSize, kWheelPanelSize);
  EXPECT_EQ(2 * w.discTop + w.discSize, kWheelPanelSize);
}

TEST(Harmony, WheelIndexingSkipsTheActiveColour) {
  EXPECT_EQ(WheelIndexOffsets(12), std::vector<int>({30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330}));
  EXPECT_EQ(WheelIndexOffsets(2), std::vector<int>({180}));
  EXPECT_EQ(WheelIndexOffsets(360).size(), 359u);
  EXPECT_EQ(WheelIndexOffsets(7).size(), 6u);
}

}  // namespace
}  // namespace tintora
