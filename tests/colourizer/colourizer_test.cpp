#include "core/colourizer/colourizer.h"

#include <gtest/gtest.h>

#include "core/colour/text_filters.h"
#include "core/colourizer/rich_text.h"

namespace tintora {
namespace {

using Lines = std::vector<std::string>;

ColourizerInput Input(std::string_view utf8, std::vector<std::string> checked,
                      std::vector<std::string> unchecked = {}) {
  ColourizerInput in;
  in.text = DecodeUtf8Lenient(utf8);
  for (const std::string& v : checked) in.colours.push_back({"c", v, true});
  for (const std::string& v : unchecked) in.colours.push_back({"u", v, false});
  return in;
}

Lines Html(const ColourizerInput& in) { return GenerateHTML(Colourize(in), in); }

TEST(Colourizer, WritesTheHtmlOfEachCase) {
  const struct {
    const char* what;
    ColourizerInput in;
    Lines html;
  } cases[] = {
      {"one colour", Input("SAMPLE", {"FF0000"}), {"<FONT COLOR=\"#FF0000\">", "SAMPLE", "</FONT>"}},
      {"no colour", Input("AB", {}, {"FF0000"}), {"AB"}},
      {"the blank halfway",
       Input("A B", {"FF0000", "0000FF"}),
       {"<FONT COLOR=\"#FF0000\">A</FONT><FONT COLOR=\"#7F0080\">&nbsp;</FONT><FONT "
        "COLOR=\"#0000FF\">B</FONT>"}},
      {"more colours than characters",
       Input("Hi", {"FF0000", "00FF00", "0000FF"}),
       {"<FONT COLOR=\"#FF0000\">H</FONT><FONT COLOR=\"#00FF00\">i</FONT>"}},
      {"trailing blanks are not written",
       Input("AB  \t\n", {"FF0000"}),
       {"<FONT COLOR=\"#FF0000\">", "AB", "</FONT>"}},
      {"empty", Input("", {"FF0000"}), {}},
      {"only blanks", Input("   ", {"FF0000"}), {}},
      {"a line break",
       Input("A\nB", {"FF0000", "0000FF"}),
       {"<FONT COLOR=\"#FF0000\">A</FONT><BR><FONT COLOR=\"#0000FF\">B</FONT>"}},
      {"characters beyond Windows-1252",
       Input("\xE6\x97\xA5\xC3\xA9\xE2\x82\xAC", {}),
       {"&#26085;&eacute;&euro;"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Html(c.in), c.html) << c.what;
}

TEST(Colourizer, SizesInBothModes) {
  ColourizerInput stat = Input("ABCDEFG", {});
  stat.start = 1;
  stat.end = 7;
  EXPECT_EQ(Html(stat),
            Lines({"<FONT SIZE=\"1\">A</FONT><FONT SIZE=\"2\">B</FONT>C<FONT SIZE=\"4\">D</FONT>"
                   "<FONT SIZE=\"5\">E</FONT><FONT SIZE=\"6\">F</FONT><FONT SIZE=\"7\">G</FONT>"}));
  std::vector<int> points;
  for (const auto& c : Colourize(stat).chars) points.push_back(c.points);
  EXPECT_EQ(points, std::vector<int>({8, 10, 12, 14, 18, 24, 36}));

  ColourizerInput rel = Input("Hi", {});
  rel.relative = true;
  rel.start = 2;
  EXPECT_EQ(Html(rel), Lines({"<FONT SIZE=\"+2\">", "Hi", "</FONT>"}));
  rel.start = -1;
  EXPECT_EQ(Html(rel), Lines({"<FONT SIZE=\"-1\">", "Hi", "</FONT>"}));
  EXPECT_EQ(Colourize(rel).chars[0].points, 10);

  // A progression from B + 0 to B + 2 with B = 5: the characters at the base size stay bare.
  ColourizerInput base5 = Input("abc", {});
  base5.relative = true;
  base5.base = 5;
  base5.end = 2;
  EXPECT_EQ(Html(base5), Lines({"a<FONT SIZE=\"+1\">b</FONT><FONT SIZE=\"+2\">c</FONT>"}));
  // Static with only an end size: from B to E.
  ColourizerInput down = Input("abc", {});
  down.end = 1;
  EXPECT_EQ(Html(down), Lines({"a<FONT SIZE=\"2\">b</FONT><FONT SIZE=\"1\">c</FONT>"}));
}

TEST(Colourizer, TheProgressionForcesTheEndOntoTheLastCharacter) {
  const struct {
    std::size_t n;
    int start, end;
    std::vector<int> sizes;
  } cases[] = {
      {7, 1, 7, {1, 2, 3, 4, 5, 6, 7}},
      {3, 1, 7, {1, 2, 7}},
      {1, 2, 6, {2}},
      {4, 6, 2, {6, 5, 4, 2}},
      {5, 3, 3, {3, 3, 3, 3, 3}},
      {0, 1, 7, {}},
      {9, 2, 4, {2, 2, 2, 3, 3, 3, 3, 4, 4}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GradualSizeIndexes(c.n, c.start, c.end), c.sizes) << c.n << " " << c.start;
}

TEST(Colourizer, FaceStylesWebSafeAndOneLinePerBlock) {
  ColourizerInput in = Input("ab", {"FF0000", "0000FF"});
  in.face = "Verdana";
  in.styles = {true, true, true, true};
  in.webSafe = true;
  in.linePerBlock = true;
  EXPECT_EQ(Html(in), Lines({"<FONT FACE=\"Verdana\">", "<B>", "<I>", "<U>", "<STRIKE>",
                             "   <FONT COLOR=\"#FF0000\">a</FONT>", "   <FONT COLOR=\"#0000FF\">b</FONT>",
                             "</STRIKE>", "</U>", "</I>", "</B>", "</FONT>"}));
  // The gradient is made web-safe after it is mixed: 7F0080 becomes 660099.
  ColourizerInput safe = Input("A B", {"FF0000", "0000FF"});
  safe.webSafe = true;
  EXPECT_EQ(*Colourize(safe).chars[1].colour, Rgb8::OfLevels(0x66, 0x00, 0x99));
  ColourizerInput one = Input("x", {"123456"});
  one.webSafe = true;
  EXPECT_EQ(Html(one)[0], "<FONT COLOR=\"#003366\">");
}

// The same markup as CSS spans: FONT's parts as properties, its sizes by their CSS names (a
// relative size counted from 3), the four styles in one span.
TEST(Colourizer, CssSpansSayWhatFontTagsSay) {
  ColourizerInput styled = Input("ab", {"FF0000", "0000FF"});
  styled.face = "Tom's \"Sans\"";
  styled.styles = {true, false, true, true};
  ColourizerInput sized = Input("ABC", {"336699"});
  sized.start = 2;
  sized.end = 6;
  ColourizerInput relative = Input("A\nB", {});
  relative.relative = true;
  relative.start = 2;
  const struct {
    const char* what;
    ColourizerInput in;
    Lines html;
  } cases[] = {
      {"face, colours and styles",
       styled,
       {"<span style=\"font-family: 'Tom\\'s &quot;Sans&quot;'\">",
        "<span style=\"font-weight: bold; text-decoration: underline line-through\">",
        "<span style=\"color: #FF0000\">a</span><span style=\"color: #0000FF\">b</span>", "</span>",
        "</span>"}},
      {"one colour, sizes by name (B at the base size)",
       sized,
       {"<span style=\"color: #336699\">",
        "<span style=\"font-size: small\">A</span>B<span style=\"font-size: xx-large\">C</span>", "</span>"}},
      {"one relative size", relative, {"<span style=\"font-size: x-large\">", "A<br>B", "</span>"}},
  };
  for (auto c : cases) {
    c.in.cssSpans = true;
    EXPECT_EQ(Html(c.in), c.html) << c.what;
  }
}

TEST(Colourizer, TheCharacterFilter) {
  const struct {
    char32_t ch;
    const char* html;
  } cases[] = {
      {U' ', "&nbsp;"},
      {U'"', "&quot;"},
      {U'&', "&amp;"},
      {U'<', "&lt;"},
      {U'>', "&gt;"},
      {U'\'', "'"},
      {U'A', "A"},
      {U'~', "~"},
      {U'\u20AC', "&euro;"},
      {U'\u0192', "&fnof;"},
      {U'\u2122', "&trade;"},
      {U'\u00DC', "&#220;"},
      {U'\u00E9', "&eacute;"},
      {U'\u201A', "&#130;"},
      {U'\t', "&#9;"},
      {U'\u00FF', "&yuml;"},
      {U'\u00C5', "&Aring;"},
      {U'\u4E2D', "&#20013;"},
      {U'\U0001F600', "&#128512;"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(HTMLCharacterFilter(c.ch), c.html) << static_cast<unsigned long>(c.ch);
  EXPECT_EQ(HTMLTextSize(18), 5);
  EXPECT_EQ(HTMLTextSize(12), 3);
  EXPECT_EQ(HTMLTextSize(16), std::nullopt);
  EXPECT_EQ(BackgroundAttribute({255, 255, 255}), "BGColor=\"#FFFFFF\"");
  EXPECT_EQ(NormaliseColourizerText(U"a\r\nb\rc\n"), U"a\nb\nc\n");
}

TEST(RichText, CarriesTheColoursSizesAndStylesOfTheCountedCharacters) {
  ColourizerInput in = Input("A{\xC3\xA9\xE6\x97\xA5  ", {"FF0000", "0000FF"});
  in.styles.bold = true;
  const Colourized c = Colourize(in);
  const std::string rtf = ColourizedRtf(c, in.styles, "Times New Roman");
  EXPECT_EQ(rtf.substr(0, 5), "{\\rtf");
  EXPECT_NE(rtf.find("{\\colortbl ;\\red255\\green0\\blue0;"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("\\b\\cf1\\fs24 A"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("\\{"), std::string::npos);
  EXPECT_NE(rtf.find("\\'e9"), std::string::npos);
  EXPECT_NE(rtf.find("\\u26085?"), std::string::npos);
  EXPECT_EQ(rtf.find("  }"), std::string::npos);  // trailing blanks left out
  const std::string html = ColourizedHtmlFragment(c, in.styles, "Times New Roman");
  EXPECT_NE(html.find("font-weight:bold;font-size:12pt;color:#FF0000\">A</span>"), std::string::npos) << html;
  EXPECT_NE(html.find("color:#0000FF\">\xE6\x97\xA5</span>"), std::string::npos) << html;
  EXPECT_EQ(ColourizedPlainText(c), "A{\xC3\xA9\xE6\x97\xA5");
}

}  // namespace
}  // namespace tintora
