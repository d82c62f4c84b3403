// The design helpers: contrast read as WCAG 2 rounds it and fixed by the smallest lightness
// move, scales of eleven steps, and the pairs a colour-vision deficiency merges.
#include "core/design/design_helpers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/colour/colour_spaces.h"
#include "core/webpage/page_colours.h"

namespace tintora {
namespace {

Rgb8 Hex(const char* rrggbb) { return *Rgb8::OfHex(rrggbb); }
Oklch LchOf(Rgb8 c) { return Oklch{FromSrgb(ColourSpace::Oklch, SrgbOfColour(c))}; }
double HueApart(double a, double b) { return std::abs(std::remainder(a - b, 360.0)); }

TEST(DesignContrast, IsRoundedDownAndReportedPerLevel) {
  const struct {
    double ratio;
    const char* text;
  } rounding[] = {{4.499, "4.49:1"}, {4.5, "4.50:1"}, {6.999999, "6.99:1"}, {21, "21.00:1"}, {1, "1.00:1"}};
  for (const auto& r : rounding) EXPECT_EQ(RatioRoundedDown(r.ratio), r.text) << r.ratio;
  EXPECT_EQ(ContrastReport(Hex("777777"), Hex("FFFFFF")),
            (std::vector<std::string>{"4.47:1", "AA normal text: fail", "AAA normal text: fail",
                                      "AA large text: pass", "AAA large text: fail"}));
  EXPECT_EQ(ContrastReport(Hex("000000"), Hex("FFFFFF"))[0], "21.00:1");
  const struct {
    const char* word;
    std::optional<ContrastTarget> target;
  } words[] = {{"AA", ContrastTarget::AA},
               {"aaa", ContrastTarget::AAA},
               {"AA-Large", ContrastTarget::AALarge},
               {"A", std::nullopt},
               {"", std::nullopt}};
  for (const auto& w : words) EXPECT_EQ(ContrastTargetOf(w.word), w.target) << w.word;
}

TEST(DesignContrast, TheFixIsTheSmallestLightnessMoveThatReachesTheLevel) {
  // The grey every accessibility checker names: the lightest that passes AA on white.
  EXPECT_EQ(FixContrast(Hex("999999"), Hex("FFFFFF"), ContrastTarget::AA), Hex("767676"));
  // Already enough: the colour itself.
  EXPECT_EQ(FixContrast(Hex("000000"), Hex("FFFFFF"), ContrastTarget::AAA), Hex("000000"));
  // Both ways reach 3:1 from a grey just above a mid grey; going lighter is the shorter way.
  const std::optional<Rgb8> lighter = FixContrast(Hex("8A8A8A"), Hex("808080"), ContrastTarget::AALarge);
  ASSERT_TRUE(lighter);
  EXPECT_GT(RelativeLuminance(*lighter), RelativeLuminance(Hex("8A8A8A")));
  // Nothing reaches 7:1 against a mid grey.
  EXPECT_FALSE(FixContrast(Hex("777777"), Hex("777777"), ContrastTarget::AAA));
  const struct {
    const char *foreground, *background;
    ContrastTarget target;
  } pairs[] = {
      {"3366CC", "222222", ContrastTarget::AAA}, {"FF0000", "FFFFFF", ContrastTarget::AA},
      {"FFCC00", "FFFFFF", ContrastTarget::AA},  {"00AA55", "007733", ContrastTarget::AALarge},
      {"8844CC", "777777", ContrastTarget::AA},  {"EE82EE", "F5F5DC", ContrastTarget::AAA},
  };
  for (const auto& p : pairs) {
    SCOPED_TRACE(std::string(p.foreground) + " on " + p.background);
    const Rgb8 fg = Hex(p.foreground), bg = Hex(p.background);
    const std::optional<Rgb8> fixed = FixContrast(fg, bg, p.target);
    ASSERT_TRUE(fixed);
    const double ratio = ContrastRatio(*fixed, bg);
    EXPECT_GE(ratio, RatioNeeded(p.target));
    // Barely: not a step further than it needs (a smaller move would have fallen short).
    EXPECT_LT(ratio, RatioNeeded(p.target) * 1.06);
    const Oklch before = LchOf(fg), after = LchOf(*fixed);
    if (after[1] > 0.03) {
      EXPECT_LT(HueApart(before[2], after[2]), 6.0);  // 8-bit rounding near white moves it a little
    }
    EXPECT_LE(after[1], before[1] + 0.02);  // chroma never gained
  }
}

TEST(Scale, ElevenStepsFallingInLightnessWithTheColourAmongThem) {
  for (const char* hex : {"3B82F6", "EF4444", "22C55E", "737373", "FDE047", "1E1B4B", "F0F9FF", "000000"}) {
    SCOPED_TRACE(hex);
    const Rgb8 colour = Hex(hex);
    const std::array<Rgb8, 11> scale = ColourScale(colour);
    EXPECT_EQ(std::count(scale.begin(), scale.end(), colour), 1);
    for (std::size_t i = 1; i < scale.size(); ++i) EXPECT_LT(LchOf(scale[i])[0], LchOf(scale[i - 1])[0]) << i;
    EXPECT_GT(LchOf(scale.front())[0], 0.9);
    EXPECT_LT(LchOf(scale.back())[0], 0.3);
    const Oklch own = LchOf(colour);
    for (Rgb8 step : scale)
      if (LchOf(step)[1] > 0.04) {
        EXPECT_LT(HueApart(LchOf(step)[2], own[2]), 8.0) << step.Hex();
      }
  }
  // Tailwind's blue from its 500: each step within a just-visible difference or two of theirs.
  const char* blue[] = {"EFF6FF", "DBEAFE", "BFDBFE", "93C5FD", "60A5FA", "3B82F6",
                        "2563EB", "1D4ED8", "1E40AF", "1E3A8A", "172554"};
  const std::array<Rgb8, 11> scale = ColourScale(Hex("3B82F6"));
  for (std::size_t i = 0; i < scale.size(); ++i) {
    const auto lab = [](Rgb8 c) { return Oklab{FromSrgb(ColourSpace::Oklab, SrgbOfColour(c))}; };
    EXPECT_LT(DeltaEOK(lab(scale[i]), lab(Hex(blue[i]))), 0.06) << kScaleSteps[i];
  }
}

TEST(ColourVisionCheck, FindsThePairsADeficiencyMerges) {
  // Red and a dark olive are one colour to a protanope; blue stays apart, and so does a pair
  // that was already one colour.
  const std::vector<Rgb8> list = {Hex("FF0000"), Hex("0000FF"), Hex("6D5F00"), Hex("0000FF")};
  const std::vector<LookAlikePair> pairs = LookAlikePairs(list, ColourVision::Protanopia);
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].first, 0u);
  EXPECT_EQ(pairs[0].second, 2u);
  EXPECT_LT(pairs[0].seenDistance, 0.05);
  EXPECT_GT(pairs[0].trueDistance, 0.1);
  EXPECT_TRUE(LookAlikePairs(list, ColourVision::Normal).empty());
  EXPECT_EQ(ColourVisionOf("Deuteranopia"), ColourVision::Deuteranopia);
  EXPECT_FALSE(ColourVisionOf("normal"));
}

}  // namespace
}  // namespace tintora
