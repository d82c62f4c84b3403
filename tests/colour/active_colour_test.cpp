#include "core/colour/active_colour.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

TEST(ActiveColour, TextsAndValueOfOrange) {
  const ActiveColour c(255, 128, 0);
  EXPECT_EQ(c.HexRGBText(), "FF8000");
  EXPECT_EQ(c.DecimalRGBText(), "16744448");
  EXPECT_EQ(c.HexBGRText(), "0080FF");
  EXPECT_EQ(c.Shown(), (Rgb8{255, 128, 0}));
  EXPECT_EQ(c.Levels(), (Rgb8{255, 128, 0}));
  EXPECT_EQ(c.Inverse(), (Rgb8{0, 127, 255}));
  EXPECT_EQ(c.Grey(), 128);
}

TEST(ActiveColour, TheOffsetMovesEachLevelAndRoundsHalfToEven) {
  const struct {
    int r, g, b, intensity;
    const char* shown;
    int grey;
  } cases[] = {
      {0, 0, 0, 50, "808080", 191},       // 127.5 goes to the even 128
      {0, 0, 0, 0, "000000", 128},        // no offset: the grey is 128, not 127
      {10, 200, 90, -100, "000000", 0},   // all the way to black
      {10, 200, 90, 100, "FFFFFF", 255},  // all the way to white
      {200, 100, 0, -50, "643200", 64},   // halfway to black
      {255, 128, 0, 20, "FF9933", 153},   // a fifth of the way to white
      {1, 3, 5, -50, "000202", 64},       // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    const ActiveColour a(c.r, c.g, c.b, c.intensity);
    EXPECT_EQ(a.HexRGBText(), c.shown);
    EXPECT_EQ(a.Grey(), c.grey);
    EXPECT_EQ(a.Levels(), Rgb8::OfLevels(c.r, c.g, c.b));  // the levels themselves never move
  }
}

TEST(ActiveColour, CmyComponentsMirrorTheirRgbTwins) {
  const ActiveColour c(10, 20, 30);
  const int expected[6] = {10, 20, 30, 245, 235, 225};
  for (ColourComponent k : kColourComponents) EXPECT_EQ(c.Component(k), expected[IndexOf(k)]) << IndexOf(k);
  // Setting cyan to 100 is setting red to 155.
  EXPECT_EQ(c.WithComponent(ColourComponent::Cyan, 100), ActiveColour(155, 20, 30));
  EXPECT_EQ(c.WithComponent(ColourComponent::Yellow, 0), ActiveColour(10, 20, 255));
  EXPECT_EQ(c.WithComponent(ColourComponent::Green, 77), ActiveColour(10, 77, 30));
}

TEST(ActiveColour, OutOfRangeInputsStopAtTheTrackBarsEnds) {
  EXPECT_EQ(ActiveColour(300, -5, 128, 150), ActiveColour(255, 0, 128, 100));
  EXPECT_EQ(ActiveColour().WithComponent(ColourComponent::Red, 999).Red(), 255);
  EXPECT_EQ(ActiveColour().WithComponent(ColourComponent::Cyan, -1).Red(), 255);  // cyan below 0 is cyan 0
  EXPECT_EQ(ActiveColour().WithIntensity(-101).Intensity(), -100);
}

TEST(ActiveColour, TheOffsetAloneKeepsTheLevels) {
  const ActiveColour a(1, 2, 3, 0);
  EXPECT_TRUE(a.SameLevels(a.WithIntensity(40)));
  EXPECT_FALSE(a == a.WithIntensity(40));
  EXPECT_FALSE(a.SameLevels(a.WithRgb(1, 2, 4)));
  EXPECT_EQ(a.WithIntensity(40).WithRgb(9, 9, 9).Intensity(), 40);
}

TEST(ActiveColour, TheValueFieldInEachNotation) {
  const ActiveColour c(255, 128, 0, 0);
  NotationSwitches s;
  EXPECT_EQ(HexHTMLText(c, s), "FF8000");
  s.bgr = true;
  EXPECT_EQ(HexHTMLText(c, s), "0080FF");
  s.hexadecimal = false;
  EXPECT_EQ(HexHTMLText(c, s), "33023");
  s.bgr = false;
  EXPECT_EQ(HexHTMLText(c, s), "16744448");
  s.html = true;
  EXPECT_EQ(HexHTMLText(c, s), "COLOR=\"#FF8000\"");
  EXPECT_EQ(HexHTMLText(ActiveColour(255, 0, 0), s), "COLOR=\"Red\"");
}

}  // namespace
}  // namespace tintora
