#include "core/list/colour_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <functional>
#include <optional>

#include "core/colour/hsv.h"
#include "core/formats/cdt.h"
#include "core/list/name_filter.h"
#include "core/list/undo_history.h"
#include "support/lists.h"
#include "support/printers.h"

namespace tintora {
namespace {

ColourList Make(std::initializer_list<ColourEntry> entries) {
  ColourList l;
  for (const auto& e : entries) l.Append(e);
  return l;
}

std::vector<std::string> Names(const ColourList& l) {
  std::vector<std::string> out;
  for (const auto& e : l.Entries()) out.push_back(e.name);
  return out;
}

using V = std::vector<std::string>;

std::string UpperAscii(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// Each entry's colour is read when it comes in or its value changes, and follows it through
// every change of order: what the list hands out for drawing is always its value's colour.
TEST(ColourList, EachEntryKeepsItsValuesColourThroughEveryChange) {
  ColourList l;
  const auto agrees = [&l](const char* after) {
    for (std::size_t i = 0; i < l.Count(); ++i)
      EXPECT_EQ(l.ColourAt(i), Rgb8::OfHex(l.At(i).value)) << after << ", entry " << i;
  };
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"append",
       [&] {
         l.Append(ColourEntry{"a", "FF0000"});
       }},
      {"append several",
       [&] {
         l.Append(std::vector<ColourEntry>{{"b", "00ff00"}, {"c", "no colour"}});
       }},
      {"insert",
       [&] {
         l.Insert(1, {"d", "123456"});
       }},
      {"move", [&] { l.Move(0, 3); }},
      {"sort", [&] { l.Sort(SortKey::Hue); }},
      {"remove", [&] { l.Remove({1}); }},
      {"web-safe", [&] { l.ConvertToWebSafe(); }},
      {"replace",
       [&] {
         l.Replace({{"e", "abcdef"}, {"f", "#abcdef"}});
       }},
  };
  for (const auto& [after, change] : changes) {
    change();
    agrees(after);
  }
  EXPECT_EQ(l.ColourAt(0), (Rgb8{0xAB, 0xCD, 0xEF}));
  EXPECT_EQ(l.ColourAt(1), std::nullopt);
}

TEST(Rgb8, ReadsSixHexDigitsAndWritesThemBack) {
  const struct {
    const char* text;
    std::optional<Rgb8> colour;
  } rows[] = {
      {"3366cc", Rgb8{0x33, 0x66, 0xCC}}, {"00FF80", Rgb8{0, 255, 128}},
      {"#3366CC", std::nullopt},          {"3366C", std::nullopt},
      {"3366CG", std::nullopt},           {"", std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Rgb8::OfHex(row.text), row.colour) << row.text;
    if (row.colour) {
      EXPECT_EQ(row.colour->Hex(), UpperAscii(row.text));
    }
  }
  // The program's older value (red in the low byte) and the packed 0xRRGGBB.
  constexpr Rgb8 c{0x12, 0x34, 0x56};
  EXPECT_EQ(c.Value(), 0x563412);
  EXPECT_EQ(Rgb8::Of(c.Value()), c);
  EXPECT_EQ(c.Packed(), 0x123456u);
  // Ordered as the text sorts, and hashed as it is.
  EXPECT_LT((Rgb8{0x12, 0xFF, 0xFF}), (Rgb8{0x13, 0, 0}));
  EXPECT_LT((Rgb8{0x12, 0x34, 0x55}), c);
  EXPECT_EQ(std::hash<Rgb8>{}(c), std::hash<Rgb8>{}(Rgb8::Of(c.Value())));
}

TEST(ColourList, RemovingSelectionsKeepsTheRestInOrder) {
  ColourList l = Make({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}});
  l.Remove({3, 1, 3});
  EXPECT_EQ(Names(l), V({"a", "c", "e"}));
  EXPECT_EQ(l.At(1).value, "3");
  l.Remove({0, 99});
  EXPECT_EQ(Names(l), V({"c", "e"}));
}

TEST(ColourList, MovingTakesTheEntryOutAndPutsItBack) {
  ColourList l = Make({{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}});
  l.Move(0, 2);
  EXPECT_EQ(Names(l), V({"b", "c", "a", "d"}));
  l.Move(3, 0);
  EXPECT_EQ(Names(l), V({"d", "b", "c", "a"}));
  l.Move(1, 10);  // beyond the end: to the end
  EXPECT_EQ(Names(l), V({"d", "c", "a", "b"}));
}

