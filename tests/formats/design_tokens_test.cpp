// Design tokens as design tools write them: groups, inherited types, aliases, every colour
// space, and what a file Tintora wrote gives back.
#include "core/formats/design_tokens.h"

#include <gtest/gtest.h>

#include "support/lists.h"
#include "support/printers.h"

namespace tintora {
namespace {

using E = std::vector<ColourEntry>;
using Status = ListReadResult::Status;

TEST(DesignTokens, ATintoraFileGivesBackItsNamesExactly) {
  const ColourList list = List(
      {{"Brand.Blue", "3366CC"}, {"red", "FF0000"}, {"red", "EE0000"}, {"$money", "00AA00"}, {"", "ABCDEF"}});
  const ListWriteResult written = WriteDesignTokens(list, "My Palette");
  ASSERT_TRUE(written.Ok());
  // Kebab-case names, so none with "." or braces or a "$" first, unique; 8-bit exact hex.
  for (const char* part :
       {"\"my-palette\": {", "\"$type\": \"color\"", "\"brand-blue\": {", "\"red-2\": {", "\"money\": {",
        "\"abcdef\": {", "\"components\": [0.2, 0.4, 0.8], \"hex\": \"#3366cc\"", "\"components\": [1, 0, 0]",
        "\"org.tintora\": {\"name\": \"Brand.Blue\"}", "\"org.tintora\": {\"name\": \"My Palette\"}"})
    EXPECT_NE(written.bytes.find(part), std::string::npos) << part << "\n" << written.bytes;
  const ListReadResult back = ReadDesignTokens(written.bytes);
  EXPECT_EQ(back.entries, list.Entries());
  EXPECT_EQ(back.title, "My Palette");
}

TEST(DesignTokens, FilesOfDesignToolsAreReadWhole) {
  const ListReadResult r = ReadDesignTokens(R"({
    "brand": {
      "$type": "color",
      "primary": {"$value": {"colorSpace": "oklch", "components": [0.628, 0.2577, 29.23]}},
      "accent": {"$value": "{brand.primary}"},
      "link": {"$value": "{brand.accent}"},
      "muted": {"$value": {"colorSpace": "hsl", "components": ["none", 0, 50]}},
      "p3": {"$value": {"colorSpace": "display-p3", "components": [0, 1, 0]}},
      "old": {"$value": "#3366cc"},
      "nested": {"deep": {"$value": {"colorSpace": "srgb", "components": [0, 0, 1], "hex": "#0000ff"}}}
    },
    "spacing": {"$type": "dimension", "small": {"$value": {"value": 4, "unit": "px"}}},
    "loose": {"$type": "color", "$value": {"colorSpace": "srgb", "components": [1e308, -1e308, 0.5]}},
    "typed": {"$value": {"colorSpace": "lab", "components": [50, 0, 0]}, "$type": "color"}
  })");
  ASSERT_EQ(r.status, Status::Read) << r.reason;
  EXPECT_EQ(r.entries, (E{{"brand.primary", "FF0000"},
                          {"brand.accent", "FF0000"},
                          {"brand.link", "FF0000"},
                          {"brand.muted", "808080"},
                          {"brand.p3", "00FB29"},  // gamut-mapped, as CSS maps it
                          {"brand.old", "3366CC"},
                          {"brand.nested.deep", "0000FF"},
                          {"loose", r.entries.at(7).value},  // read, whatever such numbers make
                          {"typed", "777777"}}));
  ASSERT_EQ(r.notices.size(), 1u);
  EXPECT_EQ(r.notices[0].text, "1 token that is not a colour passed over.");
}

TEST(DesignTokens, BrokenFilesAreRefusedWithTheReason) {
  std::string deep;
  for (int i = 0; i < 100; ++i) deep += "{\"g\":";
  deep += "1" + std::string(100, '}');
  std::string chain = R"({"t0": {"$type": "color", "$value": "#102030"})";
  for (int i = 1; i <= 100; ++i)
    chain += ", \"t" + std::to_string(i) + "\": {\"$value\": \"{t" + std::to_string(i - 1) + "}\"}";
  chain += "}";
  const struct {
    const char* what;
    std::string text;
    const char* reason;
  } files[] = {
      {"a cycle", R"({"a": {"$type": "color", "$value": "{b}"}, "b": {"$value": "{a}"}})",
       "lead back to themselves"},
      {"an alias to nowhere", R"({"a": {"$type": "color", "$value": "{x.y}"}})", "{x.y}"},
      {"not JSON", "{\"a\": ", "not a JSON object"},
      {"an array", "[1, 2]", "not a JSON object"},
      {"no colours", R"({"s": {"$type": "dimension", "$value": "4px"}})", "no colour tokens"},
      {"nested too deep", deep, "nest"},
      {"a chain too long", chain, "more than 64 aliases"},
  };
  for (const auto& f : files) {
    const ListReadResult r = ReadDesignTokens(f.text);
    EXPECT_EQ(r.status, Status::Refused) << f.what;
    EXPECT_NE(r.reason.find(f.reason), std::string::npos) << f.what << ": " << r.reason;
  }
}

}  // namespace
}  // namespace tintora
