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
  EXPECT_EQ(WebSafeColour({0x12, 0x34, 0x56}), (Rgb8{0x00, 0x33, 0x66}));
  EXPECT_EQ(WebSafeColour({255, 128, 0}), (Rgb8{255, 153, 0}));
}

TEST(WebSafe, TheFastByteTableAgreesWithTheTextRouteForEveryByte) {
  for (int v = 0; v < 256; ++v) {
    const int viaText = ParseDollarHex(ConvValueToWebSafe(IntToHex(v, 2)));
    EXPECT_EQ(WebSafeByte(v), viaText) << v;
    const Rgb8 c = Rgb8::OfLevels(v, 255 - v, (v * 7) & 0xFF);
    EXPECT_EQ(WebSafeColour(c).Hex(), ConvertRGBToWebSafe(c.Hex())) << c.Hex();
  }
}

TEST(WebSafe, TheGeneratedListRunsFromBlackToWhiteWithRedFastest) {
  const auto all = WebSafeColours();
  EXPECT_EQ(all.front(), Rgb8{});
  EXPECT_EQ(all[1], Rgb8::OfLevels(51, 0, 0));
  EXPECT_EQ(all[5], Rgb8::OfLevels(255, 0, 0));
  EXPECT_EQ(all[6], Rgb8::OfLevels(0, 51, 0));
  EXPECT_EQ(all[36], Rgb8::OfLevels(0, 0, 51));
  EXPECT_EQ(all.back(), Rgb8::OfLevels(255, 255, 255));
  EXPECT_EQ(std::set<Rgb8>(all.begin(), all.end()).size(), 216u);
  for (Rgb8 c : all) EXPECT_EQ(WebSafeColour(c), c);
}

}  // namespace
}  // namespace tintora