TEST(ColourList, SortsAscendByEachKey) {
  ColourList l = Make({{"b", "0000FF"}, {"A", "FF0000"}, {"c", "00FF00"}});
  l.Sort(SortKey::Alphabetical);
  EXPECT_EQ(Names(l), V({"A", "b", "c"}));
  l.Sort(SortKey::HexValue);
  EXPECT_EQ(Names(l), V({"b", "c", "A"}));  // 0000FF, 00FF00, FF0000
  l.Sort(SortKey::Hue);
  EXPECT_EQ(Names(l), V({"A", "c", "b"}));  // red 0, green 120, blue 240
}

TEST(ColourList, EqualKeysFallBackToTheNextKey) {
  // Same hue (0): saturation decides, then vibrance.
  ColourList l = Make({{"dark", "800000"}, {"pale", "FF8080"}, {"full", "FF0000"}, {"grey", "808080"}});
  l.Sort(SortKey::Hue);
  EXPECT_EQ(Names(l), V({"grey", "pale", "dark", "full"}));
  l.Sort(SortKey::Intensity);  // vibrance, then hue, then saturation
  EXPECT_EQ(Names(l), V({"grey", "dark", "pale", "full"}));
  l.Sort(SortKey::Saturation);  // saturation, then hue, then vibrance
  EXPECT_EQ(Names(l), V({"grey", "pale", "dark", "full"}));
}

// The colour sorts against their definition: levels compared as numbers, key by key, equal
// colours and non-colours keeping their places. The colours include the closest hues and
// saturations 8-bit components can give (fractions over 252 to 255 next to each other).
TEST(ColourList, ColourSortsMatchComparingTheLevelsThemselves) {
  std::vector<ColourEntry> entries;
  auto add = [&](int r, int g, int b) {
    char hex[7];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", r, g, b);
    entries.push_back({std::to_string(entries.size()), hex});
  };
  for (int r : {252, 253, 254, 255})
    for (int b : {0, 1})
      for (int g = 0; g < 256; ++g) add(r, g, b), add(g, b, r);
  std::uint32_t seed = 12345;
  for (int i = 0; i < 20000; ++i) {
    seed = seed * 1664525 + 1013904223;
    add(seed >> 24, (seed >> 16) & 0xFF, (seed >> 8) & 0x03);  // many equal hues and repeats
  }
  entries.push_back({"not a colour", "zz"});
  entries.insert(entries.begin() + 100, {"neither", ""});
  using Levels = std::array<long double, 3>;
  const struct {
    SortKey key;
    std::array<int, 3> order;  // of hue 0, saturation 1, vibrance 2
  } sorts[] = {{SortKey::Hue, {0, 1, 2}}, {SortKey::Intensity, {2, 0, 1}}, {SortKey::Saturation, {1, 0, 2}}};
  for (const auto& sort : sorts) {
    std::vector<std::pair<std::optional<Levels>, std::string>> expected;
    for (const ColourEntry& e : entries) {
      std::optional<Levels> k;
      if (e.value.size() == 6 && e.value != "zz") {
        const Levels levels = {RGBHexToHue(e.value), RGBHexToSaturation(e.value), RGBHexToVibrance(e.value)};
        k = Levels{levels[sort.order[0]], levels[sort.order[1]], levels[sort.order[2]]};
      }
      expected.emplace_back(k, e.name);
    }
    std::stable_sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
      if (!a.first || !b.first) return a.first.has_value() && !b.first.has_value();
      return *a.first < *b.first;
    });
    ColourList l = List(entries);
    l.Sort(sort.key);
    std::vector<std::string> want;
    for (const auto& e : expected) want.push_back(e.second);
    EXPECT_EQ(Names(l), want) << "sorted by key " << static_cast<int>(sort.key);
  }
  // By value: as upper-case text, whether every value is a colour or not.
  for (ColourEntry& e : entries)
    if (e.name.size() % 2) std::transform(e.value.begin(), e.value.end(), e.value.begin(), ::tolower);
  std::vector<ColourEntry> colours = entries;
  std::erase_if(colours, [](const ColourEntry& e) { return e.value.size() != 6 || e.value == "zz"; });
  for (const auto& some : {entries, colours}) {
    std::vector<ColourEntry> expected = some;
    auto upper = [](std::string t) {
      std::transform(t.begin(), t.end(), t.begin(), ::toupper);
      return t;
    };
    std::stable_sort(expected.begin(), expected.end(), [&](const ColourEntry& x, const ColourEntry& y) {
      return upper(x.value) < upper(y.value);
    });
    ColourList l = List(some);
    l.Sort(SortKey::HexValue);
    EXPECT_EQ(l.Entries(), expected) << some.size() << " entries";
  }
}

