#include "core/formats/list_formats.h"

#include "core/formats/design_systems.h"

#include <bit>
#include <cctype>
#include <cmath>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "core/formats/ase.h"
#include "core/formats/css.h"
#include "core/formats/design_systems.h"
#include "core/formats/gpl.h"
#include "support/lists.h"
#include "support/printers.h"

namespace tintora {
namespace {

using namespace std::string_literals;
using E = std::vector<ColourEntry>;
using Status = ListReadResult::Status;

std::string DataFile(const std::string& name) {
  std::ifstream in(std::string(TINTORA_TEST_DATA) + "/formats/" + name, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

const E kMixed = {
    {"Red", "FF0000"},
    {"Caf\xC3\xA9 au lait", "6F4E37"},        // Windows-1252 covers it
    {"\xE6\x97\xA5\xE6\x9C\xAC", "0080FF"},   // beyond Windows-1252
    {"\xF0\x9F\x98\x80 smile", "123456"},     // beyond the first UTF-16 plane
    {"", "ABCDEF"},                           // no name
    {"a & b <c> \"d\" it's; [x]", "000000"},  // characters with a meaning in some format
    {"White", "FFFFFF"},
};

// How a format gives the names back: as written, or (where it has no names, or names an
// unnamed colour by its value) by value, or as a design system's names ("cafe-au-lait").
enum class Names { Kept, EmptyByValue, AllByValue, Design };

Names NamesOf(ListFormat f) {
  switch (f) {
    case ListFormat::Cdt:
    case ListFormat::Txt:
    case ListFormat::Html:
    case ListFormat::Ase:
    case ListFormat::DesignTokens:
      return Names::Kept;
    case ListFormat::Act:
    case ListFormat::Procreate:
    case ListFormat::PaintNet:
    case ListFormat::HexList:
      return Names::AllByValue;
    case ListFormat::Tailwind:
    case ListFormat::Scss:
    case ListFormat::Less:
      return Names::Design;
    default:
      return Names::EmptyByValue;
  }
}

// The name an entry comes back with from a file of a format.
std::string NameBack(ListFormat f, const ColourEntry& e) {
  switch (NamesOf(f)) {
    case Names::Kept:
      break;
    case Names::AllByValue:
      return e.value;
    case Names::EmptyByValue:
      return e.name.empty() ? e.value : e.name;
    case Names::Design: {
      std::string value = e.value;
      for (char& c : value) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      return (f == ListFormat::Tailwind ? "color-" : "") + DesignName(e.name.empty() ? value : e.name);
    }
  }
  return e.name;
}

// The format a written file is read back as: its extension's.
ListFormat ReaderOf(ListFormat f) {
  return f == ListFormat::AcoV0      ? ListFormat::Aco
         : f == ListFormat::PaintNet ? ListFormat::Txt
         : f == ListFormat::Tailwind ? ListFormat::Css
                                     : f;
}

TEST(ListFormats, EveryWriterReadsBackToTheSameList) {
  for (const ListFormatInfo& info : ListFormats()) {
    if (!info.writes) continue;
    const ListWriteResult written = WriteListFile(info.format, List(kMixed));
    ASSERT_TRUE(written.Ok()) << info.description << ": " << written.error;
    const ListFormat reader = ReaderOf(info.format);
    EXPECT_EQ(FormatOfPath("x" + std::string(info.extension)), reader);
    EXPECT_EQ(FormatOfKey(info.key), info.format);
    const ListReadResult back = ReadListFile(reader, written.bytes);
    EXPECT_EQ(back.status, Status::Read) << info.description;
    E expected = kMixed;
    for (ColourEntry& e : expected) e.name = NameBack(info.format, e);
    EXPECT_EQ(back.entries, expected) << info.description;
  }
}

// The palette's own name and grid come back from the formats that keep them.
TEST(ListFormats, TheSavedNameAndItsTypeNeverDisagree) {
  using F = ListFormat;
  const struct {
    const char* typed;
    F chosen;
    bool byHand;
    const char* path;
    F format;
    std::optional<F> conflict;
  } cases[] = {
      {"/d/typed-ext.gpl", F::Cdt, false, "/d/typed-ext.gpl", F::Gpl, {}},  // the name decides
      {"/d/day", F::Gpl, true, "/d/day.gpl", F::Gpl, {}},                   // no extension: the type's
      {"/d/day.colours", F::Cdt, false, "/d/day.colours.cdt", F::Cdt, {}},  // unknown: the type's added
      {"/d/x.gpl", F::Ase, true, "/d/x.gpl", F::Ase, F::Gpl},               // picked by hand: asked
      {"/d/X.HTML", F::Cdt, false, "/d/X.HTML", F::Html, {}},
      {"/d/x.htm", F::Html, true, "/d/x.htm", F::Html, {}},
      {"/d/v0.aco", F::AcoV0, true, "/d/v0.aco", F::AcoV0, {}},  // the chosen type has the extension
      {"/d/v.aco", F::Cdt, false, "/d/v.aco", F::Aco, {}},       // versions 1 and 2, as a read takes it
      {"/d/p.txt", F::PaintNet, true, "/d/p.txt", F::PaintNet, {}},
      {"/d/c.txt", F::Cdt, false, "/d/c.txt", F::Txt, {}},
      {"/d/old.lst", F::Cdt, false, "/d/old.lst.cdt", F::Cdt, {}},  // read, never written
      {"/d.v2/list", F::HexList, false, "/d.v2/list.hex", F::HexList, {}},
  };
  for (const auto& c : cases) {
    const SaveTarget t = SaveTargetOf(c.typed, c.chosen, c.byHand);
    EXPECT_EQ(t.path, c.path) << c.typed;
    EXPECT_EQ(t.format, c.format) << c.typed;
    EXPECT_EQ(t.conflict, c.conflict) << c.typed;
  }
}

TEST(ListFormats, TitlesAndColumnsComeBackWhereTheFormatKeepsThem) {
  const struct {
    ListFormat format;
    bool columns;
  } keepers[] = {{ListFormat::Gpl, true},
                 {ListFormat::Kpl, true},
                 {ListFormat::ScribusXml, false},
                 {ListFormat::Procreate, false}};
  for (const auto& k : keepers) {
    SCOPED_TRACE(InfoOf(k.format).description);
    const ListWriteResult written = WriteListFile(k.format, List(kMixed), {{}, "Caf\xC3\xA9 <b> & co", 6});
    ASSERT_TRUE(written.Ok()) << written.error;
    const ListReadResult back = ReadListFile(k.format, written.bytes);
    EXPECT_EQ(back.title, "Caf\xC3\xA9 <b> & co");
    EXPECT_EQ(back.columns, k.columns ? 6 : 0);
  }
}

// Names other programs may write that would break a list file's lines or fields.
const E kHostile = {
    {"Gr\0een"s, "00FF00"}, {"a\r\nb", "0000FF"},         {"red}[00FF00]", "FF0000"},
    {"{x}", "010203"},      {"tab\there\x7F!", "040506"}, {"c1\xC2\x85x\xC2\x9F.", "070809"},
};
// The same names as the list holds them once read.
const E kHostileInTheList = {
    {"Gr een", "00FF00"},
    {"a  b", "0000FF"},
    {"red\xEF\xBD\x9D[00FF00]", "FF0000"},
    {"\xEF\xBD\x9Bx\xEF\xBD\x9D", "010203"},
    {"tab here !", "040506"},
    {"c1 x .", "070809"},
};

TEST(ListFormats, NamesThatWouldBreakAFileSurviveEveryWriterWithTheirColours) {
  EXPECT_EQ(ListName("plain \xE6\x97\xA5"), "plain \xE6\x97\xA5");
  // Every control character is a blank, the last of the C0 set as much as the first.
  for (char c = 1; c < 0x20; ++c) EXPECT_EQ(ListName(std::string("a") + c + "b"), "a b") << int{c};
  for (std::size_t i = 0; i < kHostile.size(); ++i)
    EXPECT_EQ(ListName(kHostile[i].name), kHostileInTheList[i].name);
  for (const ListFormatInfo& info : ListFormats()) {
    if (!info.writes) continue;
    SCOPED_TRACE(info.description);
    const ListWriteResult written = WriteListFile(info.format, List(kHostile), {{}, "my\npalette"});
    ASSERT_TRUE(written.Ok()) << written.error;
    const ListReadResult back = ReadListFile(ReaderOf(info.format), written.bytes);
    EXPECT_EQ(back.status, Status::Read);
    ASSERT_EQ(back.entries.size(), kHostile.size());
    for (std::size_t i = 0; i < kHostile.size(); ++i) {
      EXPECT_EQ(back.entries[i].value, kHostile[i].value);
      EXPECT_EQ(back.entries[i].name, NameBack(info.format, kHostileInTheList[i]));
    }
    EXPECT_EQ(back.title.find('\n'), std::string::npos);
    // The palette's title never brings a line of its own.
    EXPECT_EQ(written.bytes.find("my\npalette"), std::string::npos);
  }
}

TEST(ListFormats, NamesReadFromAnyFileEnterTheListFiltered) {
  const ListReadResult ase = ReadListFile(ListFormat::Ase, WriteAse(List({{"Gr\0een"s, "00FF00"}})).bytes);
  ASSERT_EQ(ase.entries, E({{"Gr een", "00FF00"}}));
  // Saved as the program's own list, it opens again.
  const ListReadResult cdt =
      ReadListFile(ListFormat::Cdt, WriteListFile(ListFormat::Cdt, List(ase.entries)).bytes);
  EXPECT_EQ(cdt.status, Status::Read);
  EXPECT_EQ(cdt.entries, ase.entries);
  EXPECT_EQ(ReadListFile(ListFormat::Gpl, "GIMP Palette\n1 2 3 tab\tin {name}\n").entries,
            E({{"tab in \xEF\xBD\x9Bname\xEF\xBD\x9D", "010203"}}));
  // A value that is no colour cannot break a list file either.
  const E odd = ReadListFile(ListFormat::Txt, "$x]y\x01[: NumericValue := 'n';\r\n").entries;
  ASSERT_EQ(odd, E({{"n", "x\xEF\xBC\xBDy \xEF\xBC\xBB"}}));
  EXPECT_EQ(ReadListFile(ListFormat::Cdt, WriteListFile(ListFormat::Cdt, List(odd)).bytes).entries, odd);
}

TEST(ListFormats, ACdtFileEndingInsideItsLastEntryIsCutShort) {
  const struct {
    std::string text;
    Status status;
    std::size_t entries;
  } cases[] = {
      {"{Red}[FF0000]\r\n{Green}[", Status::Cut, 1},
      {"{Red}[FF0000]\r\n{Green}[]", Status::Cut, 1},
      {"{Red}[FF0000]\r\n{Green}[]\r\n", Status::Read, 2},  // a whole line: the entry as written
      {"{Red}[FF0000]\r\n{Green}[00FF", Status::Cut, 1},
      {"{Red}[FF0000]\r\n{Gre", Status::Cut, 1},
      {"{Green}[", Status::Cut, 0},
      {"{Red}[FF0000]", Status::Read, 1},               // no final line break: still whole
      {"{x}[]\r\n{Red}[FF0000]\r\n", Status::Read, 2},  // an empty value inside is an entry
  };
  for (const auto& c : cases) {
    const ListReadResult r = ReadListFile(ListFormat::Cdt, c.text);
    EXPECT_EQ(r.status, c.status) << c.text;
    EXPECT_EQ(r.entries.size(), c.entries) << c.text;
  }
}

// Notepad's "Unicode": UTF-16 with a byte order mark, in either byte order.
std::string Utf16File(std::string_view ascii, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  return out;
}

TEST(ListFormats, Utf16TextFilesAreReadAsText) {
  const struct {
    ListFormat format;
    const char* text;
  } cases[] = {
      {ListFormat::Cdt, "{Red}[FF0000]\r\n"},
      {ListFormat::Lst, "Name=Red\r\nColor=$FF0000\r\n"},
      {ListFormat::Gpl, "GIMP Palette\r\n255 0 0 Red\r\n"},
      {ListFormat::Css, ":root { --Red: #f00; }"},
      {ListFormat::Txt, "$FF0000: NumericValue := 'Red';\r\n"},
      {ListFormat::Html,
       "<TD WIDTH=\"30\" BGCOLOR=\"FF0000\">&nbsp</TD><TD><FONT SIZE=\"4\">FF0000</FONT><BR><FONT "
       "SIZE=\"2\">Red</FONT></TD>"},
  };
  for (const auto& c : cases) {
    for (bool bigEndian : {false, true}) {
      const ListReadResult r = ReadListFile(c.format, Utf16File(c.text, bigEndian));
      EXPECT_EQ(r.status, Status::Read) << c.text << r.reason;
      EXPECT_EQ(r.entries, E({{"Red", "FF0000"}})) << c.text;
    }
  }
  EXPECT_EQ(ReadListFile(ListFormat::Cdt, "\xFF\xFE{\0"s + std::string(8, '\0')).reason,
            "is not a colour list: it holds binary data.");
}

TEST(ListFormats, WritersRefuseAnEmptyListAndTheNumberFormatsAValueThatIsNoColour) {
  const ColourList odd = List({{"fine", "FF0000"}, {"odd", "zz"}});
  for (const ListFormatInfo& info : ListFormats()) {
    if (!info.writes) continue;
    EXPECT_FALSE(WriteListFile(info.format, ColourList{}).Ok()) << info.description;
    const bool storesText =
        info.format == ListFormat::Cdt || info.format == ListFormat::Txt || info.format == ListFormat::Html;
    const ListWriteResult r = WriteListFile(info.format, odd);
    EXPECT_EQ(r.Ok(), storesText) << info.description;
    if (!storesText) {
      EXPECT_EQ(r.error, "Colour 2 (\"odd\") has the value \"zz\", which is not an RGB colour.");
    }
  }
  EXPECT_FALSE(WriteListFile(ListFormat::Lst, odd).Ok());
  EXPECT_EQ(WriteListFile(ListFormat::Txt, List({{"n", "a: NumericValue := 'b"}})).error,
            "Colour 1 (\"n\") has the value \"a: NumericValue := 'b\", which a case statement cannot hold.");
}

TEST(ListFormats, SmallFilesComeOutByteForByte) {
  const ColourList red = List({{"Red", "FF0000"}});
  EXPECT_EQ(WriteListFile(ListFormat::Act, red).bytes, "\xFF\x00\x00"s);
  EXPECT_EQ(WriteListFile(ListFormat::Act, List(kMixed)).bytes.size(), 3 * kMixed.size());
  EXPECT_EQ(WriteListFile(ListFormat::Txt, red).bytes, "$FF0000: NumericValue := 'Red';\r\n");
  EXPECT_EQ(WriteListFile(ListFormat::Gpl, red, {{}, "Warm"}).bytes,
            "GIMP Palette\nName: Warm\nColumns: 0\n#\n255   0   0\tRed\n");
  EXPECT_EQ(WriteListFile(ListFormat::Css, List({{"Red", "FF0000"}, {"sky blue", "87CEEB"}})).bytes,
            ":root {\n  --Red: #ff0000;\n  --sky\\ blue: #87ceeb;\n}\n");
  const ColourList three = List({{"Red", "FF0000"}, {"Yellow", "FFFF00"}, {"Navy", "000080"}});
  EXPECT_EQ(WriteListFile(ListFormat::Html, three, {{2, HtmlTableStyle::ConsecutiveText, true}, {}}).bytes,
            DataFile("three_consecutive_2_columns.htm"));
  EXPECT_EQ(WriteListFile(ListFormat::Html, three, {{4, HtmlTableStyle::TextOverlay, false}, {}}).bytes,
            DataFile("three_overlay_no_instructions.htm"));
}

TEST(HtmlTable, RowsHoldTheChosenNumberOfCells) {
  const E nine(9, {"c", "808080"});
  const std::vector<std::string> lines =
      HtmlTableLines(List(nine), {4, HtmlTableStyle::ConsecutiveText, false});
  std::vector<int> rows;
  for (const std::string& line : lines) {
    if (line == std::string(12, ' ') + "<TR>") rows.push_back(0);
    if (line.starts_with(std::string(15, ' ') + "<TD")) ++rows.back();
  }
  EXPECT_EQ(rows, std::vector<int>({4, 4, 1}));
  // Text on a swatch is black on bright colours, white on dark ones and on values that are no colour.
  const std::vector<std::string> overlay = HtmlTableLines(
      List(
          {{"y", "FFFF00"}, {"n", "000080"}, {"k", "000000"}, {"a", "A1A1A1"}, {"b", "A0A0A0"}, {"x", "zz"}}),
      {10, HtmlTableStyle::TextOverlay, false});
  std::string colours;
  for (const std::string& line : overlay)
    if (auto at = line.find("FONT COLOR=\""); at != std::string::npos)
      colours += line.substr(at + 12, 6) + " ";
  EXPECT_EQ(colours, "000000 FFFFFF FFFFFF 000000 FFFFFF FFFFFF ");
  EXPECT_TRUE(HtmlTableLines(ColourList{}, {}).empty());
}

TEST(HtmlTable, NamesAreWrittenAsHtmlText) {
  EXPECT_EQ(HtmlEscape("a<b>&\"c\" Caf\xC3\xA9 \xE6\x97\xA5\xF0\x9F\x98\x80"),
            "a&lt;b&gt;&amp;&quot;c&quot; Caf\xC3\xA9 &#26085;&#128512;");
  EXPECT_EQ(HtmlUnescape("&lt;&#26085;&#x1F600;&amp&bogus;&#0;&#xD800;"),
            "<\xE6\x97\xA5\xF0\x9F\x98\x80&amp&bogus;&#0;&#xD800;");
}

TEST(Gpl, ReadsThePalettesOtherProgramsWrite) {
  const struct {
    const char* what;
    std::string text;
    E entries;
  } cases[] = {
      {"tabs, comments, blank lines, CR LF",
       "GIMP Palette\r\nName: Test\r\nColumns: 4\r\n# comment\r\n\r\n255 0 0\tRed\r\n  0\t128   255   Sky "
       "blue  \r\n",
       {{"Red", "FF0000"}, {"Sky blue", "0080FF"}}},
      {"no name: named by value; GIMP's own \"Untitled\" is a name",
       "GIMP Palette\n1 2 3\n4 5 6 Untitled\n",
       {{"010203", "010203"}, {"Untitled", "040506"}}},
      {"an alpha channel", "GIMP Palette\nChannels: RGBA\n1 2 3 128 Half\n", {{"Half", "010203"}}},
      {"lines that are no colour are passed over",
       "GIMP Palette\n256 0 0 big\n1 2 x\n-1 0 0\n1 2\n10 20 30 ok\n",
       {{"ok", "0A141E"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadGpl(c.text).entries, c.entries) << c.what;
  // The header is kept: the name and the columns, written back from the list, not the file name.
  const ListReadResult header = ReadGpl("GIMP Palette\nName: Tango Icon Theme\nColumns: 3\n#\n1 2 3 a\n");
  EXPECT_EQ(header.title, "Tango Icon Theme");
  EXPECT_EQ(header.columns, 3);
  EXPECT_EQ(WriteGpl(List(header.entries), header.title, header.columns).bytes,
            "GIMP Palette\nName: Tango Icon Theme\nColumns: 3\n#\n  1   2   3\ta\n");
  EXPECT_EQ(ReadGpl("255 0 0 Red\n").status, Status::Refused);
  EXPECT_EQ(ReadListFile(ListFormat::Gpl, "GIMP Palette\n# nothing\n").reason, "holds no colours.");
}

TEST(Css, ReadsTheColoursOfCustomProperties) {
  const struct {
    const char* value;
    const char* hex;  // nullptr: no colour
  } values[] = {
      // Colour values are read by the colour module (tested there); the sheet adds these rules.
      {"#87CEEB80", "87CEEB"},
      {"oklch(62.796% 0.25768 29.234)", "FF0000"},
      {"red !important", "FF0000"},
      {"transparent", nullptr},
      {"100000", nullptr},
      {"var(--x)", nullptr},
      {"4px", nullptr},
      {"", nullptr},
  };
  for (const auto& v : values) {
    const auto hex = CssColour(v.value);
    EXPECT_EQ(hex.has_value(), v.hex != nullptr) << v.value;
    if (hex && v.hex) {
      EXPECT_EQ(*hex, v.hex) << v.value;
    }
  }
  const std::string sheet =
      "/* --commented: red; */\n"
      ":root{--brand:#0080ff;--gap: 4px; --accent : hsl(0 100% 50%) }\n"
      ".a--b { color: var(--brand); --nested: rgb(1, 2, 3); }\n"
      "@media (prefers-color-scheme: dark) { :root { --sky\\ blue: skyblue; --\\31 0: #000; --caf\xC3\xA9: "
      "white } }\n"
      "--outside: red";
  EXPECT_EQ(ReadCss(sheet).entries, E({{"brand", "0080FF"},
                                       {"accent", "FF0000"},
                                       {"nested", "010203"},
                                       {"sky blue", "87CEEB"},
                                       {"10", "000000"},
                                       {"caf\xC3\xA9", "FFFFFF"}}));
  // A bare list of declarations reads too.
  EXPECT_EQ(ReadCss("--a: red;\n--b:blue").entries, E({{"a", "FF0000"}, {"b", "0000FF"}}));
  EXPECT_EQ(CssUnescape(CssIdentifier("a b:c\td\\e")), "a b:c\td\\e");
}

// An ASE block: its type, then its length and content.
std::string Block(std::uint16_t type, const std::string& body) {
  std::string out{static_cast<char>(type >> 8), static_cast<char>(type & 0xFF)};
  for (int k = 3; k >= 0; --k) out += static_cast<char>((body.size() >> (8 * k)) & 0xFF);
  return out + body;
}
std::string Floats(std::initializer_list<float> values) {
  std::string out;
  for (float f : values) {
    const auto bits = std::bit_cast<std::uint32_t>(f);
    for (int k = 3; k >= 0; --k) out += static_cast<char>((bits >> (8 * k)) & 0xFF);
  }
  return out;
}
std::string Colour(const std::string& model, std::initializer_list<float> values) {
  return Block(1, "\x00\x02\x00x\x00\x00"s + model + Floats(values) + "\x00\x02"s);
}
std::string Ase(std::uint32_t blocks, const std::string& body) {
  std::string out = "ASEF\x00\x01\x00\x00"s;
  for (int k = 3; k >= 0; --k) out += static_cast<char>((blocks >> (8 * k)) & 0xFF);
  return out + body;
}

TEST(AseReader, ReadsEveryModelAndChecksEveryLength) {
  const std::string group = Block(0xC001, "\x00\x02\x00G\x00\x00"s);
  const ListReadResult all = ReadAse(Ase(
      7, group + Colour("RGB ", {1, 0.5f, 0}) + Colour("CMYK", {0, 1, 1, 0.5f}) + Colour("Gray", {0.25f}) +
             Colour("LAB ", {1, 0, 0}) + Colour("RGB ", {std::nanf(""), 2, -1}) + Block(0xC002, "")));
  EXPECT_EQ(all.status, Status::Read);
  EXPECT_EQ(all.entries,
            E({{"x", "FF8000"}, {"x", "800000"}, {"x", "404040"}, {"x", "FFFFFF"}, {"x", "00FF00"}}));

  const ListReadResult odd =
      ReadAse(Ase(3, Colour("XYZ ", {1, 2, 3}) + Block(1, "\x7F\xFF"s) + Colour("RGB ", {0, 0, 1})));
  EXPECT_EQ(odd.entries, E({{"x", "0000FF"}}));
  EXPECT_EQ(odd.notices.size(), 2u);  // one unknown model, one damaged block

  const std::string whole = Ase(2, Colour("RGB ", {1, 1, 1}) + Colour("RGB ", {0, 0, 0}));
  const ListReadResult cut = ReadAse(std::string_view(whole).substr(0, whole.size() - 5));
  EXPECT_EQ(cut.status, Status::Cut);
  EXPECT_EQ(cut.entries, E({{"x", "FFFFFF"}}));
  EXPECT_EQ(ReadAse(Ase(1000000, "")).status, Status::Cut);  // more blocks promised than there are

  EXPECT_EQ(ReadAse("ASEX\x00\x01\x00\x00\x00\x00\x00\x00"s).status, Status::Refused);
  EXPECT_EQ(ReadAse("ASEF\x00\x02\x00\x00\x00\x00\x00\x00"s).status, Status::Refused);
}

TEST(ListFormats, FilesOfTheWrongKindAreRefusedWithTheirReason) {
  const struct {
    ListFormat format;
    std::string bytes;
    Status status;
  } cases[] = {
      {ListFormat::Cdt, "{a}[FF0000]\r\n\x00\x01"s, Status::Refused},  // binary data
      {ListFormat::Cdt, "", Status::Read},                             // an empty file is an empty list
      {ListFormat::Css, "body { color: red }", Status::Refused},       // nothing in custom properties
      {ListFormat::Act, "\x01\x02\x03\x04"s, Status::Refused},
      {ListFormat::Act, std::string(768, '\x10') + "\x00\x02\xFF\xFF"s, Status::Read},
      {ListFormat::Aco, "", Status::Refused},
      {ListFormat::Lst, "Name=x\r\nColor=nope\r\n", Status::Refused},
  };
  for (const auto& c : cases) {
    const ListReadResult r = ReadListFile(c.format, c.bytes);
    EXPECT_EQ(r.status, c.status) << InfoOf(c.format).description << " " << c.bytes.size();
    if (r.status == Status::Refused) {
      EXPECT_FALSE(r.reason.empty() && r.notices.empty());
    }
  }
  // Photoshop's 772-byte table says how many of its 256 colours count; no count, or one beyond
  // 256, is all of them.
  for (const auto& [count, colours] :
       {std::pair{0, 256}, {1, 1}, {2, 2}, {256, 256}, {257, 256}, {65535, 256}}) {
    std::string table = std::string(768, '\x10') + "\x00\x00\xFF\xFF"s;
    table[768] = static_cast<char>(count >> 8);
    table[769] = static_cast<char>(count & 0xFF);
    EXPECT_EQ(ReadListFile(ListFormat::Act, table).entries.size(), static_cast<std::size_t>(colours))
        << count;
  }
  EXPECT_EQ(FormatOfPath("page.HTML"), ListFormat::Html);
  EXPECT_EQ(FormatOfPath("notes.doc"), std::nullopt);
  // Design tokens' two-part extension, and only as the whole name's end.
  EXPECT_EQ(ExtensionOfPath("/x/Brand.Tokens.JSON"), ".tokens.json");
  EXPECT_EQ(FormatOfPath("/x/Brand.Tokens.JSON"), ListFormat::DesignTokens);
  EXPECT_EQ(ExtensionOfPath("/x.tokens.json/data.json"), ".json");
  EXPECT_EQ(ExtensionOfPath("/x/.tokens.json"), ".json");
  EXPECT_EQ(NameWithoutExtension("/x/brand.tokens.json"), "brand");
  EXPECT_EQ(NameWithoutExtension("/x/my.list.cdt"), "my.list");
  EXPECT_EQ(NameWithoutExtension("/x/plain"), "plain");
}

// What could not be read back is not written: a list longer than any file may hold is refused
// by every writer, one at the limit is not.
TEST(ListFormats, AListLongerThanAFileMayHoldIsNotWritten) {
  ColourList list = List(std::vector<ColourEntry>(kMaxListEntries, {"", "000000"}));
  EXPECT_TRUE(WriteListFile(ListFormat::HexList, list).Ok());
  list.Append(ColourEntry{"", "000000"});
  for (ListFormat f : {ListFormat::Cdt, ListFormat::HexList}) {
    const ListWriteResult written = WriteListFile(f, list);
    EXPECT_TRUE(written.bytes.empty());
    EXPECT_EQ(written.error, "The colour list holds 2,000,001 colours; a list file holds at most 2,000,000.");
  }
}

// The manual's table of formats is the format table's own: a format added to the table and not
// to the manual (or the other way) is caught here, with the rows to paste.
TEST(ListFormats, TheManualListsTheFormatsAsTheTableHasThem) {
  std::ifstream in(TINTORA_TEST_DATA "/../../resources/help/index.html", std::ios::binary);
  const std::string manual((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string begin = "(src/core/formats/list_formats.cpp). -->\n",
                    end = "<!-- end of the format table -->";
  const std::size_t from = manual.find(begin), to = manual.find(end);
  ASSERT_TRUE(from != std::string::npos && to != std::string::npos) << "the manual has lost its markers";
  EXPECT_EQ(manual.substr(from + begin.size(), to - from - begin.size()), FormatTableHtml())
      << "resources/help/index.html should hold these rows between its markers:\n"
      << FormatTableHtml();
}

}  // namespace
}  // namespace tintora
