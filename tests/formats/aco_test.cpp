#include "core/formats/aco.h"

#include <gtest/gtest.h>

#include "support/lists.h"
#include "support/printers.h"

namespace tintora {
namespace {

using E = std::vector<ColourEntry>;
using Status = ListReadResult::Status;

// Bytes from a readable hex text ("00 01 ff"), blanks and bars ignored.
std::string Hex(std::string_view text) {
  std::string out, digits;
  for (char c : text)
    if (std::isxdigit(static_cast<unsigned char>(c))) digits += c;
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
    out += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
  return out;
}

TEST(AcoWriters, WriteTheBytesOfEachLayout) {
  const ColourList red = List({{"Red", "FF0000"}});
  EXPECT_EQ(WriteAcoV0(red).bytes, Hex("00 00 00 01 | 00 00 FF FF 00 00 00 00 00 00 | 03 52 65 64"));
  EXPECT_EQ(WriteAcoV1V2(red).bytes, Hex("00 01 00 01 | 00 00 FF FF 00 00 00 00 00 00 |"
                                         "00 02 00 01 | 00 00 FF FF 00 00 00 00 00 00 |"
                                         "00 00 00 04 | 00 52 00 65 00 64 | 00 00"));
  EXPECT_EQ(WriteAcoV1V2(red).bytes.size(), 40u);
  // Each component byte twice; a half-way value keeps its byte.
  EXPECT_EQ(WriteAcoV0(List({{"", "80FF01"}})).bytes,
            Hex("00 00 00 01 | 00 00 80 80 FF FF 01 01 00 00 | 00"));
}

TEST(AcoWriters, NamesLoseTrailingBlanksAndStopAt255Characters) {
  const std::string longName(300, 'x');
  const ColourList list = List({{"Sky  \t", "87CEEB"}, {longName, "000000"}, {"\xE6\x97\xA5", "FFFFFF"}});
  const E back = ReadAco(WriteAcoV1V2(list).bytes).entries;
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[0].name, "Sky");
  EXPECT_EQ(back[1].name, std::string(255, 'x'));
  EXPECT_EQ(back[2].name, "\xE6\x97\xA5");
  // Version 0 has one length byte: a name beyond Windows-1252 is UTF-8 and cut to fit 255 bytes.
  const std::string cjk = [] {
    std::string s;
    for (int i = 0; i < 100; ++i) s += "\xE6\x97\xA5";
    return s;
  }();
  const E v0 = ReadAco(WriteAcoV0(List({{"Caf\xC3\xA9", "6F4E37"}, {cjk, "000000"}})).bytes).entries;
  EXPECT_EQ(v0[0].name, "Caf\xC3\xA9");
  EXPECT_EQ(v0[1].name, cjk.substr(0, 85 * 3));
}

TEST(AcoWriters, RefuseWhatTheFormatCannotHold) {
  EXPECT_FALSE(WriteAcoV0(ColourList{}).Ok());
  EXPECT_FALSE(WriteAcoV1V2(List({{"odd", "zz"}})).Ok());
  E many(kAcoMaxEntries + 1, ColourEntry{"c", "010203"});
  const ListWriteResult tooMany = WriteAcoV1V2(List(many));
  EXPECT_TRUE(tooMany.bytes.empty());
  EXPECT_NE(tooMany.error.find("65,534"), std::string::npos) << tooMany.error;
  many.pop_back();
  const ListWriteResult most = WriteAcoV0(List(many));
  ASSERT_TRUE(most.Ok());
  EXPECT_EQ(ReadAco(most.bytes).entries.size(), kAcoMaxEntries);
}

// A version 2 record with its name.
std::string V2Record(std::string_view record, std::u16string_view name) {
  std::string out = Hex(record) + Hex("00 00");
  out += static_cast<char>((name.size() + 1) >> 8);
  out += static_cast<char>((name.size() + 1) & 0xFF);
  for (char16_t u : name) {
    out += static_cast<char>(u >> 8);
    out += static_cast<char>(u & 0xFF);
  }
  return out + Hex("00 00");
}

TEST(AcoReader, ReadsEverySpaceAndLayout) {
  const struct {
    const char* what;
    std::string bytes;
    E entries;
  } cases[] = {
      {"version 1, named by value",
       Hex("0001 0002 | 0000 ffff 0000 0000 0000 | 0000 0000 8080 ffff 0000"),
       {{"FF0000", "FF0000"}, {"0080FF", "0080FF"}}},
      {"version 1 then version 2: only the named section",
       Hex("0001 0001 | 0000 ffff 0000 0000 0000 | 0002 0001") +
           V2Record("0000 0000 ffff 0000 0000", u"Lime"),
       {{"Lime", "00FF00"}}},
      {"version 2 alone, an empty name is the value",
       Hex("0002 0001") + V2Record("0000 0000 0000 ffff 0000", u""),
       {{"0000FF", "0000FF"}}},
      {"version 0 names in Windows-1252",
       Hex("0000 0001 | 0000 ffff ffff ffff 0000 | 04 43 61 66 e9"),
       {{"Caf\xC3\xA9", "FFFFFF"}}},
      {"UTF-16 names: a pair is one character, a lone half a replacement",
       Hex("0002 0002") + V2Record("0000 0000 0000 0000 0000", u"\U0001F600 \u00E9") +
           V2Record("0000 0000 0000 0000 0000", std::u16string(1, char16_t{0xD800}) + u"x"),
       {{"\xF0\x9F\x98\x80 \xC3\xA9", "000000"}, {"\xEF\xBF\xBDx", "000000"}}},
      {"RGB with w3 taken off", Hex("0001 0001 | 0000 ffff ffff ffff 8000"), {{"7F7F7F", "7F7F7F"}}},
      {"CMYK, stored as 65535 minus ink",
       Hex("0001 0002 | 0002 ffff 0000 ffff ffff | 0002 ffff ffff ffff 8000"),
       {{"FF00FF", "FF00FF"}, {"808080", "808080"}}},
      {"HSB in degrees", Hex("0001 0001 | 0001 0078 ffff ffff 0000"), {{"00FF00", "00FF00"}}},
      {"HSB over the 16-bit range", Hex("0001 0001 | 0001 aaab ffff ffff 0000"), {{"0000FF", "0000FF"}}},
      {"one hue word of 360 or more puts every hue of the file on the 16-bit scale (273 is 1.5 degrees)",
       Hex("0001 0002 | 0001 0111 ffff ffff 0000 | 0001 aaab ffff ffff 0000"),
       {{"FF0600", "FF0600"}, {"0000FF", "0000FF"}}},
      {"360 itself is no degree", Hex("0001 0001 | 0001 0168 ffff ffff 0000"), {{"FF0800", "FF0800"}}},
      {"hues all below 360 are degrees (273 is violet)",
       Hex("0001 0001 | 0001 0111 ffff ffff 0000"),
       {{"8C00FF", "8C00FF"}}},
      {"grey: 0 is white, 10000 black",
       Hex("0001 0002 | 0008 0000 0000 0000 0000 | 0008 2710 0000 0000 0000"),
       {{"FFFFFF", "FFFFFF"}, {"000000", "000000"}}},
      {"Lab white and black",
       Hex("0001 0002 | 0007 2710 0000 0000 0000 | 0007 0000 0000 0000 0000"),
       {{"FFFFFF", "FFFFFF"}, {"000000", "000000"}}},
      {"spaces without a rendering become named black placeholders",
       Hex("0002 0003") + V2Record("0003 0000 0000 0000 0000", u"PANTONE 123 C") +
           V2Record("0009 0000 0000 0000 0000", u"w") + V2Record("002a 0000 0000 0000 0000", u""),
       {{"CSNS - (0003)Pantone-PANTONE 123 C", "000000"},
        {"CSNS - (0009)Wide CMYK-w", "000000"},
        {"CSNS - (002A)Unidentified-", "000000"}}},
      {"bytes after the records are ignored",
       Hex("0000 0001 | 0000 0000 0000 0000 0000 | 00 | ff ff ff"),
       {{"000000", "000000"}}},
  };
  for (const auto& c : cases) {
    const ListReadResult r = ReadAco(c.bytes);
    EXPECT_EQ(r.status, Status::Read) << c.what;
    EXPECT_EQ(r.entries, c.entries) << c.what;
  }
}

TEST(AcoReader, WarnsOncePerFileForEachSpaceItCannotRender) {
  std::string bytes = Hex("0002 0005");
  for (const char* space : {"0003", "0003", "0007", "0004", "0007"})
    bytes += V2Record(std::string(space) + " 0000 0000 0000 0000", u"n");
  const ListReadResult r = ReadAco(bytes);
  ASSERT_EQ(r.notices.size(), 3u);
  EXPECT_EQ(
      r.notices[0].text,
      "Colour Space Warning:\r\n\r\nPantone Colour Space is Not supported.\r\nColours will not be rendered.");
  EXPECT_NE(r.notices[1].text.find("Adobe Photoshop\xC2\xAE"), std::string::npos);
  EXPECT_NE(r.notices[1].text.find("D65 @ 2\xC2\xB0"), std::string::npos);
  EXPECT_NE(r.notices[2].text.find("Focaltone Colour Space"), std::string::npos);
  // And again for the next file.
  EXPECT_EQ(ReadAco(bytes).notices.size(), 3u);
}

TEST(AcoReader, VersionsItCannotReadAreRefusedOrSkipped) {
  const ListReadResult v3 = ReadAco(Hex("0003 0002 | 0000 ffff 0000 0000 0000"));
  EXPECT_EQ(v3.status, Status::Refused);
  EXPECT_TRUE(v3.entries.empty());
  ASSERT_EQ(v3.notices.size(), 1u);
  EXPECT_EQ(v3.notices[0].text,
            "Load:\r\n\r\nUnsupported Adobe File Version.\r\nVersion: 0003h\r\nNumber of Records: 2");
  EXPECT_TRUE(v3.notices[0].beep);

  // A second section of an unknown version: the first section is read after the warning.
  const ListReadResult corrupt = ReadAco(Hex("0001 0001 | 0000 ffff 0000 0000 0000 | 0009 0001 | 1234"));
  EXPECT_EQ(corrupt.status, Status::Read);
  EXPECT_EQ(corrupt.entries, E({{"FF0000", "FF0000"}}));
  ASSERT_EQ(corrupt.notices.size(), 1u);
  EXPECT_EQ(corrupt.notices[0].text, "Load:\r\n\r\nACO File May be corrupt!");
  EXPECT_EQ(corrupt.secondSection, 14u);

  EXPECT_EQ(ReadAco(Hex("00")).status, Status::Refused);
}

TEST(AcoReader, AFileCutShortKeepsWhatCameBeforeTheBreak) {
  const std::string whole =
      WriteAcoV1V2(List({{"One", "111111"}, {"Two", "222222"}, {"Three", "333333"}})).bytes;
  // Cut inside the third record's name, inside its name's count, inside its record, and right
  // after the second.
  for (std::size_t cut : {whole.size() - 3, whole.size() - 14, whole.size() - 20, whole.size() - 26}) {
    const ListReadResult r = ReadAco(std::string_view(whole).substr(0, cut));
    EXPECT_EQ(r.status, Status::Cut) << cut;
    EXPECT_EQ(r.entries, E({{"One", "111111"}, {"Two", "222222"}})) << cut;
  }
  // A version 1 file cut 8 and 9 bytes into its second record: the first colour only.
  const std::string v1 = Hex("0001 0002 | 0000 ffff 0000 0000 0000 | 0000 0000 ffff 0000 0000");
  for (std::size_t into : {8u, 9u}) {
    const ListReadResult r = ReadAco(std::string_view(v1).substr(0, 14 + into));
    EXPECT_EQ(r.status, Status::Cut) << into;
    EXPECT_EQ(r.entries, E({{"FF0000", "FF0000"}})) << into;
  }
  // A count far beyond the file.
  const ListReadResult huge = ReadAco(Hex("0000 ffff | 0000 ffff 0000 0000 0000 | 00"));
  EXPECT_EQ(huge.status, Status::Cut);
  EXPECT_EQ(huge.entries.size(), 1u);
}

}  // namespace
}  // namespace tintora
