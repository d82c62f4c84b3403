#include "core/io/byte_io.h"

#include <bit>

#include <gtest/gtest.h>

namespace tintora {
namespace {

using namespace std::string_literals;

// Each read right at its bound: with one byte too few it fails and leaves the position and the
// value alone; with exactly enough it takes them all.
TEST(ByteReader, EveryReadStopsExactlyAtTheEnd) {
  const std::string five = "\x01\x02\x03\x04\x05"s;
  const struct {
    const char* what;
    std::size_t width;
    bool (*read)(ByteReader&, std::uint32_t&);
    std::uint32_t value;  // of the first `width` bytes of `five`
  } reads[] = {
      {"U8", 1,
       [](ByteReader& r, std::uint32_t& v) {
         std::uint8_t x = 0xEE;
         bool ok = r.U8(x);
         v = x;
         return ok;
       },
       0x01},
      {"U16", 2,
       [](ByteReader& r, std::uint32_t& v) {
         std::uint16_t x = 0xEEEE;
         bool ok = r.U16(x);
         v = x;
         return ok;
       },
       0x0102},
      {"U32", 4, [](ByteReader& r, std::uint32_t& v) { return r.U32(v); }, 0x01020304},
      {"Bytes", 3,
       [](ByteReader& r, std::uint32_t& v) {
         std::string_view b;
         const bool ok = r.Bytes(3, b);
         v = ok ? static_cast<std::uint32_t>(b[0] << 16 | b[1] << 8 | b[2]) : 0xEE;
         return ok;
       },
       0x010203},
  };
  for (const auto& c : reads) {
    SCOPED_TRACE(c.what);
    for (std::size_t left = 0; left <= c.width; ++left) {
      // `left` bytes remain after the position.
      ByteReader r(std::string_view(five).substr(0, c.width));
      ASSERT_TRUE(r.Seek(c.width - left));
      const std::size_t before = r.Position();
      std::uint32_t v = 0xEE;
      const bool ok = c.read(r, v);
      EXPECT_EQ(ok, left == c.width) << left << " left";
      EXPECT_EQ(r.Position(), ok ? before + c.width : before);
      if (ok) {
        EXPECT_EQ(v, c.value);
      }
    }
  }
}

TEST(ByteReader, SeekAndSkipGoToTheEndButNotBeyond) {
  ByteReader r("abc");
  EXPECT_TRUE(r.Seek(3));
  EXPECT_EQ(r.Remaining(), 0u);
  EXPECT_FALSE(r.Seek(4));
  EXPECT_EQ(r.Position(), 3u);
  EXPECT_TRUE(r.Seek(1));
  EXPECT_FALSE(r.Skip(3));
  EXPECT_EQ(r.Position(), 1u);
  EXPECT_TRUE(r.Skip(2));
  EXPECT_EQ(r.Remaining(), 0u);
}

TEST(ByteWriter, WritesBigEndianAndReadsBack) {
  ByteWriter w;
  w.U8(0xAB);
  w.U16(0x0102);
  w.U32(0);
  w.F32(-1.5f);
  w.Bytes("xy");
  w.PatchU32(3, 0xDEADBEEF);
  const std::string bytes = w.Take();
  EXPECT_EQ(bytes, "\xAB\x01\x02\xDE\xAD\xBE\xEF\xBF\xC0\x00\x00xy"s);
  ByteReader r(bytes);
  std::uint8_t a;
  std::uint16_t b;
  std::uint32_t c;
  float f;
  ASSERT_TRUE(r.U8(a) && r.U16(b) && r.U32(c) && r.F32(f));
  EXPECT_EQ(std::make_tuple(a, b, c, f), std::make_tuple(0xAB, 0x0102, 0xDEADBEEFu, -1.5f));
}

}  // namespace
}  // namespace tintora
