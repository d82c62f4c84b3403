#include "core/formats/colour_list_files.h"

#include <gtest/gtest.h>

#include "core/colour/conversion_error.h"
#include "core/formats/cdt.h"
#include "core/formats/file_names.h"
#include "core/io/lines.h"
#include "core/io/text_codec.h"
#include "support/printers.h"

namespace tintora {
namespace {

using E = std::vector<ColourEntry>;

TEST(Lines, EveryLineEndCountsAFinalOneMakesNoEmptyLineAndAWalkCanStop) {
  using L = std::vector<std::string_view>;
  const auto lines = [](std::string_view text, std::size_t upTo = 99) {
    L out;
    ForEachLine(text, [&](std::string_view l) {
      out.push_back(l);
      return out.size() < upTo;
    });
    return out;
  };
  EXPECT_EQ(lines("a\r\nb\r\n"), L({"a", "b"}));
  EXPECT_EQ(lines("a\nb"), L({"a", "b"}));
  EXPECT_EQ(lines("a\rb\r"), L({"a", "b"}));
  EXPECT_EQ(lines("a\r\n\r\nb"), L({"a", "", "b"}));
  EXPECT_EQ(lines("a\n\rb"), L({"a", "", "b"}));  // LF then a lone CR
  EXPECT_TRUE(lines("").empty());
  EXPECT_EQ(lines("a\nb\nc\n", 2), L({"a", "b"}));
}

TEST(Cdt, ReadsNamesAndValuesBetweenTheirDelimiters) {
  const struct {
    const char* text;
    E entries;
  } cases[] = {
      {"{Red}[FF0000]\r\n{Sky}[87CEEB]\r\n", {{"Red", "FF0000"}, {"Sky", "87CEEB"}}},
      {"{Red}[FF0000]\n{Sky}[87CEEB]", {{"Red", "FF0000"}, {"Sky", "87CEEB"}}},    // LF only
      {"{Red}[FF0000]\r{Sky}[87CEEB]\r", {{"Red", "FF0000"}, {"Sky", "87CEEB"}}},  // CR only
      {"{a]b[c}[123456]", {{"a]b[c", "123456"}}},  // brackets inside a name spoil nothing
      {"{a}b}[1]", {{"a", "1"}}},                  // a "}" in a name cuts it
      {"Red}[FF0000]", {{"Red", "FF0000"}}},       // no "{": the text before "}"
      {"{Red[FF0000]", {{"", "FF0000"}}},          // no "}": empty name
      {"}x{[1]", {{"", "1"}}},                     // "}" before "{": empty name
      {"{}[]", {{"", ""}}},
      {"\r\n{A}[1]\r\n   \r\nstray text\r\n", {{"A", "1"}}},  // lines without delimiters carry nothing
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseCdtText(c.text), c.entries) << c.text;
}

TEST(Cdt, NamesInBothEncodingsArrive) {
  EXPECT_EQ(ParseCdtText(DecodeFileText("{Caf\xE9}[6F4E37]\r\n")), E({{"Caf\xC3\xA9", "6F4E37"}}));
  EXPECT_EQ(ParseCdtText(DecodeFileText("{Caf\xC3\xA9}[6F4E37]\r\n")), E({{"Caf\xC3\xA9", "6F4E37"}}));
}

TEST(Lst, PairsTheKthNameWithTheKthColour) {
  EXPECT_EQ(ParseLstText("Name=Black\r\nColor=0\r\nName=White\r\nColor=16777215\r\n"),
            E({{"Black", "000000"}, {"White", "FFFFFF"}}));
  EXPECT_EQ(ParseLstText("Color=16711680\nColor=$FF\nName=Red\nNames=Blue\nJunk=1\n"),
            E({{"Red", "FF0000"}, {"Blue", "0000FF"}}));
  EXPECT_EQ(ParseLstText("Name=a=b\nColor=1\n"), E({{"a=b", "000001"}}));
  EXPECT_EQ(ParseLstText("NameOnly\nColor=2\n"), E({{"NameOnly", "000002"}}));
  // A name without a colour (or the reverse) makes no entry: names and values stay paired.
  EXPECT_EQ(ParseLstText("Name=a\nName=b\nColor=1\n"), E({{"a", "000001"}}));
  EXPECT_EQ(ParseLstText("color=5\nname=x\n"), E({}));  // case-sensitive keys
  EXPECT_EQ(ParseLstText("Color=-1\nName=n\n"), E({{"n", "FFFFFFFF"}}));
}

TEST(Lst, AColourThatIsNotAnIntegerIsTheConversionError) {
  try {
    ParseLstText("Name=a\nColor=12x\n");
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'12x' is not a valid integer value");
  }
  EXPECT_THROW(ParseLstText("Color\n"), ConversionError);
}

TEST(FileNames, ExtensionsAndTheTypeChangeRule) {
  EXPECT_EQ(ExtractFileExt("C:\\lists\\my.list.cdt"), ".cdt");
  EXPECT_EQ(ExtractFileExt("/home/me.d/list"), "");
  EXPECT_EQ(ExtractFileExt("C:name"), "");
  EXPECT_EQ(NormalisedExt("/x/Sky.CDT  "), ".cdt");
  EXPECT_EQ(ExtractFileName("/a/b/colours.lst"), "colours.lst");
  EXPECT_EQ(ChangeFileExt("colours.lst", ".CDT"), "colours.CDT");
  EXPECT_EQ(ChangeFileExt("colours", ".CDT"), "colours.CDT");
  EXPECT_EQ(TypeChangeFileName("/home/me/mylist.cdt", ".htm"), "mylist.htm");
  EXPECT_EQ(TypeChangeFileName("/home/me/mylist", ".htm"), ".htm");
  EXPECT_EQ(TypeChangeFileName("", ".CDT"), ".CDT");
}

TEST(ColourListFiles, BinaryAndColourlessFilesAreNoLists) {
  const struct {
    std::string bytes;
    std::size_t entries;
    ListFileProblem problem;
  } cases[] = {
      {"", 0, ListFileProblem::None},  // an empty file is an empty list
      {"{Red}[FF0000]\r\n", 1, ListFileProblem::None},
      {"\r\n\r\n", 0, ListFileProblem::NoColours},
      {"just some words", 0, ListFileProblem::NoColours},
      {std::string("{A}[000000]\0", 12), 1, ListFileProblem::Binary},
      {std::string(4095, 'x') + '\0', 3, ListFileProblem::Binary},  // the last byte looked at
      {std::string(4096, 'x') + '\0', 3, ListFileProblem::None},    // beyond the first 4 KiB
  };
  for (const auto& c : cases) EXPECT_EQ(CheckListFile(c.bytes, c.entries), c.problem) << c.bytes.size();
}

}  // namespace
}  // namespace tintora
