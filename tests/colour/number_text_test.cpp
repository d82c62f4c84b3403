#include "core/colour/number_text.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

TEST(GeneralNumberText, FifteenSignificantDigitsWithoutTrailingZeros) {
  const std::pair<long double, const char*> cases[] = {
      {0, "0"},
      {1, "1"},
      {-1, "-1"},
      {100, "100"},
      {49.804L, "49.804"},
      {30.118L, "30.118"},
      {0.5L, "0.5"},
      {1.0L / 3, "0.333333333333333"},
      {2.0L / 3, "0.666666666666667"},
      {123456789012345.0L, "123456789012345"},
      {1234567890123456.0L, "1.23456789012346E15"},
      {0.00001L, "0.00001"},
      {0.0000015L, "1.5E-6"},
      {100000.0000000000001L, "100000"},
      {99.99999999999999L, "100"},
      {329.882L, "329.882"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(GeneralNumberText(value), text);
}

TEST(IntToHex, UpperCaseWithMinimumDigitsAndNegativesAsTwosComplement) {
  EXPECT_EQ(IntToHex(255, 2), "FF");
  EXPECT_EQ(IntToHex(10, 2), "0A");
  EXPECT_EQ(IntToHex(0, 6), "000000");
  EXPECT_EQ(IntToHex(0x1234567, 6), "1234567");
  EXPECT_EQ(IntToHex(256, 2), "100");
  EXPECT_EQ(IntToHex(-1, 6), "FFFFFFFF");
}

}  // namespace
}  // namespace tintora
