#include "core/colour/hsv.h"

#include <gtest/gtest.h>

#include "core/colour/notations.h"

namespace tintora {
namespace {

const std::string kDeg = "\u00B0";

TEST(Hsv, HueOfPrimariesMixesAndGreys) {
  const struct {
    int r, g, b;
    double hue;
  } cases[] = {{255, 0, 0, 0},
               {0, 255, 0, 120},
               {0, 0, 255, 240},
               {255, 128, 0, 30.1176470588235},
               {255, 0, 128, 329.882352941176},
               {128, 128, 128, 0},
               {0, 0, 0, 0},
               {255, 255, 0, 60},
               {255, 0, 255, 300},
               {0, 255, 255, 180}};
  for (const auto& c : cases)
    EXPECT_NEAR(static_cast<double>(RGBDecToHue(c.r, c.g, c.b)), c.hue, 1e-9)
        << c.r << "," << c.g << "," << c.b;
}

TEST(Hsv, SaturationAndVibrance) {
  EXPECT_EQ(RGBDecToSaturation(255, 0, 0), 1);
  EXPECT_EQ(RGBDecToSaturation(128, 128, 128), 0);
  EXPECT_EQ(RGBDecToSaturation(0, 0, 0), 0);
  EXPECT_NEAR(static_cast<double>(RGBDecToSaturation(255, 128, 128)), 127.0 / 255, 1e-15);
  EXPECT_EQ(RGBDecToVibrance(12, 200, 7), 200);
  EXPECT_NEAR(static_cast<double>(RGBHexToHue("FF8000")), 30.1176470588235, 1e-9);
  EXPECT_EQ(RGBHexToSaturation("808080"), 0);
  EXPECT_EQ(RGBHexToVibrance("12C807"), 200);
}

TEST(Hsv, HSVtoRGBHEXExamples) {
  const struct {
    long double h, s, v;
    const char* hex;
  } cases[] = {{30, 1, 255, "FF8000"},  {120, 1, 255, "00FF00"}, {300, 1, 255, "FF00FF"},
               {360, 1, 255, "FF0000"}, {0, 0, 0, "000000"},     {0, 0, 128, "808080"},
               {240, 1, 255, "0000FF"}, {90, 1, 255, "80FF00"},  {270, 1, 255, "8000FF"},
               {180, 1, 255, "00FFFF"}, {390, 1, 255, "FF8000"}};
  for (const auto& c : cases) EXPECT_EQ(HSVtoRGBHEX(c.h, c.s, c.v), c.hex) << static_cast<double>(c.h);
}

TEST(Hsv, TheRgb8FormAgreesWithTheHexText) {
  for (long double s : {0.0L, 0.3L, 1.0L})
    for (long double v : {0.0L, 127.5L, 255.0L})
      for (long double h = 0; h <= 360; h += 0.7L) {
        const std::string hex = HSVtoRGBHEX(h, s, v);
        EXPECT_EQ(HsvToRgb8(h, s, v).Hex(), hex) << static_cast<double>(h) << " " << hex;
      }
}

TEST(HsvMixer, RGBtoHSVShowsThreeDecimalTexts) {
  const struct {
    int r, g, b;
    int hueP, satP, intP;
    const char *hueT, *satT, *intT;
  } cases[] = {
      {128, 128, 128, 0, 0, 128, "0", "0%", "50.196%"},
      {0, 0, 0, 0, 0, 0, "0", "0%", "0%"},
      {255, 128, 0, 30, 255, 255, "30.118", "100%", "100%"},
      {255, 0, 128, 330, 255, 255, "329.882", "100%", "100%"},
      {255, 128, 128, 0, 127, 255, "0", "49.804%", "100%"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b));
    const HsMixerReadout r = RGBtoHSV(c.r, c.g, c.b);
    EXPECT_EQ(r.huePosition, c.hueP);
    EXPECT_EQ(r.saturationPosition, c.satP);
    EXPECT_EQ(r.intensityPosition, c.intP);
    EXPECT_EQ(r.hueText, c.hueT + kDeg);
    EXPECT_EQ(r.saturationText, c.satT);
    EXPECT_EQ(r.intensityText, c.intT);
    EXPECT_FALSE(r.distortion);
    EXPECT_FALSE(r.intensityHint.has_value());
  }
}

TEST(HsvMixer, HSVtoRGBTreatsHue360AsRed) {
  const HsToRgbResult at360 = HSVtoRGB(360, 1, 255);
  const HsToRgbResult at0 = HSVtoRGB(0, 1, 255);
  EXPECT_EQ(at360.rgb.red, at0.rgb.red);
  EXPECT_EQ(at360.rgb.green, at0.rgb.green);
  EXPECT_EQ(at360.rgb.blue, at0.rgb.blue);
  EXPECT_EQ(at360.hueText, "360" + kDeg);  // the text still says what the slider says
  EXPECT_EQ(at0.saturationText, "100%");
  EXPECT_EQ(at0.intensityText, "100%");
  EXPECT_FALSE(at0.distortion);

  const HsToRgbResult orange = HSVtoRGB(30, 1, 255);
  EXPECT_EQ(static_cast<double>(orange.rgb.green), 127.5);
  EXPECT_EQ(HSVtoRGB(0, 0.5L, 127).saturationText, "50%");
  EXPECT_EQ(HSVtoRGB(0, 0.5L, 127).intensityText, "49.804%");
}

TEST(HsiMixer, PureRedRoundTrips) {
  const HsMixerReadout r = HSICalculate(255, 0, 0);
  EXPECT_EQ(static_cast<double>(r.vibrance), 85);
  EXPECT_EQ(r.intensityPosition, 85);
  EXPECT_EQ(r.intensityText, "33.333%");
  EXPECT_EQ(static_cast<double>(r.saturation), 1);
  EXPECT_EQ(r.saturationText, "100%");
  EXPECT_EQ(static_cast<double>(r.hue), 0);
  EXPECT_EQ(r.intensityHint, "Brightness = 100%");

  const HsToRgbResult back = HSI_to_RGB_Calc(0, 1, 85);
  EXPECT_NEAR(static_cast<double>(back.rgb.red), 255, 1e-12);
  EXPECT_NEAR(static_cast<double>(back.rgb.green), 0, 1e-12);
  EXPECT_NEAR(static_cast<double>(back.rgb.blue), 0, 1e-12);
  EXPECT_FALSE(back.distortion);
}

TEST(HsiMixer, HighIntensityWithFullSaturationIsDistorted) {
  const HsToRgbResult r = HSI_to_RGB_Calc(0, 1, 200);
  EXPECT_NEAR(static_cast<double>(r.rgb.red), 600, 1e-12);
  EXPECT_TRUE(r.distortion);
  EXPECT_EQ(r.intensityHint, "Brightness = 100%");  // the hint limits the component to 255
}

TEST(HsiMixer, HueMatchesTheHsvHueAndComponentsKeepTheirSum) {
  const int colours[][3] = {{255, 128, 0}, {10, 200, 90},   {30, 60, 240}, {200, 10, 150},
                            {90, 90, 200}, {128, 255, 128}, {77, 77, 77},  {250, 5, 6}};
  for (const auto& c : colours) {
    SCOPED_TRACE(std::to_string(c[0]) + "," + std::to_string(c[1]) + "," + std::to_string(c[2]));
    const HsMixerReadout hsi = HSICalculate(c[0], c[1], c[2]);
    EXPECT_NEAR(static_cast<double>(hsi.hue), static_cast<double>(RGBDecToHue(c[0], c[1], c[2])), 1e-9);
    const HsToRgbResult back = HSI_to_RGB_Calc(hsi.hue, hsi.saturation, hsi.vibrance);
    EXPECT_NEAR(static_cast<double>(back.rgb.red), c[0], 1e-9);
    EXPECT_NEAR(static_cast<double>(back.rgb.green), c[1], 1e-9);
    EXPECT_NEAR(static_cast<double>(back.rgb.blue), c[2], 1e-9);
  }
}

TEST(HsiMixer, BlackHasNoHintAndZeroEverything) {
  const HsMixerReadout r = HSICalculate(0, 0, 0);
  EXPECT_FALSE(r.intensityHint.has_value());
  EXPECT_EQ(r.intensityText, "0%");
  EXPECT_EQ(r.saturationText, "0%");
  EXPECT_EQ(r.hueText, "0" + kDeg);
}

}  // namespace
}  // namespace tintora
