#include "core/colour/rounding.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

struct RoundCase {
  long double x;
  long long round, trunc;
};

TEST(Rounding, ExactHalvesGoToTheEvenNeighbourAndTruncGoesTowardZero) {
  const RoundCase cases[] = {{0.5L, 0, 0},       {1.5L, 2, 1},      {2.5L, 2, 2},    {3.5L, 4, 3},
                             {-0.5L, 0, 0},      {-1.5L, -2, -1},   {-2.5L, -2, -2}, {127.5L, 128, 127},
                             {126.5L, 126, 126}, {2.4999L, 2, 2},   {2.5001L, 3, 2}, {-2.7L, -3, -2},
                             {0, 0, 0},          {254.5L, 254, 254}};
  for (const auto& c : cases) {
    EXPECT_EQ(Round(c.x), c.round) << static_cast<double>(c.x);
    EXPECT_EQ(Trunc(c.x), c.trunc) << static_cast<double>(c.x);
  }
}

TEST(Rounding, RoundMAndRoundPBracketAFraction) {
  EXPECT_EQ(RoundM(2.7), 2);
  EXPECT_EQ(RoundP(2.7), 3);
  EXPECT_EQ(RoundM(2.2), 2);
  EXPECT_EQ(RoundP(2.2), 3);
  EXPECT_EQ(RoundP(2.5), 3);  // Round(2.5) is 2, yet RoundP still gives the integer above
  EXPECT_EQ(RoundP(3.5), 4);  // Round(3.5) is 4, the formula still lands on 4
  EXPECT_EQ(RoundP(2.0), 3);  // a whole value is followed by the next integer, not itself
  EXPECT_EQ(RoundM(0.0), 0);
}

}  // namespace
}  // namespace tintora
