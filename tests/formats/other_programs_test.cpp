// The palettes of LibreOffice, Scribus, SwatchBooker, Krita, Procreate and Paint.NET, plain hex
// lists and Photoshop's colour table: what each reader takes from such files, what each writer
// gives those programs, and what a zipped palette holds when it is written.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "core/formats/act.h"
#include "core/formats/art_palettes.h"
#include "core/formats/list_formats.h"
#include "core/formats/office_palettes.h"
#include "core/io/zip_archive.h"
#include "core/io/zip_writer.h"
#include "support/lists.h"
#include "support/printers.h"
#include "support/zips.h"

namespace tintora {
namespace {

using E = std::vector<ColourEntry>;
using Status = ListReadResult::Status;

// Each reader on files as the programs write them: the entries, the palette's name, or the
// reason a file is refused.
TEST(OtherPrograms, ReadersTakeWhatTheProgramsWrite) {
  const struct {
    const char* what;
    ListFormat format;
    std::string bytes;
    E entries;
    std::string title;
    const char* refusal = nullptr;  // part of the reason, when refused
    const char* notice = nullptr;   // part of what the reading says besides
  } rows[] = {
      {"LibreOffice, old prefixes, any depth, a colour that is none passed over",
       ListFormat::Soc,
       R"(<?xml version="1.0" encoding="UTF-8"?>
<office:color-table xmlns:office="http://openoffice.org/2000/office" xmlns:draw="http://openoffice.org/2000/drawing">
  <draw:color draw:name="Black" draw:color="#000000"/>
  <x><draw:color draw:name="Caf&#233; &amp; cr&#xE8;me" draw:color="#6F4E37"/></x>
  <draw:color draw:name="broken" draw:color="#12345"/>
  <draw:color draw:color="#00ff00"/>
</office:color-table>)",
       {{"Black", "000000"}, {"Caf\xC3\xA9 & cr\xC3\xA8me", "6F4E37"}, {"00FF00", "00FF00"}},
       ""},
      {"LibreOffice in Latin-1",
       ListFormat::Soc,
       "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><ooo:color-table xmlns:ooo=\"o\" xmlns:draw=\"d\">"
       "<draw:color draw:name=\"Gr\xFCn\" draw:color=\"#00FF00\"/></ooo:color-table>",
       {{"Gr\xC3\xBCn", "00FF00"}},
       ""},
      {"not a colour table",
       ListFormat::Soc,
       "<?xml version=\"1.0\"?><html/>",
       {},
       "",
       "not a LibreOffice colour table"},
      {"not XML at all", ListFormat::Soc, "{\"a\": 1}", {}, "", "is not well-formed XML"},
      {"entities of its own: nothing is expanded",
       ListFormat::Soc,
       "<?xml version=\"1.0\"?><!DOCTYPE t [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;\">]>"
       "<color-table><color name=\"&b;\" color=\"#000000\"/></color-table>",
       {},
       "",
       "declares entities"},
      {"Scribus, RGB and CMYK (through the program's CMYK arithmetic)",
       ListFormat::ScribusXml,
       R"(<?xml version="1.0" encoding="UTF-8"?>
<SCRIBUSCOLORS Name="Basic">
  <COLOR RGB="#ff0000" NAME="Red"/>
  <COLOR CMYK="#ff000000" NAME="Cyan"/>
  <COLOR CMYK="#00ff0080" NAME="Half-black magenta"/>
  <COLOR CMYK="#ffffffff" NAME="Registration" Register="1"/>
  <COLOR RGB="nonsense" NAME="Skipped"/>
  <COLOR RGB="#0000FF"/>
</SCRIBUSCOLORS>)",
       {{"Red", "FF0000"},
        {"Cyan", "00FFFF"},
        {"Half-black magenta", "7F007F"},
        {"Registration", "000000"},
        {"0000FF", "0000FF"}},
       "Basic"},
      {"not Scribus",
       ListFormat::ScribusXml,
       "<?xml version=\"1.0\"?><colors/>",
       {},
       "",
       "not a Scribus swatch file"},
      {"SwatchBooker: Lab as D50 first, other models, book order, groups opened in place",
       ListFormat::SwatchBooker,
       Zip({{"swatchbook.xml", R"(<?xml version="1.0" encoding="UTF-8"?>
<SwatchBook version="0.7" xmlns:dc="http://purl.org/dc/elements/1.1/">
  <metadata><dc:title>Book</dc:title></metadata>
  <materials>
    <color><metadata><dc:identifier>red</dc:identifier><dc:title>Red</dc:title></metadata>
      <values model="sRGB">0 0 1</values><values model="Lab">54.29 80.80 69.89</values></color>
    <color><metadata><dc:identifier>grey</dc:identifier></metadata><values model="GRAY">0.25</values></color>
    <color><metadata><dc:identifier>green</dc:identifier></metadata><values model="HSV">0.33333333 1 1</values></color>
    <color><metadata><dc:identifier>ink</dc:identifier></metadata><values model="CMYK">0 1 1 0</values></color>
    <color><metadata><dc:identifier>odd</dc:identifier></metadata><values model="Munsell">5R 4/14</values></color>
  </materials>
  <book><swatch material="green"/><group><metadata><dc:title>G</dc:title></metadata>
    <swatch material="ink"/><swatch material="nowhere"/></group><break/><swatch material="red"/>
    <swatch material="grey"/></book>
</SwatchBook>)"}}),
       {{"green", "00FF00"}, {"ink", "FF0000"}, {"Red", "FF0000"}, {"grey", "BFBFBF"}},
       "Book"},
      {"SwatchBooker with its book before its materials, identifiers matched as written, the first "
       "of an identifier counting",
       ListFormat::SwatchBooker,
       Zip({{"swatchbook.xml", R"(<SwatchBook><book><swatch material=" b "/><swatch material="a"/></book>
  <materials><color><metadata><dc:identifier>a</dc:identifier></metadata><values model="RGB">1 1 1</values></color>
  <color><metadata><dc:identifier> b </dc:identifier></metadata><values model="RGB">0 0 0</values></color>
  <color><metadata><dc:identifier>a</dc:identifier></metadata><values model="RGB">1 0 0</values></color></materials>
</SwatchBook>)"}}),
       {{"b", "000000"}, {"a", "FFFFFF"}},
       ""},
      {"SwatchBooker without its book",
       ListFormat::SwatchBooker,
       Zip({{"other.xml", "<a/>"}}),
       {},
       "",
       "holds no swatchbook.xml"},
      {"Krita: by grid position, then each group; Lab as D50, CMYK, Gray",
       ListFormat::Kpl,
       Zip({{"mimetype", "krita/x-colorset"}, {"colorset.xml", R"(<?xml version="1.0" encoding="UTF-8"?>
<ColorSet version="2.0" name="Krita set" columns="2" rows="2">
  <ColorSetEntry name="third" bitdepth="U8"><RGB space="sRGB" r="0" g="0" b="1"/><Position row="1" column="0"/></ColorSetEntry>
  <ColorSetEntry name="first" bitdepth="F32"><Lab space="lab" L="54.29" a="80.80" b="69.89"/><Position row="0" column="0"/></ColorSetEntry>
  <ColorSetEntry name="second"><CMYK space="cmyk" c="1" m="0" y="0" k="0"/><Position row="0" column="1"/></ColorSetEntry>
  <Group name="More" rows="1"><ColorSetEntry name=""><Gray space="g" g="0.5"/></ColorSetEntry></Group>
</ColorSet>)"}}),
       {{"first", "FF0000"}, {"second", "00FFFF"}, {"third", "0000FF"}, {"808080", "808080"}},
       "Krita set"},
      {"Krita without its colour set",
       ListFormat::Kpl,
       Zip({{"mimetype", "krita/x-colorset"}}),
       {},
       "",
       "holds no colorset.xml"},
      {"Procreate: empty slots, several palettes",
       ListFormat::Procreate,
       Zip({{"Swatches.json",
             R"([{"name":"Warm","swatches":[{"hue":0,"saturation":1,"brightness":1,"alpha":1},null,)"
             R"({"hue":0.5,"saturation":1,"brightness":0.5}]},{"name":"Cool","swatches":[)"
             R"({"hue":0.6666667,"saturation":0,"brightness":1}, {"hue":"x"}]}])"}}),
       {{"FF0000", "FF0000"}, {"008080", "008080"}, {"FFFFFF", "FFFFFF"}},
       "Warm"},
      {"Procreate, one palette alone",
       ListFormat::Procreate,
       Zip({{"Swatches.json",
             R"({"name":"One","swatches":[{"hue":0.33333333,"saturation":1,"brightness":1}]})"}}),
       {{"00FF00", "00FF00"}},
       "One"},
      {"Procreate with broken JSON",
       ListFormat::Procreate,
       Zip({{"Swatches.json", "[{\"name\": "}}),
       {},
       "",
       "not well-formed JSON"},
      {"a Procreate file that is no zip",
       ListFormat::Procreate,
       "PK\x03\x04 but cut",
       {},
       "",
       "not a zip archive"},
      {"Paint.NET, told apart from case statements by its lines",
       ListFormat::Txt,
       "; paint.net Palette File\r\n; comment\r\nFFFF0000\r\n80123456\r\n\r\nabcdef\r\n",
       {{"FF0000", "FF0000"}, {"123456", "123456"}, {"ABCDEF", "ABCDEF"}},
       ""},
      {"Paint.NET with a mistyped line: the others read, the line named",
       ListFormat::Txt,
       "; paint.net Palette File\r\nFFFF0000\r\nFFGG0000\r\n80123456\r\n",
       {{"FF0000", "FF0000"}, {"123456", "123456"}},
       "",
       nullptr,
       "line 3 (\"FFGG0000\") is not a colour"},
      {"Krita: a place off any grid is no place",
       ListFormat::Kpl,
       Zip({{"colorset.xml",
             R"(<ColorSet><ColorSetEntry name="far"><RGB r="1" g="0" b="0"/>)"
             R"(<Position row="1e300" column="-1e300"/></ColorSetEntry>)"
             R"(<ColorSetEntry name="near"><RGB r="0" g="0" b="1"/><Position row="0" column="0"/>)"
             R"(</ColorSetEntry></ColorSet>)"}}),
       {{"near", "0000FF"}, {"far", "FF0000"}},
       ""},
      {"SwatchBooker: groups within groups, 40 deep, opened in place",
       ListFormat::SwatchBooker,
       Zip({{"swatchbook.xml",
             "<SwatchBook><materials><color><metadata><identifier>m</identifier></metadata>"
             "<values model=\"RGB\">0 1 0</values></color></materials><book>" +
                 [] {
                   std::string deep = "<swatch material=\"m\"/>";
                   for (int i = 0; i < 40; ++i) deep = "<group>" + deep + "</group>";
                   return deep;
                 }() +
                 "</book></SwatchBook>"}}),
       {{"m", "00FF00"}},
       ""},
      {"XML nested deeper than any palette",
       ListFormat::Soc,
       "<color-table>" +
           [] {
             std::string s;
             for (int i = 0; i < 100; ++i) s += "<a>";
             return s;
           }(),
       {},
       "",
       "nests more than 64 levels"},
      {"JSON nested deeper than any palette",
       ListFormat::Procreate,
       Zip({{"Swatches.json", std::string(100, '[') + std::string(100, ']')}}),
       {},
       "",
       "nests more than 64 levels"},
      {"case statements stay case statements",
       ListFormat::Txt,
       "$FF0000: NumericValue := 'Red';\r\n",
       {{"Red", "FF0000"}},
       ""},
      {"a hex list",
       ListFormat::HexList,
       "#ff8000\nABCDEF\n\n  123456  \nnot a colour\n",
       {{"FF8000", "FF8000"}, {"ABCDEF", "ABCDEF"}, {"123456", "123456"}},
       ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const ListReadResult r = ReadListFile(row.format, row.bytes);
    if (row.refusal) {
      EXPECT_EQ(r.status, Status::Refused);
      EXPECT_NE(r.reason.find(row.refusal), std::string::npos) << r.reason;
      continue;
    }
    EXPECT_EQ(r.status, Status::Read) << r.reason;
    EXPECT_EQ(r.entries, row.entries);
    EXPECT_EQ(r.title, row.title);
    if (row.notice) {
      ASSERT_EQ(r.notices.size(), 1u);
      EXPECT_NE(r.notices[0].text.find(row.notice), std::string::npos) << r.notices[0].text;
    }
  }
}

TEST(OtherPrograms, WritersGiveTheProgramsWhatTheyRead) {
  const ColourList three = List({{"Red", "FF0000"}, {"", "00FF80"}, {"Blue & <b>", "0000FF"}});
  // Krita places every swatch in a grid of the list's columns, and finds its mimetype first,
  // uncompressed.
  const ListWriteResult kpl = WriteListFile(ListFormat::Kpl, three, {{}, "Mine", 2});
  ASSERT_TRUE(kpl.Ok());
  EXPECT_EQ(kpl.bytes.substr(30, 8), "mimetype");
  EXPECT_EQ(kpl.bytes.substr(38, 16), "krita/x-colorset");
  const ZipReader zip(kpl.bytes);
  const std::string colourSet = *zip.Read("colorset.xml").bytes;
  EXPECT_NE(colourSet.find(R"(<ColorSet version="2.0" name="Mine" comment="" columns="2" rows="2")"),
            std::string::npos)
      << colourSet;
  EXPECT_NE(colourSet.find(R"(<RGB space="sRGB-elle-V2-srgbtrc.icc" r="0" g="1" b="0.5019607843137255")"),
            std::string::npos);
  EXPECT_NE(colourSet.find(R"(<Position row="1" column="0"/>)"), std::string::npos);
  EXPECT_TRUE(zip.Read("profiles.xml").bytes.has_value());
  // LibreOffice and Scribus take their own element and attribute names.
  const std::string soc = WriteListFile(ListFormat::Soc, three).bytes;
  EXPECT_NE(soc.find(R"(<draw:color draw:name="Blue &amp; &lt;b&gt;" draw:color="#0000ff"/>)"),
            std::string::npos)
      << soc;
  // What XML cannot hold (U+FFFF) is written as U+FFFD, so the file reads back.
  const ColourList odd =
      List({{"a\xEF\xBF\xBF"
             "b\x01",
             "FF0000"}});
  for (ListFormat f : {ListFormat::Soc, ListFormat::ScribusXml, ListFormat::Kpl}) {
    const ListReadResult back = ReadListFile(f, WriteListFile(f, odd).bytes);
    ASSERT_EQ(back.entries.size(), 1u) << back.reason;
    EXPECT_EQ(back.entries[0].name,
              "a\xEF\xBF\xBD"
              "b ");  // control characters are blanks in any list
  }
  // A title from a file's name may hold bytes that are no UTF-8; XML cannot.
  for (ListFormat f : {ListFormat::ScribusXml, ListFormat::Kpl}) {
    const ListReadResult back = ReadListFile(f, WriteListFile(f, odd, {{}, "bad\xFF.xml"}).bytes);
    EXPECT_EQ(back.title, "bad\xEF\xBF\xBD.xml") << back.reason;
  }
  const std::string scribus = WriteListFile(ListFormat::ScribusXml, three, {{}, "Set"}).bytes;
  EXPECT_NE(scribus.find(R"(<SCRIBUSCOLORS Name="Set">)"), std::string::npos) << scribus;
  EXPECT_NE(scribus.find(R"(<COLOR RGB="#00ff80" NAME="00FF80"/>)"), std::string::npos);
  // Paint.NET takes 96 colours at most; a hex list is one colour a line.
  EXPECT_EQ(WriteListFile(ListFormat::HexList, three).bytes, "ff0000\n00ff80\n0000ff\n");
  EXPECT_NE(WriteListFile(ListFormat::PaintNet, three).bytes.find("\r\nFF00FF80\r\n"), std::string::npos);
  std::vector<ColourEntry> many(97, {"g", "808080"});
  const ListWriteResult tooMany = WriteListFile(ListFormat::PaintNet, List(many));
  EXPECT_NE(tooMany.error.find("at most 96 colours; this list has 97"), std::string::npos);
  many.pop_back();
  EXPECT_TRUE(WriteListFile(ListFormat::PaintNet, List(many)).Ok());
  // Photoshop's own colour table: 256 colours, the count and no transparent colour.
  const ListWriteResult act = WriteListFile(ListFormat::Act, three, {{}, {}, 0, true});
  ASSERT_EQ(act.bytes.size(), kAdobeTableBytes);
  EXPECT_EQ(act.bytes.substr(768), std::string("\x00\x03\xFF\xFF", 4));
  EXPECT_EQ(act.bytes.substr(9, 3), std::string(3, '\0'));
  EXPECT_EQ(ReadListFile(ListFormat::Act, act.bytes).entries.size(), 3u);
  std::vector<ColourEntry> big(257, {"g", "808080"});
  EXPECT_NE(WriteListFile(ListFormat::Act, List(big), {{}, {}, 0, true}).error.find("at most 256 colours"),
            std::string::npos);
  EXPECT_EQ(WriteListFile(ListFormat::Act, List(big)).bytes.size(), 3u * 257);
}

// A book of more materials than its size foretells, some defined twice (the first counts),
// whose swatches name them out of order: every swatch finds its own material as the index grows.
TEST(OtherPrograms, ABigSwatchBookFindsEachMaterialByIdentifier) {
  constexpr int kCount = 10000;
  std::string materials, book;
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 0; i < (pass ? 100 : kCount); ++i)
      materials += "<color><metadata><dc:identifier>m" + std::to_string(i) +
                   "</dc:identifier></metadata><values model=\"RGB\">" +
                   (pass ? "1 1 1" : "0 0 " + std::to_string(i % 2)) + "</values></color>";
  for (int i = 0; i < kCount; ++i)
    book += "<swatch material=\"m" + std::to_string((i * 7919) % kCount) + "\"/>";
  const std::string xml = "<SwatchBook><materials>" + materials + "</materials><book>" + book +
                          "<swatch material=\"m" + std::to_string(kCount) + "\"/></book></SwatchBook>";
  const ListReadResult read = ReadListFile(ListFormat::SwatchBooker, Zip({{"swatchbook.xml", xml}}));
  ASSERT_EQ(read.entries.size(), static_cast<std::size_t>(kCount)) << read.reason;
  for (int i = 0; i < kCount; ++i) {
    const int material = (i * 7919) % kCount;
    ASSERT_EQ(read.entries[i].value, material % 2 ? "0000FF" : "000000") << "swatch " << i;
  }
}

// What Tintora writes it reads back: a zipped palette that would unpack past what its reader
// takes is refused when it is saved, with the reason, and one just within reads back whole.
TEST(OtherPrograms, AZippedPaletteIsWrittenOnlyWhenItReadsBack) {
  const struct {
    ListFormat format;
    const char* entry;
  } kinds[] = {{ListFormat::Procreate, "Swatches.json"}, {ListFormat::Kpl, "colorset.xml"}};
  for (const auto& kind : kinds) {
    SCOPED_TRACE(InfoOf(kind.format).description);
    auto list = [](std::size_t n) { return List(std::vector<ColourEntry>(n, {"Colour", "3366CC"})); };
    auto unpacked = [&](std::size_t n) {
      return ZipReader(WriteListFile(kind.format, list(n)).bytes).Read(kind.entry).bytes->size();
    };
    // The count that reaches the limit, from the size of a thousand colours more.
    const std::size_t perColour = (unpacked(2000) - unpacked(1000)) / 1000;
    const std::size_t atLimit = 1000 + (kZipMaxEntryBytes - unpacked(1000)) / perColour;
    const ListWriteResult within = WriteListFile(kind.format, list(atLimit * 98 / 100));
    ASSERT_TRUE(within.Ok()) << within.error;
    const ListReadResult back = ReadListFile(kind.format, within.bytes);
    EXPECT_EQ(back.status, Status::Read) << back.reason;
    EXPECT_EQ(back.entries.size(), atLimit * 98 / 100);
    const ListWriteResult past = WriteListFile(kind.format, list(atLimit * 102 / 100));
    EXPECT_TRUE(past.bytes.empty());
    EXPECT_NE(past.error.find("so it would not open again"), std::string::npos) << past.error;
  }
}

// ------------------------------------------------------------ the palettes the programs ship

std::string FileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Unescaped(std::string s) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [from, to] : entities)
    for (std::size_t at; (at = s.find(from)) != std::string::npos;) s.replace(at, std::strlen(from), to);
  return s;
}

// What a regular expression finds in a file: an independent count of its colours and names.
std::vector<std::string> Matches(const std::string& text, const std::regex& pattern) {
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it)
    found.push_back(Unescaped((*it)[1].str()));
  return found;
}

std::vector<std::string> Names(const ListReadResult& r) {
  std::vector<std::string> names;
  for (const ColourEntry& e : r.entries) names.push_back(e.name);
  return names;
}

TEST(OtherPrograms, ThePalettesTheProgramsShipReadWhole) {
  const std::filesystem::path root = TINTORA_OTHER_PALETTES;
  if (!std::filesystem::is_directory(root))
    GTEST_SKIP() << "no palettes of other programs in " << root
                 << " (make test fetches them with scripts/fetch-palettes)";
  const struct {
    const char* folder;
    const char* extension;
    ListFormat format;
    std::regex entry;  // one match per colour, its name as the first group
  } kinds[] = {
      {"usr/lib/libreoffice/share/palette", ".soc", ListFormat::Soc,
       std::regex(R"re(<draw:color\s+draw:name="([^"]*)")re")},
      {"usr/share/scribus/swatches", ".xml", ListFormat::ScribusXml,
       std::regex(R"re(<COLOR\b[^>]*\bNAME="([^"]*)")re", std::regex::icase)},
      {"usr/share/krita/palettes", ".gpl", ListFormat::Gpl,
       std::regex(R"((?:^|\n)[ \t]*\d+[ \t]+\d+[ \t]+\d+[ \t]*([^\r\n]*))")},
  };
  int files = 0;
  std::size_t colours = 0;
  for (const auto& kind : kinds) {
    const std::filesystem::path folder = root / kind.folder;
    if (!std::filesystem::is_directory(folder)) continue;
    for (const auto& f : std::filesystem::directory_iterator(folder)) {
      if (f.path().extension() != kind.extension) continue;
      SCOPED_TRACE(f.path().string());
      const std::string bytes = FileBytes(f.path());
      const ListReadResult r = ReadListFile(kind.format, bytes);
      ASSERT_EQ(r.status, Status::Read) << r.reason;
      std::vector<std::string> expected = Matches(bytes, kind.entry);
      for (std::string& name : expected)
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
      std::vector<std::string> got = Names(r);
      for (std::size_t i = 0; i < got.size() && i < expected.size(); ++i)
        if (expected[i].empty()) expected[i] = r.entries[i].value;  // unnamed: named by value
      EXPECT_EQ(got, expected);
      ++files;
      colours += r.entries.size();
    }
  }
  // The RAL book Scribus ships: every swatch of its book, in Lab.
  const std::filesystem::path ral = root / "usr/share/scribus/swatches/Wikipedia_RAL_Classic.sbz";
  if (std::filesystem::exists(ral)) {
    const ListReadResult r = ReadListFile(ListFormat::SwatchBooker, FileBytes(ral));
    EXPECT_EQ(r.status, Status::Read) << r.reason;
    EXPECT_EQ(r.entries.size(), 213u);
    EXPECT_EQ(r.title, "Wikipedia RAL CLASSIC");
    ++files;
    colours += r.entries.size();
  }
  EXPECT_GT(files, 40);
  std::cout << "read " << files << " palettes of other programs, " << colours << " colours\n";
}

}  // namespace
}  // namespace tintora
