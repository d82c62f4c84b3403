// Zip archives as the palette formats that are zips read them: within bounds however an
// archive lies, each entry held to what its listing says, big entries inflated ahead.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/formats/list_formats.h"
#include "core/io/zip_archive.h"
#include "core/io/zip_writer.h"
#include "support/lists.h"
#include "support/zips.h"

namespace tintora {
namespace {

using Status = ListReadResult::Status;

// A big entry is inflated on a thread of its own, ahead of its reader: its pieces come in
// order, a reader may stop at any piece, and the bounds and damage are found as before.
TEST(ZipArchives, BigEntriesAreInflatedAheadInOrderWithinTheSameBounds) {
  std::string noise(3u << 20, '\0');  // hardly compressible, so its deflated bytes are many
  std::uint32_t state = 1;
  for (char& c : noise) c = static_cast<char>((state = state * 1664525u + 1013904223u) >> 24);
  const std::string archive = Zip({{"e", noise}});
  const ZipReader zip(archive);
  std::string joined;
  std::size_t claimed = 0;
  EXPECT_EQ(zip.Stream(
                   "e", [&](std::string_view piece) { return joined += piece, true; }, &claimed)
                .why,
            "");
  EXPECT_EQ(claimed, noise.size());
  EXPECT_TRUE(joined == noise);
  int pieces = 0;
  EXPECT_EQ(zip.Stream("e", [&](std::string_view) { return ++pieces < 2; }).why, "");
  EXPECT_EQ(pieces, 2);
  // A byte of the deflated data changed, halfway.
  std::string damaged = archive;
  damaged[damaged.size() / 2] ^= 0x55;
  EXPECT_EQ(ZipReader(damaged).Stream("e", [](std::string_view) { return true; }).why,
            "is a damaged zip archive: its e cannot be unpacked.");
  // An entry claiming 2 MB that unpacks to more than the bound.
  std::string liar = Zip({{"e", std::string(kZipMaxEntryBytes + 1, '0')}});
  const auto claim = [&](std::size_t at) { liar.replace(at, 4, std::string("\0\0\x20\0", 4)); };
  claim(22);
  claim(liar.rfind(std::string("PK\x01\x02", 4)) + 24);
  std::size_t taken = 0;
  EXPECT_EQ(
      ZipReader(liar).Stream("e", [&](std::string_view piece) { return taken += piece.size(), true; }).why,
      "would unpack its e to more than 64 MB, more than a palette can hold: it is refused.");
  EXPECT_LE(taken, kZipMaxEntryBytes);
}

// A zip is read only within bounds: what it says it holds and what it really unpacks to.
TEST(ZipArchives, AreReadWithinBounds) {
  const std::string huge(kZipMaxEntryBytes + 1, '0');  // deflates to a few hundred kilobytes
  const std::string bomb = Zip({{"Swatches.json", huge}});
  EXPECT_LT(bomb.size(), 400u * 1024);
  const ListReadResult r = ReadListFile(ListFormat::Procreate, bomb);
  EXPECT_EQ(r.status, Status::Refused);
  EXPECT_NE(r.reason.find("would unpack its Swatches.json to 65 MB"), std::string::npos) << r.reason;
  // The same archive claiming to hold a hundred bytes (its local header and its central
  // directory altered): what really comes out is counted, and stopped at the bound.
  std::string liar = bomb;
  const auto claim = [&](std::size_t at) { liar.replace(at, 4, std::string("\x64\0\0\0", 4)); };
  claim(22);                                             // the local header's uncompressed size
  claim(liar.rfind(std::string("PK\x01\x02", 4)) + 24);  // the central directory's
  const ListReadResult lied = ReadListFile(ListFormat::Procreate, liar);
  EXPECT_EQ(lied.status, Status::Refused);
  EXPECT_NE(lied.reason.find("would unpack its Swatches.json to more than 64 MB"), std::string::npos)
      << lied.reason;
  // An archive of more files than any palette.
  std::vector<std::string> names;
  for (std::size_t i = 0; i <= kZipMaxEntries; ++i) names.push_back(std::to_string(i));
  std::vector<ZipEntryToWrite> crowd;
  for (const std::string& n : names) crowd.push_back({n, "", true});
  EXPECT_NE(ReadListFile(ListFormat::Kpl, WriteZip(crowd)).reason.find("more files than any palette"),
            std::string::npos);
  // Cut anywhere, an archive is refused, never read past its end.
  const std::string good = WriteListFile(ListFormat::Kpl, List({{"a", "010203"}})).bytes;
  for (std::size_t cut = 0; cut < good.size(); cut += 7)
    EXPECT_EQ(ReadListFile(ListFormat::Kpl, good.substr(0, cut)).status, Status::Refused) << cut;
}

// An entry is read as the archive's listing describes it, and held to it: its CRC, its size,
// its way of packing; in any case of its name; through zip64's records as through the plain.
TEST(ZipArchives, EntriesAreHeldToTheirListing) {
  const std::string text = "a palette's text";
  const ZipEntryToWrite stored[] = {{"a.txt", text, true}};
  const std::string plain = WriteZip(stored);
  const std::size_t listing = plain.rfind(std::string("PK\x01\x02", 4)), data = 30 + 5;
  const auto put = [](std::string& b, std::size_t at, std::uint64_t v, int size) {
    for (int k = 0; k < size; ++k) b[at + k] = static_cast<char>(v >> (8 * k));
  };
  // The same archive with the listing's sizes and place in zip64 fields, and zip64's end records.
  std::string zip64 = plain.substr(0, listing + 46 + 5);
  put(zip64, listing + 20, 0xFFFFFFFF, 4), put(zip64, listing + 24, 0xFFFFFFFF, 4);
  put(zip64, listing + 42, 0xFFFFFFFF, 4), put(zip64, listing + 30, 32, 2);
  zip64 += std::string("\x09\x00\x00\x00", 4) + std::string("\x01\x00\x18\x00", 4) + std::string(24, '\0');
  put(zip64, zip64.size() - 24, text.size(), 8), put(zip64, zip64.size() - 16, text.size(), 8);
  const std::size_t end64 = zip64.size();
  zip64 += std::string("PK\x06\x06", 4) + std::string(52, '\0');
  put(zip64, end64 + 32, 1, 8), put(zip64, end64 + 40, end64 - listing, 8),
      put(zip64, end64 + 48, listing, 8);
  zip64 += std::string("PK\x06\x07", 4) + std::string(16, '\0');
  put(zip64, end64 + 56 + 8, end64, 8), put(zip64, end64 + 56 + 16, 1, 4);
  zip64 += std::string("PK\x05\x06", 4) + std::string(4, '\0') + std::string(4, '\xFF') +
           std::string(8, '\xFF') + std::string(2, '\0');
  struct Case {
    const char* what;
    std::size_t at;
    std::uint64_t value;
    int size;
    const char* why;  // "" when it reads whole
  } cases[] = {
      {"as written", 0, 0x04034b50, 4, ""},
      {"its CRC changed", listing + 16, 0x12345678, 4,
       "is a damaged zip archive: its A.TXT cannot be unpacked."},
      {"a byte of its data changed", data + 3, 'X', 1,
       "is a damaged zip archive: its A.TXT cannot be unpacked."},
      {"claiming a byte more", listing + 24, text.size() + 1, 4, "is a damaged zip archive"},
      {"encrypted", listing + 8, 1, 2, "cannot be unpacked (it is encrypted)."},
      {"packed by bzip2", listing + 10, 12, 2,
       "cannot be unpacked (it is compressed in a way palettes are not)."},
      {"its header placed past the end", listing + 42, plain.size(), 4, "is a damaged zip archive"},
      {"its header not a header", 0, 0x04034b51, 4, "is a damaged zip archive"},
      {"a split archive", plain.size() - 22 + 4, 1, 2, "is not a zip archive, or a damaged one."},
  };
  for (const Case& c : cases) {
    std::string archive = plain;
    put(archive, c.at, c.value, c.size);
    const ZipEntryRead read = ZipReader(archive).Read("A.TXT");
    EXPECT_TRUE(*c.why ? read.why.find(c.why) != std::string::npos : read.why.empty())
        << c.what << ": " << read.why;
    if (!*c.why) {
      EXPECT_EQ(read.bytes.value_or(""), text) << c.what;
    }
  }
  const ZipEntryRead read64 = ZipReader(zip64).Read("a.txt");
  EXPECT_EQ(read64.bytes.value_or(ZipReader(zip64).Why() + read64.why), text);
}

}  // namespace
}  // namespace tintora
