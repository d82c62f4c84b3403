#include "core/colour/websafe.h"

#include <set>

#include <gtest/gtest.h>

#include "core/colour/conversion_error.h"
#include "core/colour/notations.h"
#include "core/colour/number_text.h"

namespace tintora {
namespace {

TEST(WebSafe, BandEdgesSnapToTheNearestMultipleOf51) {
  const std::pair<const char*, const char*> cases[] = {
      {"00", "00"}, {"19", "00"}, {"1A", "33"}, {"4C", "33"}, {"4D", "66"}, {"7F", "66"}, {"80", "99"},
      {"B2", "99"}, {"B3", "CC"}, {"E5", "CC"}, {"E6", "FF"}, {"FF", "FF"}, {"e6", "FF"}, {"33", "33"}};
  for (const auto& [pair, safe] : cases) EXPECT_EQ(ConvValueToWebSafe(pair), safe) << pair;
  EXPECT_EQ(ConvValueToWebSafe("100"), "");  // outside 0..255
  EXPECT_THROW(ConvValueToWebSafe("ZZ"), ConversionError);
}

TEST(WebSafe, WholeColoursKeepTheirPairOrder) {
  EXPECT_EQ(ConvertRGBToWebSafe("FF8000"), "FF9900");
  EXPECT_EQ(ConvertRGBToWebSafe("3366CC"), "3366CC");
  EXPECT_EQ(ConvertDecimalToWebSafe(0x123456), 0x003366);
  EXPECT_EQ(ConvertDecimalToWebSafe(ColourFromRgb(255, 128, 0)), ColourFromRgb(255, 153, 0));
  EXPECT_EQ(ConvertComplDecimalToWebSafe(0x123456, false), 0x123456);
  EXPECT_EQ(ConvertComplDecimalToWebSafe(0x123456, true), 0x003366);
}

TEST(WebSafe, TheFastByteTableAgreesWithTheTextRouteForEveryByte) {
  for (int v = 0; v < 256; ++v) {
    const int viaText = ParseDollarHex(ConvValueToWebSafe(IntToHex(v, 2)));
    EXPECT_EQ(WebSafeByte(v), viaText) << v;
    const int c = v | ((255 - v) << 8) | (((v * 7) & 0xFF) << 16);
    EXPECT_EQ(ConvertDecimalToWebSafe(c), ParseDollarHex(ConvertRGBToWebSafe(IntToHex(c, 6)))) << c;
  }
}

TEST(WebSafe, TheGeneratedListRunsFromBlackToWhiteWithRedFastest) {
  const auto all = WebSafeColourValues();
  EXPECT_EQ(all.front(), 0);
  EXPECT_EQ(all[1], ColourFromRgb(51, 0, 0));
  EXPECT_EQ(all[5], ColourFromRgb(255, 0, 0));
  EXPECT_EQ(all[6], ColourFromRgb(0, 51, 0));
  EXPECT_EQ(all[36], ColourFromRgb(0, 0, 51));
  EXPECT_EQ(all.back(), ColourFromRgb(255, 255, 255));
  EXPECT_EQ(std::set<int>(all.begin(), all.end()).size(), 216u);
  for (int c : all) EXPECT_EQ(ConvertDecimalToWebSafe(c), c);
}

}  // namespace
}  // namespace tintora
