#include "core/colour/notations.h"

#include <gtest/gtest.h>

#include "core/colour/conversion_error.h"
#include "core/colour/maths.h"

namespace tintora {
namespace {

TEST(Notations, RGBDecToHexRoundsEachComponentHalfToEven) {
  EXPECT_EQ(RGBDecToHex(255, 0, 0), "FF0000");
  EXPECT_EQ(RGBDecToHex(0, 128, 255), "0080FF");
  EXPECT_EQ(RGBDecToHex(12.5L, 13.5L, 254.5L), "0C0EFE");
  EXPECT_EQ(RGBDecToHex(127.5L, 128.5L, 0.49L), "808000");
}

TEST(Notations, SwapRedBlueHexExchangesTheOuterPairsAndIsItsOwnInverse) {
  EXPECT_EQ(SwapRedBlueHex("FF8000"), "0080FF");
  EXPECT_EQ(SwapRedBlueHex(SwapRedBlueHex("12AB3C")), "12AB3C");
  EXPECT_EQ(SwapRedBlueHex("123"), "312");  // short text: missing pieces stay missing
}

TEST(Notations, RedBlueSwapsBetweenRgbTextAndColourValue) {
  EXPECT_EQ(RGBHEXToBGRInt("FF0000"), 255);
  EXPECT_EQ(RGBHEXToBGRInt("ff0000"), 255);
  EXPECT_EQ(BGRIntToRGBHEX(255), "FF0000");
  EXPECT_EQ(SwapRedBlueInt(1193046), 5649426);  // 123456 -> 563412
  EXPECT_EQ(BGRIntToRGBHEX(RGBHEXToBGRInt("87CEEB")), "87CEEB");
  EXPECT_EQ(ColourFromRgb(255, 128, 0), 33023);
}

TEST(Notations, ExtractColourReadsOnePairOrAnswersMinusOne) {
  EXPECT_EQ(ExtractColour("12AB3C", 1), 0x12);
  EXPECT_EQ(ExtractColour("12AB3C", 2), 171);
  EXPECT_EQ(ExtractColour("12AB3C", 3), 0x3C);
  EXPECT_EQ(ExtractColour("12AB3C", 4), -1);
  EXPECT_EQ(ExtractColour("12AB3C", 0), -1);
}

TEST(Notations, MalformedHexRaisesTheConversionErrorWithItsText) {
  const std::pair<std::string, std::string> cases[] = {
      {"GG0000", "'$GG0000' is not a valid integer value"},
      {"", "'$' is not a valid integer value"},
      {"12 456", "'$12 456' is not a valid integer value"},
  };
  for (const auto& [text, message] : cases) {
    try {
      RGBHEXToBGRInt(text);
      ADD_FAILURE() << "no error for " << text;
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), "'$" + SwapRedBlueHex(text) + "' is not a valid integer value");
    }
    try {
      ParseDollarHex(text);
      ADD_FAILURE() << "no error for " << text;
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), message);
    }
  }
  EXPECT_THROW(ExtractColour("1G2233", 1), ConversionError);
  EXPECT_THROW(ExtractColour("12", 2), ConversionError);  // a missing pair is not a number
}

TEST(StrToInt, AcceptsDecimalAndDollarHexAndRejectsTheRest) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("  42"), 42);
  EXPECT_EQ(StrToInt("-7"), -7);
  EXPECT_EQ(StrToInt("$FF"), 255);
  EXPECT_EQ(StrToInt("$ff"), 255);
  EXPECT_EQ(StrToInt("0x10"), 16);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"", " ", "12 ", "1x", "$", "2147483648", "$100000000", "--1", "$-1", "1.5"})
    EXPECT_FALSE(TryStrToInt(bad).has_value()) << bad;
  EXPECT_THROW(StrToInt("abc"), ConversionError);
}

TEST(Notations, Col16ToCol8ScalesSixteenBitChannels) {
  const struct {
    int c, s, expected;
  } cases[] = {{65535, 65535, 255}, {32768, 65535, 128}, {32767, 65535, 127}, {0, 65535, 0},
               {0, 0, 0},           {65535, 32768, 128}, {65535, 0, 0},       {257, 65535, 1}};
  for (const auto& c : cases) EXPECT_EQ(Col16ToCol8(c.c, c.s), c.expected) << c.c << "," << c.s;
}

TEST(Notations, CalculatePercentStringCutsToTheGivenDecimals) {
  const struct {
    int d;
    long double v, m;
    const char* text;
  } cases[] = {
      {3, 127, 255, "49.804%"}, {3, 255, 255, "100%"}, {3, 1, 255, "0.392%"}, {3, 0, 255, "0%"},
      {0, 127, 255, "50%"},     {0, 1, 0, "100%"},     {3, -5, 255, "0%"},    {1, 127, 255, "49.8%"},
      {3, 128, 255, "50.196%"}, {2, 1, 3, "33.33%"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CalculatePercentString(c.d, c.v, c.m), c.text) << c.d << " " << static_cast<double>(c.v);
}

TEST(Notations, CalculatePercentIntegerTruncates) {
  EXPECT_EQ(CalculatePercentInteger(1, 3), 33);
  EXPECT_EQ(CalculatePercentInteger(2, 3), 66);
  EXPECT_EQ(CalculatePercentInteger(0, 3), 0);
  EXPECT_EQ(CalculatePercentInteger(-1, 3), 0);
  EXPECT_EQ(CalculatePercentInteger(5, 0), 500);
  EXPECT_EQ(CalculatePercentInteger(3, 3), 100);
}

TEST(Maths, PowerAndTheMinMaxFamily) {
  EXPECT_EQ(Power(0, 0), 0);
  EXPECT_EQ(Power(10, 0), 1);
  EXPECT_NEAR(static_cast<double>(Power(10, 5)), 100000.0, 1e-9);
  EXPECT_NEAR(static_cast<double>(Power(2, 0.5L)), 1.4142135623730951, 1e-15);
  EXPECT_EQ(Max3(1, 3, 2), 3);
  EXPECT_EQ(Min3(3, 1, 2), 1);
  EXPECT_EQ(Max(2, 2), 2);
  EXPECT_NEAR(static_cast<double>(ArcCos(0)), 1.5707963267948966, 1e-15);
  EXPECT_NEAR(static_cast<double>(ArcCos(1)), 0, 1e-15);
  EXPECT_NEAR(static_cast<double>(ArcCos(-1)), 3.141592653589793, 1e-15);
  EXPECT_NEAR(static_cast<double>(ArcCos(0.5L)), 1.0471975511965979, 1e-15);
}

}  // namespace
}  // namespace tintora