TEST(ColourList, HexSortIgnoresLetterCaseAndNonColoursGoLast) {
  ColourList l = Make({{"x", "ff0000"}, {"bad", "zz"}, {"y", "0A0000"}, {"z", "EE0000"}});
  l.Sort(SortKey::HexValue);
  EXPECT_EQ(Names(l), V({"y", "z", "x", "bad"}));
  l.Sort(SortKey::Hue);
  EXPECT_EQ(l.At(3).name, "bad");  // cannot be placed by colour: last, names and values together
  EXPECT_EQ(l.At(3).value, "zz");
}

TEST(ColourList, WebSafeConversionKeepsNamesAndSkipsNonColours) {
  ColourList l = Make({{"123456", "123456"}, {"o", "FF8000"}, {"w", "3366CC"}, {"odd", "nope"}});
  l.ConvertToWebSafe();
  EXPECT_EQ(l.At(0).value, "003366");
  EXPECT_EQ(l.At(0).name, "123456");
  EXPECT_EQ(l.At(1).value, "FF9900");
  EXPECT_EQ(l.At(2).value, "3366CC");
  EXPECT_EQ(l.At(3).value, "nope");
}

TEST(ColourList, CdtTextAndHtmlComment) {
  ColourList l = Make({{"Red", "FF0000"}, {"Sky", "87CEEB"}});
  EXPECT_EQ(ParseDataForCDTFile(l), "{Red}[FF0000]\r\n{Sky}[87CEEB]\r\n");
  EXPECT_EQ(HtmlCommentLines(l), V({"<!--", "\"FF0000\" = Red", "\"87CEEB\" = Sky", "//-->"}));
  EXPECT_EQ(ParseDataForCDTFile(ColourList()), "");
}

TEST(ColourNameFilter, ReplacesTheTypedCharacter) {
  const struct {
    const char* text;
    int caret;
    const char* out;
  } cases[] = {
      {"a[", 2, "a("},
      {"a{", 2, "a("},
      {"a]", 2, "a)"},
      {"a}", 2, "a)"},
      {"a,", 2, "a "},
      {"a'", 2, "a "},
      {"a<", 2, "a "},
      {"a>", 2, "a "},
      {"a\xC3\xA9", 2, "a "},
      {"a\t", 2, "a "},
      {"a\r", 2, "a\r"},
      {"ab", 2, "ab"},
      {"[b", 2, "[b"},  // only the character left of the caret
      {"", 0, ""},
      {"x(", 2, "x("},
      // The code page's upper half goes (Latin-1, the euro, C1 controls); what lies beyond it stays.
      {"a\xE2\x82\xAC", 2, "a "},                     // euro sign, 0x80 in the code page
      {"a\xC2\x85", 2, "a "},                         // NEL, a C1 control
      {"a\xCE\xA9", 2, "a\xCE\xA9"},                  // Greek capital omega
      {"a\xE4\xB8\xAD", 2, "a\xE4\xB8\xAD"},          // CJK
      {"a\xE2\x98\x85", 2, "a\xE2\x98\x85"},          // a black star
      {"a\xF0\x9F\x8E\xA8", 2, "a\xF0\x9F\x8E\xA8"},  // beyond the first plane: an artist palette
  };
  for (const auto& c : cases) {
    const EditFilterResult r = ColourNameFilter(c.text, c.caret);
    EXPECT_EQ(r.text, c.out) << c.text;
    EXPECT_EQ(r.caret, c.caret);
    EXPECT_EQ(r.changed, std::string(c.text) != c.out);
  }
}

TEST(CustomColours, SlotsAreAppendedInOrderUnderTheirKeys) {
  CustomColourSlots slots{};
  EXPECT_FALSE(AnyCustomColour(slots));
  EXPECT_EQ(CustomSlotText(slots[0]), "FFFFFFFF");
  slots[0] = Rgb8{255, 255, 255};  // white counts as a colour
  EXPECT_TRUE(AnyCustomColour(slots));
  EXPECT_EQ(CustomColourEntries(slots), std::vector<ColourEntry>({{"ColorA", "FFFFFF"}}));
  slots[0].reset();
  slots[0] = Rgb8{255, 0, 0};
  slots[2] = Rgb8{0x12, 0x34, 0x56};
  slots[3] = Rgb8{0, 0, 255};
  EXPECT_EQ(CustomSlotKey(15), "ColorP");
  EXPECT_EQ(CustomColourEntries(slots),
            std::vector<ColourEntry>({{"ColorA", "FF0000"}, {"ColorC", "123456"}, {"ColorD", "0000FF"}}));
}

