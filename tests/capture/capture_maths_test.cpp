#include "core/capture/capture_maths.h"

#include <gtest/gtest.h>

#include "core/capture/hot_key.h"
#include "core/capture/recent_picks.h"
#include "support/printers.h"

namespace tintora {
namespace {

TEST(HotKey, TheNineteenKeysAndTheirCodes) {
  const auto& items = HotKeyItems();
  EXPECT_STREQ(items[0].caption, "F2");
  EXPECT_EQ(items[0].virtualKey, 0x71u);
  EXPECT_EQ(items[5].virtualKey, 0x77u);  // F8
  EXPECT_STREQ(items[8].hintName, "F12");
  EXPECT_STREQ(items[9].caption, "Num Pad 0");
  EXPECT_EQ(items[9].virtualKey, 0x60u);
  EXPECT_EQ(items[14].virtualKey, 0x65u);  // Num Pad 5
  for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].settingsIndex, static_cast<int>(i) + 1);
}

TEST(HotKey, ModifierFlags) {
  EXPECT_EQ(HotKeyModifiers(false, false, false), 0u);
  EXPECT_EQ(HotKeyModifiers(true, false, false), 4u);
  EXPECT_EQ(HotKeyModifiers(false, true, false), 2u);
  EXPECT_EQ(HotKeyModifiers(false, false, true), 1u);
  EXPECT_EQ(HotKeyModifiers(true, true, true), 7u);
}

TEST(HotKey, HintTexts) {
  std::array<bool, 19> f8{};
  f8[5] = true;
  EXPECT_EQ(PixelCaptureHint(false, false, false, f8),
            "Pixel colour extractor.(F8)\r\nRight click for desktop\r\nphoto capture.");
  EXPECT_EQ(PixelCaptureHint(false, false, true, f8),
            "Pixel colour extractor.(ALT+F8)\r\nRight click for desktop\r\nphoto capture.");
  std::array<bool, 19> pad5{};
  pad5[14] = true;
  EXPECT_EQ(PixelCaptureHint(true, true, true, pad5).substr(0, 47),
            "Pixel colour extractor.(SHIFT+CTRL+ALT+NumPad5)");
}

TEST(HotKey, StoredIndicesOutsideOneToNineteenNameNoItem) {
  EXPECT_EQ(HotKeyItemForSettingsIndex(1), 0);
  EXPECT_EQ(HotKeyItemForSettingsIndex(19), 18);
  for (int bad : {0, 20, 25, -1}) EXPECT_EQ(HotKeyItemForSettingsIndex(bad), -1) << bad;
}

TEST(Capture, BothEdgesOfTheWindowCountAsInside) {
  const struct {
    int x, y;
    bool inside;
  } cases[] = {{100, 50, true}, {400, 50, true},  {401, 50, false},  {99, 50, false},
               {200, 20, true}, {200, 320, true}, {200, 321, false}, {200, 19, false}};
  for (const auto& c : cases)
    EXPECT_EQ(InsideBounds(c.x, c.y, 100, 20, 300, 300), c.inside) << c.x << "," << c.y;
}

TEST(Capture, ZoomMarkersSurroundTheCursorPixel) {
  std::vector<std::uint32_t> block(144, 0xFF123456u);
  MarkZoomCentre(block);
  auto at = [&](int x, int y) { return block[static_cast<std::size_t>(y) * 12 + x]; };
  EXPECT_EQ(at(6, 6), 0xFF123456u);
  for (auto [x, y] : {std::pair{5, 5}, {7, 5}, {5, 7}, {7, 7}}) EXPECT_EQ(at(x, y), 0xFFFFFFFFu);
  for (auto [x, y] : {std::pair{6, 5}, {5, 6}, {7, 6}, {6, 7}}) EXPECT_EQ(at(x, y), 0xFF000000u);
  int untouched = 0;
  for (std::uint32_t p : block) untouched += p == 0xFF123456u;
  EXPECT_EQ(untouched, 144 - 8);
}

// A square averaged in linear light, not on the encoded numbers: the patch's light.
TEST(Capture, AnAreaIsAveragedInLinearLight) {
  constexpr std::uint32_t kWhite = 0xFFFFFFFFu, kBlack = 0xFF000000u;
  // A 5 x 5 checkerboard with a white centre: 13 white, 12 black.
  std::vector<std::uint32_t> board(25);
  for (int i = 0; i < 25; ++i)
    board[static_cast<std::size_t>(i)] = (i % 5 + i / 5) % 2 == 0 ? kWhite : kBlack;
  const struct {
    const char* what;
    std::vector<std::uint32_t> pixels;
    int width, x, y, size;
    Rgb8 average;
  } rows[] = {
      {"the checkerboard", board, 5, 2, 2, 5, {0xBF, 0xBF, 0xBF}},  // encoded mean: #858585
      {"one pixel is itself", board, 5, 1, 2, 1, {0, 0, 0}},
      {"half and half", {kWhite, kBlack}, 2, 0, 0, 3, {0xBC, 0xBC, 0xBC}},  // corner: 2 of 9
                                                                            // there
      {"each channel alone", {0xFFFF0000u, 0xFF0000FFu}, 2, 0, 0, 3, {0xBC, 0, 0xBC}},
      {"a flat colour stays", std::vector<std::uint32_t>(9, 0xFF336699u), 3, 1, 1, 3, {0x33, 0x66, 0x99}},
  };
  for (const auto& r : rows)
    EXPECT_EQ(AverageSquare(r.pixels, r.width, r.x, r.y, r.size), r.average) << r.what;
  EXPECT_EQ(AverageInLinearLight({}), Rgb8{});
  for (int n : {1, 3, 5, 7, 9}) EXPECT_EQ(SampleSizeOrOne(n), n);
  for (int n : {0, 2, 4, 11, -3}) EXPECT_EQ(SampleSizeOrOne(n), 1) << n;
}

// The newest pick first, a repeat moved to the front, twenty at most; and the settings text.
TEST(RecentPicks, NewestFirstRepeatsMovedAndTwentyKept) {
  const Rgb8 red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255};
  std::vector<Rgb8> recent;
  for (Rgb8 c : {red, green, blue, green}) recent = WithPick(recent, c);
  EXPECT_EQ(recent, (std::vector<Rgb8>{green, blue, red}));
  for (int k = 0; k < 30; ++k) recent = WithPick(recent, Rgb8{0, 0, static_cast<std::uint8_t>(k)});
  ASSERT_EQ(recent.size(), kRecentPicks);
  EXPECT_EQ(recent.front(), (Rgb8{0, 0, 29}));
  EXPECT_EQ(recent.back(), (Rgb8{0, 0, 10}));
  EXPECT_EQ(ReadRecentPicks(RecentPicksText(recent)), recent);
  EXPECT_EQ(RecentPicksText({red, blue}), "FF0000,0000FF");
  // A file edited by hand: what is no colour is skipped, a repeat counts once.
  EXPECT_EQ(ReadRecentPicks("ff0000,,nonsense,0000FF,FF0000,#00FF00"), (std::vector<Rgb8>{red, blue}));
  EXPECT_TRUE(ReadRecentPicks("").empty());
  std::string many;
  for (int k = 0; k < 50; ++k) many += "123456,";
  EXPECT_EQ(ReadRecentPicks(many).size(), 1u);
}

}  // namespace
}  // namespace tintora
