#include "core/mixer/mixer_maths.h"

#include <gtest/gtest.h>

#include "core/mixer/palette.h"
#include "core/mixer/spectrum.h"

namespace tintora {
namespace {

TEST(MixerMaths, SnappingVisitsEveryPresetAndWraps) {
  const int presets[] = {0, 51, 102, 153, 204, 255};
  for (int p = 0; p <= 255; ++p) {
    int below = 255, above = 0;
    for (int k = 5; k >= 0; --k)
      if (presets[k] < p) {
        below = presets[k];
        break;
      }
    for (int k = 0; k <= 5; ++k)
      if (presets[k] > p) {
        above = presets[k];
        break;
      }
    EXPECT_EQ(SnapDown(p), below) << p;
    EXPECT_EQ(SnapUp(p), above) << p;
  }
}

TEST(MixerMaths, NudgesWrapAroundTheirRanges) {
  const struct {
    int p;
    bool up;
    int after;
  } hue[] = {{350, true, 20}, {330, true, 0},  {0, false, 330},
             {30, false, 0},  {360, true, 30}, {10, false, 340}},
    level[] = {{255, true, 0},  {240, true, 36},  {204, true, 255},
               {0, false, 255}, {30, false, 234}, {51, false, 0}};
  for (const auto& c : hue) EXPECT_EQ(NudgeHue(c.p, c.up), c.after) << c.p;
  for (const auto& c : level) EXPECT_EQ(NudgeLevel(c.p, c.up), c.after) << c.p;
}

TEST(BasePalette, PixelsRunTheOtherTwoComponentsInStepsOfFour) {
  std::vector<std::uint32_t> pixels(64 * 64);
  DrawBasePalette(ColourComponent::Red, 100, 7, 9, false, pixels);
  EXPECT_EQ(pixels[0], 0xFF640000u);             // red 100, green 0, blue 0
  EXPECT_EQ(pixels[63 * 64 + 63], 0xFF64FCFCu);  // red 100, green 252, blue 252
  EXPECT_EQ(pixels[1], 0xFF640400u);             // across: green
  EXPECT_EQ(pixels[64], 0xFF640004u);            // down: blue
  DrawBasePalette(ColourComponent::Green, 0, 50, 0, false, pixels);
  EXPECT_EQ(pixels[1], 0xFF003204u);   // across: blue
  EXPECT_EQ(pixels[64], 0xFF043200u);  // down: red
  DrawBasePalette(ColourComponent::Blue, 0, 0, 200, false, pixels);
  EXPECT_EQ(pixels[1], 0xFF0400C8u);   // across: red
  EXPECT_EQ(pixels[64], 0xFF0004C8u);  // down: green
  DrawBasePalette(ColourComponent::Red, 100, 0, 0, true, pixels);
  EXPECT_EQ(pixels[0], 0xFF660000u);  // the base itself is snapped too
  EXPECT_EQ(pixels[63 * 64 + 63], 0xFF66FFFFu);
}

TEST(Spectrum, HueStripRunsOnceRoundTheCircle) {
  std::vector<std::uint32_t> pixels(254 * 5);
  DrawSpectrum(SpectrumMode::Hue, pixels, 254, 5, 0, 0, 0);
  EXPECT_EQ(pixels[0], 0xFFFF0000u);
  EXPECT_EQ(pixels[4 * 254], 0xFFFF0000u);
  // Column x holds hue x * 360 / 254: column 127 is hue 180, cyan.
  EXPECT_EQ(pixels[127], 0xFF00FFFFu);
}

}  // namespace
}  // namespace tintora
