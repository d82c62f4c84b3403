#include "core/list/adjust.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

TEST(Adjust, TurnsTheHueAndMovesSaturationAndVibranceTowardsTheirEnds) {
  const struct {
    const char* before;
    Adjustment a;
    const char* after;
  } cases[] = {
      {"FF0000", {120, 0, 0}, "00FF00"},
      {"FF0000", {360, 0, 0}, "FF0000"},  // a whole turn
      {"0000FF", {240, 0, 0}, "00FF00"},  // past 360: wraps round
      {"00FF00", {300, 0, 0}, "FFFF00"},
      {"808080", {90, 0, 0}, "808080"},    // a grey has no hue to turn
      {"808080", {0, 0, 128}, "C0C0C0"},   // and stays grey in vibrance
      {"808080", {0, -255, 0}, "808080"},  // and in desaturation
      {"808080", {0, 255, 0}, "800000"},   // full saturation gives it hue 0
      {"FF8080", {0, 255, 0}, "FF0000"},
      {"FF8080", {0, -255, 0}, "FFFFFF"},
      {"123456", {0, 0, -255}, "000000"},
      {"123456", {0, 0, 255}, "359AFF"},  // hue 210 and its saturation kept
      {"FFFFFF", {0, 0, 255}, "FFFFFF"},  // already at the top
      {"000000", {0, 0, -255}, "000000"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AdjustColour(c.before, c.a), c.after) << c.before << " " << c.a.hue << " " << c.a.saturation;
  EXPECT_EQ(AdjustColour("zz", {120, 0, 0}), std::nullopt);
}

TEST(Adjust, TextsAndThePreviewLayout) {
  const struct {
    int position;
    const char* text;
  } percents[] = {{128, "50.196%"}, {-255, "-100%"}, {0, "0%"}, {255, "100%"}, {1, "0.392%"}};
  for (const auto& p : percents) EXPECT_EQ(AdjustPercentText(p.position), p.text);
  EXPECT_EQ(AdjustPreviewName(std::string(20, 'n')), std::string(20, 'n'));
  EXPECT_EQ(AdjustPreviewName(std::string(21, 'n')), std::string(20, 'n') + "...");
  EXPECT_EQ(AdjustPreviewHeight(5), 105);
  EXPECT_EQ(AdjustPreviewHeight(4), 105);
  EXPECT_EQ(AdjustPreviewHeight(0), 0);

  ColourList list;
  list.Append({{"a", "FF0000"}, {"b", "FF0000"}, {"odd", "zz"}});
  const auto after = AdjustedEntries(list, {1, 2}, {120, 0, 0});
  EXPECT_EQ(after[0].value, "FF0000");  // not selected
  EXPECT_EQ(after[1].value, "00FF00");
  EXPECT_EQ(after[2].value, "zz");  // no colour to adjust
  const AdjustedEntry shown = AdjustEntry(list, 0, {0, 0, -100}, true);
  EXPECT_EQ(shown.after, "9B0000");
  EXPECT_EQ(shown.shown, "990000");
}

}  // namespace
}  // namespace tintora
