#include "core/webpage/page_colours.h"

#include <cmath>

#include <gtest/gtest.h>

namespace tintora {
namespace {

using R = PageRole;

TEST(PageColours, TheCopiesWriteTheChosenAttributesInOrder) {
  PageColours page;
  const struct {
    std::vector<PageRole> roles;
    bool names, webSafe;
    const char* text;
  } cases[] = {
      {{R::Background, R::Text, R::Link, R::ActiveLink, R::VisitedLink},
       false,
       false,
       "BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" ALINK=\"#000000\" VLINK=\"#800080\""},
      {{R::Background, R::Text, R::Link, R::ActiveLink, R::VisitedLink},
       true,
       false,
       "BGCOLOR=\"White\" TEXT=\"Black\" LINK=\"Blue\" ALINK=\"Black\" VLINK=\"Purple\""},
      {{R::Background}, false, false, "BGCOLOR=\"#FFFFFF\""},
      {{R::VisitedLink, R::Link, R::ActiveLink},
       false,
       false,
       "LINK=\"#0000FF\" ALINK=\"#000000\" VLINK=\"#800080\""},
  };
  for (const auto& c : cases) EXPECT_EQ(PageAttributes(page, c.roles, c.names, c.webSafe), c.text);
  page[R::Text] = Rgb8{0x12, 0x34, 0x56};
  EXPECT_EQ(PageAttributes(page, {R::Text}, true, false), "TEXT=\"#123456\"");  // no name for it
  EXPECT_EQ(PageAttributes(page, {R::Text}, false, true), "TEXT=\"#003366\"");
  EXPECT_EQ(page[R::Text], (Rgb8{0x12, 0x34, 0x56}));  // the page keeps its own colour
}

TEST(Contrast, MatchesTheW3CWorkedValues) {
  const struct {
    int a, b;  // RRGGBB
    double ratio;
    const char* text;
    ContrastLevel normal, large;
  } cases[] = {
      {0x000000, 0xFFFFFF, 21.0, "21.00:1", ContrastLevel::AAA, ContrastLevel::AAA},
      {0xFFFFFF, 0xFFFFFF, 1.0, "1.00:1", ContrastLevel::Fails, ContrastLevel::Fails},
      {0x777777, 0xFFFFFF, 4.478, "4.48:1", ContrastLevel::Fails, ContrastLevel::AA},
      {0x767676, 0xFFFFFF, 4.542, "4.54:1", ContrastLevel::AA, ContrastLevel::AAA},
      {0x0000FF, 0xFFFFFF, 8.592, "8.59:1", ContrastLevel::AAA, ContrastLevel::AAA},
      {0xFF0000, 0xFFFFFF, 3.998, "4.00:1", ContrastLevel::Fails, ContrastLevel::AA},
      {0x800080, 0xFFFFFF, 9.416, "9.42:1", ContrastLevel::AAA, ContrastLevel::AAA},
      {0x595959, 0xFFFFFF, 7.000, "7.00:1", ContrastLevel::AAA, ContrastLevel::AAA},
  };
  for (const auto& c : cases) {
    const Rgb8 x{static_cast<std::uint8_t>(c.a >> 16), static_cast<std::uint8_t>(c.a >> 8),
                 static_cast<std::uint8_t>(c.a)};
    const Rgb8 y{static_cast<std::uint8_t>(c.b >> 16), static_cast<std::uint8_t>(c.b >> 8),
                 static_cast<std::uint8_t>(c.b)};
    const double r = ContrastRatio(x, y);
    EXPECT_NEAR(r, c.ratio, 0.005) << std::hex << c.a;
    EXPECT_EQ(ContrastRatio(y, x), r);
    EXPECT_EQ(RatioText(r), c.text) << std::hex << c.a;
    EXPECT_EQ(NormalTextLevel(r), c.normal) << std::hex << c.a;
    EXPECT_EQ(LargeTextLevel(r), c.large) << std::hex << c.a;
  }
  // A ratio just short of a level never reads as reaching it.
  EXPECT_EQ(RatioText(4.4999), "4.49:1");
  EXPECT_EQ(RatioText(6.996), "6.99:1");
  EXPECT_EQ(RatioText(4.004), "4.00:1");
  // A ratio exactly on a threshold reaches its level; a hair below does not.
  const struct {
    double ratio;
    ContrastLevel normal, large;
  } edges[] = {
      {3.0, ContrastLevel::Fails, ContrastLevel::AA},
      {std::nextafter(3.0, 0.0), ContrastLevel::Fails, ContrastLevel::Fails},
      {4.5, ContrastLevel::AA, ContrastLevel::AAA},
      {std::nextafter(4.5, 0.0), ContrastLevel::Fails, ContrastLevel::AA},
      {7.0, ContrastLevel::AAA, ContrastLevel::AAA},
      {std::nextafter(7.0, 0.0), ContrastLevel::AA, ContrastLevel::AAA},
  };
  for (const auto& e : edges) {
    EXPECT_EQ(NormalTextLevel(e.ratio), e.normal) << e.ratio;
    EXPECT_EQ(LargeTextLevel(e.ratio), e.large) << e.ratio;
  }
  EXPECT_DOUBLE_EQ(RelativeLuminance({255, 255, 255}), 1.0);
  EXPECT_DOUBLE_EQ(RelativeLuminance({0, 0, 0}), 0.0);
}

}  // namespace
}  // namespace tintora
