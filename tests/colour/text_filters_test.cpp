#include "core/colour/text_filters.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

struct DecimalCase {
  const char* name;
  const char* text;
  int caret;
  const char* outText;
  int outCaret;
  bool selectAll;
  int position;  // -1: no position (conversion error)
};

TEST(TextFieldFilter, RemovesTheKeystrokeLeftOfTheCaretAndMovesTheTrackBar) {
  const DecimalCase cases[] = {
      {"a typed letter after a digit is dropped", "7x", 2, "7", 1, false, 7},
      {"an emptied edit becomes a selected zero", "", 0, "0", 1, true, 0},
      {"digits pass", "128", 3, "128", 3, false, 128},
      {"a typed 300 stops the track bar at 255", "300", 3, "300", 3, false, 255},
      {"a letter typed in the middle is dropped", "1a2", 2, "12", 1, false, 12},
      {"a caret at the start examines nothing", "x5", 0, "x5", 0, false, -1},
      {"a minus sign is not a digit", "-", 1, "", 0, false, -1},
      {"a pasted text is only checked at the caret", "1x23", 4, "1x23", 4, false, -1},
      {"a non-ASCII keystroke is dropped whole", "4\xC3\xA9", 2, "4", 1, false, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const EditFilterResult r = TextFieldFilter(c.text, c.caret);
    EXPECT_EQ(r.text, c.outText);
    EXPECT_EQ(r.caret, c.outCaret);
    EXPECT_EQ(r.selectAll, c.selectAll);
    EXPECT_EQ(r.changed, std::string(c.text) != c.outText);
    if (c.position < 0) {
      EXPECT_FALSE(r.trackBarPosition.has_value());
      ASSERT_TRUE(r.conversionError.has_value());
      EXPECT_EQ(*r.conversionError, "'" + std::string(c.outText) + "' is not a valid integer value");
    } else {
      EXPECT_EQ(r.trackBarPosition, c.position);
      EXPECT_FALSE(r.conversionError.has_value());
    }
  }
}

TEST(TextFieldFilter, LimitsToTheTrackBarRange) {
  EXPECT_EQ(TextFieldFilter("150", 3, -100, 100).trackBarPosition, 100);
  EXPECT_EQ(TextFieldFilter("5", 1, 10, 20).trackBarPosition, 10);
}

TEST(TextFieldToHexFilter, KeepsHexDigitsUpperCaseAndNeverMovesATrackBar) {
  const struct {
    const char* name;
    const char* text;
    int caret;
    const char* outText;
    int outCaret;
    bool selectAll;
  } cases[] = {
      {"G after A is dropped", "AG", 2, "A", 1, false},
      {"c after A survives as upper case", "Ac", 2, "AC", 2, false},
      {"an emptied edit becomes a selected 00", "", 0, "00", 2, true},
      {"lower case everywhere is raised", "ab", 1, "AB", 1, false},
      {"a blank is dropped", "F ", 2, "F", 1, false},
      {"an earlier bad character is left for the parse to reject", "Z1", 2, "Z1", 2, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const EditFilterResult r = TextFieldToHexFilter(c.text, c.caret);
    EXPECT_EQ(r.text, c.outText);
    EXPECT_EQ(r.caret, c.outCaret);
    EXPECT_EQ(r.selectAll, c.selectAll);
    EXPECT_FALSE(r.trackBarPosition.has_value());
  }
}

TEST(Utf8, RoundTripsAndReplacesBrokenBytes) {
  const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xA8";
  EXPECT_EQ(DecodeUtf8Lenient(text).size(), 4u);
  EXPECT_EQ(EncodeUtf8(DecodeUtf8Lenient(text)), text);
  EXPECT_EQ(DecodeUtf8Lenient("\xE9x"), std::u32string(U"\uFFFDx"));
}

}  // namespace
}  // namespace tintora