// Lists named by one letter each: "abc" is three entries a, b, c.
std::vector<ColourEntry> L(const std::string& letters) {
  std::vector<ColourEntry> l;
  for (char c : letters) l.push_back({std::string(1, c), "0000" + std::string(2, c)});
  return l;
}

TEST(UndoHistory, WalksBackAndForthAndANewChangeDropsTheRedoSteps) {
  UndoHistory h;
  std::vector<ColourEntry> list;  // the list the user sees
  const auto change = [&](const std::string& to) {
    h.Record(list);
    list = L(to);
  };
  const auto undo = [&] {
    if (auto back = h.Undo(list)) list = *back;
  };
  const auto redo = [&] {
    if (auto forward = h.Redo(list)) list = *forward;
  };
  change("a");
  change("ab");
  change("ba");
  const struct {
    std::function<void()> step;
    std::string list;
    std::size_t undos, redos;
  } walk[] = {
      {undo, "ab", 2, 1},  {undo, "a", 1, 2},  {undo, "", 0, 3},
      {undo, "", 0, 3},  // nothing left
      {redo, "a", 1, 2},   {redo, "ab", 2, 1}, {[&] { change("abc"); }, "abc", 3, 0},
      {redo, "abc", 3, 0}, {undo, "ab", 2, 1},
  };
  for (const auto& w : walk) {
    w.step();
    EXPECT_EQ(list, L(w.list));
    EXPECT_EQ(h.UndoSteps(), w.undos) << w.list;
    EXPECT_EQ(h.RedoSteps(), w.redos) << w.list;
  }
  h.Clear();
  EXPECT_EQ(h.BytesHeld(), 0u);
  EXPECT_FALSE(h.Undo(list));
}

TEST(UndoHistory, KeepsEveryByteOfNamesAndValues) {
  const std::vector<ColourEntry> odd = {{std::string("nul\0inside", 10), "123456"},
                                        {"", ""},
                                        {"caf\xC3\xA9 \xF0\x9F\x8E\xA8", "rgb(1 2 3)"},
                                        {"{braces}[x]", std::string(300, 'F')}};
  UndoHistory h;
  h.Record(odd);
  EXPECT_EQ(h.Undo({}), odd);
  EXPECT_EQ(h.Redo(odd), std::vector<ColourEntry>{});
}

TEST(UndoHistory, OldestStepsGoFirstPastTheStepOrByteLimit) {
  const std::vector<ColourEntry> big(1000, {"a name of some length", "ABCDEF"});
  const struct {
    std::size_t maxSteps, budget, recorded, kept;
  } cases[] = {
      {3, 1u << 30, 5, 3},  // by count
      {200, 1u << 30, 150, 150},
      {200, 80'000, 5, 2},  // each step is about 35 kB
      {200, 1000, 4, 1},    // larger than the budget: the newest still stays
  };
  for (const auto& c : cases) {
    UndoHistory h(c.maxSteps, c.budget);
    for (std::size_t i = 0; i < c.recorded; ++i) {
      std::vector<ColourEntry> step = big;
      step[0].name = std::to_string(i);
      h.Record(step);
    }
    EXPECT_EQ(h.UndoSteps(), c.kept) << c.maxSteps << " " << c.budget;
    EXPECT_TRUE(h.BytesHeld() <= c.budget || c.kept == 1);
    // The newest step is the one kept: it comes back first.
    EXPECT_EQ(h.Undo({})->at(0).name, std::to_string(c.recorded - 1));
  }
}

TEST(UndoHistory, AChangeThatChangedNothingIsPassedOver) {
  UndoHistory h;
  h.Record(L("ab"));
  h.Record(L("ba"));  // then a sort that left "ba" as it was
  EXPECT_EQ(h.Undo(L("ba")), L("ab"));
  EXPECT_FALSE(h.Undo(L("ab")));  // only the same list is left, passed over too
}

}  // namespace
}  // namespace tintora
