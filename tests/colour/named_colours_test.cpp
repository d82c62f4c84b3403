#include "core/colour/named_colours.h"

#include <gtest/gtest.h>

#include "core/colour/conversion_error.h"

namespace tintora {
namespace {

TEST(NamedColours, TablesHoldEveryNameOnce) {
  EXPECT_EQ(Html32Colours().size(), 16u);
  EXPECT_EQ(BrowserColours().size(), 141u);
  for (auto table : {Html32Colours(), BrowserColours()})
    for (std::size_t i = 1; i < table.size(); ++i) EXPECT_LT(table[i - 1].rgb, table[i].rgb);
}

TEST(NamedColours, LookupByTable) {
  const struct {
    const char* hex;
    const char* html32;
    const char* browser;
  } cases[] = {
      {"FF00FF", "Fuchia", "Magenta"},         {"00FFFF", "Aqua", "Cyan"},
      {"D19275", "#D19275", "Feldspar"},       {"9370DB", "#9370DB", "#9370DB"},
      {"9370D8", "#9370D8", "MediumPurple"},   {"D87093", "#D87093", "PaleVioletRed"},
      {"123456", "#123456", "#123456"},        {"000000", "Black", "Black"},
      {"d3d3d3", "#d3d3d3", "LightGrey"},      {"A9A9A9", "#A9A9A9", "DarkGray"},
      {"8470FF", "#8470FF", "LightSlateBlue"}, {"C0C0C0", "Silver", "Silver"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IENSColourNameConvert(c.hex, false), c.html32) << c.hex;
    EXPECT_EQ(IENSColourNameConvert(c.hex, true), c.browser) << c.hex;
  }
}

TEST(NamedColours, HtmlColourForTheWebPageUsesOnlyTheHtml32Names) {
  EXPECT_EQ(HEXtoHTMLColour("FF0000", true), "Red");
  EXPECT_EQ(HEXtoHTMLColour("FF0000", false), "FF0000");
  EXPECT_EQ(HEXtoHTMLColour("D19275", true), "#D19275");
  EXPECT_EQ(HEXtoHTMLColour("FF00FF", true), "Fuchia");
}

TEST(NamedColours, NonHexRaisesTheConversionError) {
  EXPECT_THROW(IENSColourNameConvert("XYZ", true), ConversionError);
  EXPECT_THROW(HEXtoHTMLColour("XYZ", true), ConversionError);
  EXPECT_NO_THROW(HEXtoHTMLColour("XYZ", false));  // names off: the text is passed on untouched
}

}  // namespace
}  // namespace tintora
