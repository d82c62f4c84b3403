#include "core/harmony/wheel.h"

#include <cmath>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "core/colour/notations.h"
#include "core/harmony/harmony.h"

namespace tintora {
namespace {

struct Picture {
  explicit Picture(int size) : pixels(static_cast<std::size_t>(size) * size), canvas{pixels, size, size} {}
  std::vector<std::uint32_t> pixels;
  PixelCanvas canvas;
};

// The wheel of a pure red active colour.
HueOffsetColour RedWheel() {
  return [](int offset) { return HarmonyColour(offset, 0, 1, 255); };
}

// The pixel at a clockwise angle (degrees from twelve o'clock) and distance from the centre.
std::optional<Rgb8> At(const Picture& p, double degrees, double distance) {
  const double a = degrees * std::numbers::pi / 180;
  const int c = p.canvas.width / 2;
  return p.canvas.Get(static_cast<int>(std::floor(c + std::sin(a) * distance)),
                      static_cast<int>(std::floor(c - std::cos(a) * distance)));
}

// The same wheel painted pie by pie, the slow way the fast drawing must agree with.
void NaiveWheel(PixelCanvas& canvas, int n, Rgb8 active, bool outline, bool borders,
                const HueOffsetColour& colour) {
  const float step = 360.0f / static_cast<float>(n);
  float angle = 360.0f - step;
  constexpr long double kDegree = 0.0174532925L;
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) canvas.Set(x, y, active);
  const int c = canvas.width / 2, r = canvas.height / 2;
  if (outline)
    DrawPieSection(canvas, c, c, r, static_cast<float>(-kDegree), static_cast<float>(angle * kDegree),
                   {kWheelOutlineColour, kWheelOutlineColour});
  while (angle > 0) {
    DrawPieSection(canvas, c, c, r - 1, 0.0f, static_cast<float>(angle * kDegree),
                   {colour(static_cast<int>(std::trunc(angle))),
                    borders ? std::optional(kWheelBorderColour) : std::nullopt});
    angle -= step;
  }
}

TEST(ColourWheel, TwelveDivisionsOnRedShowTheHuesClockwiseAndRedLast) {
  Picture p(64);
  DrawColourWheel(p.canvas, 12, Rgb8::OfLevels(255, 0, 0), true, true, RedWheel());
  for (int m = 1; m <= 11; ++m) {
    const double middle = (m - 0.5) * 30;
    EXPECT_EQ(At(p, middle, 20), HarmonyColour(30 * m, 0, 1, 255)) << "section " << m;
  }
  EXPECT_EQ(At(p, 345, 20), Rgb8::OfLevels(255, 0, 0));   // 330..360: the active colour itself
  EXPECT_EQ(At(p, 15, 20), Rgb8::OfLevels(255, 128, 0));  // the 30 degree section: hue 30
  EXPECT_EQ(At(p, 90, 31.2), kWheelOutlineColour);        // silver rim
  int borderPixels = 0;  // along the boundary ray between the first two sections
  for (double d = 4; d < 28; d += 1) borderPixels += At(p, 30, d) == kWheelBorderColour;
  EXPECT_GE(borderPixels, 4);

  DrawColourWheel(p.canvas, 12, Rgb8::OfLevels(255, 0, 0), false, false, RedWheel());
  for (double d = 4; d < 28; d += 1) EXPECT_NE(At(p, 30, d), kWheelBorderColour);
  EXPECT_NE(At(p, 90, 31.2), kWheelOutlineColour);
}

TEST(ColourWheel, TwoDivisionsSplitIntoComplementAndActiveColour) {
  Picture p(64);
  DrawColourWheel(p.canvas, 2, Rgb8::OfLevels(255, 0, 0), false, false, RedWheel());
  for (double a : {10.0, 90.0, 170.0}) EXPECT_EQ(At(p, a, 20), Rgb8::OfLevels(0, 255, 255)) << a;
  for (double a : {190.0, 270.0, 350.0}) EXPECT_EQ(At(p, a, 20), Rgb8::OfLevels(255, 0, 0)) << a;
}

TEST(ColourWheel, ThreeHundredSixtyDivisionsOnASmallWheel) {
  Picture p(32);
  const Rgb8 red{255, 0, 0};
  DrawColourWheel(p.canvas, 360, red, false, false, RedWheel());
  // The sections have radius 15 there. The 359-degree pie ends on the pixel where it starts
  // but spans the circle: a full disc. The 1-degree pie ends on its starting pixel with a
  // small span: skipped. The 2-degree one is a true sector.
  constexpr float kDegree = 0.0174532925f;
  EXPECT_EQ(PieSectionShape(15, 0.0f, 359 * kDegree), PieShape::Disc);
  EXPECT_EQ(PieSectionShape(15, 0.0f, 1 * kDegree), PieShape::Nothing);
  EXPECT_EQ(PieSectionShape(15, 0.0f, 2 * kDegree), PieShape::Sector);
  EXPECT_EQ(PieSectionShape(31, 0.0f, 359 * kDegree), PieShape::Sector);  // a large wheel resolves it
  // So just right of ends on its starting pixel with a small span: skipped, so just right of
  // twelve o'clock is the 2-degree pie's colour, and no pixel of the disc is left red.
  EXPECT_EQ(p.canvas.Get(16, 1), HarmonyColour(2, 0, 1, 255));
  for (int y = 2; y < 30; ++y)
    for (int x = 2; x < 30; ++x)
      if ((x - 16) * (x - 16) + (y - 16) * (y - 16) < 13 * 13) {
        EXPECT_NE(p.canvas.Get(x, y), red) << x << "," << y;
      }
}

TEST(ColourWheel, FastDrawingAgreesWithPaintingEverySection) {
  for (int size : {32, 64}) {
    for (int n : {2, 3, 7, 12, 100, 360}) {
      for (bool outline : {false, true}) {
        for (bool borders : {false, true}) {
          Picture fast(size), slow(size);
          const Rgb8 active{200, 30, 90};
          auto colour = [](int o) { return HarmonyColour(o, 330, 0.85L, 200); };
          DrawColourWheel(fast.canvas, n, active, outline, borders, colour);
          NaiveWheel(slow.canvas, n, active, outline, borders, colour);
          EXPECT_EQ(fast.pixels, slow.pixels) << size << " " << n << " " << outline << borders;
        }
      }
    }
  }
}

TEST(PieSection, RaysOnOnePixelGiveADiscOrNothing) {
  Picture p(20);
  constexpr Rgb8 none{0x56, 0x34, 0x12}, red{255, 0, 0}, green{0, 255, 0}, black{};
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) p.canvas.Set(x, y, none);
  DrawPieSection(p.canvas, 10, 10, 8, 0.0f, 0.01f, {red, std::nullopt});  // a sliver: nothing
  EXPECT_EQ(p.canvas.Get(10, 3), none);
  DrawPieSection(p.canvas, 10, 10, 8, 0.0f, 6.27f, {red, std::nullopt});  // nearly whole: disc
  EXPECT_EQ(p.canvas.Get(9, 3), red);
  EXPECT_EQ(p.canvas.Get(10, 10), red);
  EXPECT_EQ(p.canvas.Get(0, 0), none);
  DrawPieSection(p.canvas, 10, 10, 8, 0.0f, static_cast<float>(std::numbers::pi / 2), {green, black});
  EXPECT_EQ(p.canvas.Get(13, 7), green);  // inside the quarter: brush
  EXPECT_EQ(p.canvas.Get(10, 5), black);  // on its left edge: pen
  EXPECT_EQ(p.canvas.Get(7, 7), red);     // outside the quarter: untouched
}

}  // namespace
}  // namespace tintora
