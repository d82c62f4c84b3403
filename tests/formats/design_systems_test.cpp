// Names a design system's tools accept, and the Sass and Less files read as those tools write
// them.
#include "core/formats/design_systems.h"

#include "core/formats/list_formats.h"

#include <gtest/gtest.h>

#include "support/lists.h"
#include "support/printers.h"

namespace tintora {
namespace {

using E = std::vector<ColourEntry>;

TEST(DesignSystems, NamesAreLowerCaseWordsJoinedByHyphens) {
  const struct {
    const char *name, *made;
  } names[] = {
      {"Dark Blue", "dark-blue"}, {"darkBlue", "dark-blue"},  {"Crème Brûlée", "creme-brulee"},
      {"Straße", "strasse"},      {"Łódź  Ærø", "lodz-aero"}, {"  --red__500!!", "red-500"},
      {"500", "color-500"},       {"3d", "color-3d"},         {"", "color"},
      {"!!!", "color"},           {"media", "color-media"},  // Less would read "@media:" as its at-rule
      {"日本", "u65e5-u672c"},                               // no ASCII form: its code points
      {"Grün 日", "grun-u65e5"},
  };
  for (const auto& n : names) EXPECT_EQ(DesignName(n.name), n.made) << n.name;
  // Unique in their list: the second "Red" and the unnamed colour whose value names it.
  EXPECT_EQ(DesignNames(List({{"Red", "FF0000"}, {"red", "EE0000"}, {"", "ABCDEF"}, {"abcdef", "000000"}})),
            (std::vector<std::string>{"red", "red-2", "abcdef", "abcdef-2"}));
  // A name already taken by a numbered one is passed over; a whole list of one name is
  // numbered in one pass (the fuzzer's file of 200,000 "x"s took minutes counting up).
  EXPECT_EQ(DesignNames(List({{"red-2", "000000"}, {"red", "FF0000"}, {"red", "EE0000"}, {"red", "DD0000"}})),
            (std::vector<std::string>{"red-2", "red", "red-3", "red-4"}));
  const std::vector<std::string> many = DesignNames(List(std::vector<ColourEntry>(200000, {"x", "000000"})));
  EXPECT_EQ(many.back(), "x-200000");
}

TEST(DesignSystems, WritersWriteWhatTheToolsRead) {
  const ColourList list = List({{"Brand Blue", "3366CC"}, {"palette", "FFFFFF"}});
  EXPECT_EQ(WriteTailwind(list).bytes,
            "@theme {\n  --color-brand-blue: #3366cc;\n  --color-palette: #ffffff;\n}\n");
  // The map keeps clear of a colour of the same name.
  EXPECT_EQ(WriteScss(list, "").bytes,
            "$brand-blue: #3366cc;\n$palette: #ffffff;\n\n$palette-colors: (\n  \"brand-blue\": #3366cc,\n"
            "  \"palette\": #ffffff,\n);\n");
  EXPECT_EQ(WriteLess(list).bytes, "@brand-blue: #3366cc;\n@palette: #ffffff;\n");
  EXPECT_FALSE(WriteLess(ColourList()).Ok());
  // A theme read as what it was written as: its custom properties.
  EXPECT_EQ(ReadListFile(ListFormat::Tailwind, WriteTailwind(list).bytes).entries,
            (E{{"color-brand-blue", "3366CC"}, {"color-palette", "FFFFFF"}}));
}

TEST(DesignSystems, SassAndLessAreReadAsTheirToolsWriteThem) {
  const ListReadResult sass = ReadScss(
      "// brand\n$primary: #3366cc !default;\n$space: 4px;\n/* $old: red; */\n$accent:rgb(255 0 0);\n"
      "$map: (\"a\": #000000);\n.x { $local: blue; }\n$lighter: lighten($primary, 10%);\n");
  EXPECT_EQ(sass.entries, (E{{"primary", "3366CC"}, {"accent", "FF0000"}}));
  const ListReadResult less =
      ReadLess("@import \"x.less\";\n@base: #f04615;\n@width: 10px;\n@media: hsl(0 0% 0%);\n");
  EXPECT_EQ(less.entries, (E{{"base", "F04615"}, {"media", "000000"}}));
  EXPECT_EQ(ReadLess("@width: 10px;").status, ListReadResult::Status::Refused);
}

}  // namespace
}  // namespace tintora
