#include "core/io/text_codec.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

using namespace std::string_literals;

TEST(TextCodec, Windows1252DecodesEveryByteAndEncodesBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(TextCodec, KnownCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("\xE9"), "\xC3\xA9");         // é
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");     // €
  EXPECT_EQ(Cp1252ToUtf8("\xB0"), "\xC2\xB0");         // °
  EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x9C"), "\x93");     // left double quote
  EXPECT_FALSE(Utf8ToCp1252("\xC5\x82").has_value());  // ł has no Windows-1252 byte
}

TEST(TextCodec, ReadRuleTakesValidUtf8AsUtf8AndAnythingElseAsWindows1252) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "plain"},
      {"caf\xC3\xA9", "caf\xC3\xA9"},       // UTF-8 stays
      {"caf\xE9", "caf\xC3\xA9"},           // Windows-1252 é
      {"\xEF\xBB\xBFhi", "hi"},             // byte order mark dropped
      {"\xEF\xBB\xBF\xE9", "\xC3\xA9"},     // a mark before code page text
      {"\xFF\xFEh\0\xE9\0"s, "h\xC3\xA9"},  // UTF-16, little end first
      {"\xFE\xFF\0h\xD8\x3D\xDE\x00x"s,
       "h\xF0\x9F\x98\x80\xEF\xBF\xBD"},                 // big end first; half a unit at the end
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                  // overlong form is not UTF-8
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // a surrogate is not UTF-8
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(DecodeFileText(bytes), text);
}

TEST(TextCodec, WriteRulePrefersWindows1252) {
  EXPECT_EQ(EncodeFileText("caf\xC3\xA9"), "caf\xE9");
  EXPECT_EQ(EncodeFileText("\xC5\x82\xC3\xA9"), "\xC5\x82\xC3\xA9");  // one misfit keeps all UTF-8
  EXPECT_EQ(DecodeFileText(EncodeFileText("Gr\xC3\xBCn \xE2\x82\xAC")), "Gr\xC3\xBCn \xE2\x82\xAC");
  // Text whose code page bytes would read as UTF-8 ("Ã©" is C3 A9, "é") is written as UTF-8.
  // So is text whose code page bytes would start like a byte order mark ("þÿ" is FE FF), and
  // text that starts with a mark of its own keeps it.
  for (std::string text : {"Caf\xC3\x83\xC2\xA9",
                           "0\xC3\xAF\xC2\xBB\xC2\xBF"
                           "00",
                           "\xC3\xBE\xC3\xBFx\xC3\xA9", "\xC3\xBF\xC3\xBEx",
                           "\xC3\xAF\xC2\xBB\xC2\xBF\xC3\xA9\xC3\xBF", "\xEF\xBB\xBFmark"}) {
    EXPECT_EQ(DecodeFileText(EncodeFileText(text)), text) << text;
  }
}

}  // namespace
}  // namespace tintora
