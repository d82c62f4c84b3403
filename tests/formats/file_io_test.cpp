#include "formats/file_io.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tintora {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::size_t EntryCount(const fs::path& d) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(d), fs::directory_iterator()));
}

TEST(FileIo, WritesAndReadsBackExactBytes) {
  TempDir dir;
  const fs::path f = dir / "list.cdt";
  const std::string bytes = std::string("{Red}[FF0000]\r\n\0\xE9", 17);
  EXPECT_FALSE(WriteFileAtomically(f, bytes).has_value());
  std::string error;
  EXPECT_EQ(ReadWholeFile(f, &error), bytes);
  EXPECT_FALSE(WriteFileAtomically(f, "shorter").has_value());
  EXPECT_EQ(ReadWholeFile(f, &error), "shorter");
  EXPECT_EQ(EntryCount(dir.Path()), 1u);  // no temporary file left behind
}

TEST(FileIo, AFailedWriteSaysWhyAndLeavesNothingBehind) {
  TempDir dir;
  auto ro = testing::ReadOnlyFolder(dir);
  if (!ro) GTEST_SKIP() << "no read-only folder available";
  const auto error = WriteFileAtomically(*ro / "list.cdt", "new");
  ASSERT_TRUE(error.has_value());
  EXPECT_FALSE(error->empty());
  EXPECT_FALSE(fs::exists(*ro / "list.cdt"));
}

TEST(FileIo, AFailedWriteKeepsTheOldFile) {
  TempDir dir;
  const fs::path f = dir / "keep.cdt";
  ASSERT_FALSE(WriteFileAtomically(f, "old").has_value());
  // A folder where the file should be makes the final rename fail after the data was written.
  fs::create_directories(dir / "target.cdt");
  EXPECT_TRUE(WriteFileAtomically(dir / "target.cdt", "new").has_value());
  std::string error;
  EXPECT_EQ(ReadWholeFile(f, &error), "old");
  EXPECT_EQ(EntryCount(dir.Path()), 2u);
}

TEST(FileIo, AMissingFolderIsReportedNotCrashed) {
  TempDir dir;
  const auto error = WriteFileAtomically(dir / "no/such/file", "x");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(*error, "No such file or directory");
  ASSERT_FALSE(WriteFileAtomically(dir / "plain", "x").has_value());
  EXPECT_EQ(WriteFileAtomically(dir / "plain/inside", "x"), "Not a directory");
}

TEST(FileIo, ReadingRefusesDirectoriesMissingFilesAndOversizedFiles) {
  TempDir dir;
  std::string error;
  EXPECT_FALSE(ReadWholeFile(dir.Path(), &error).has_value());
  EXPECT_FALSE(ReadWholeFile(dir / "absent", &error).has_value());
  EXPECT_EQ(error, "No such file or directory");
  ASSERT_FALSE(WriteFileAtomically(dir / "big", std::string(1000, 'x')).has_value());
  EXPECT_FALSE(ReadWholeFile(dir / "big", &error, 999).has_value());
  EXPECT_TRUE(ReadWholeFile(dir / "big", &error, 1000).has_value());
}

TEST(FileIo, SavingThroughALinkReplacesTheTargetAndKeepsTheLink) {
  TempDir dir;
  const fs::path target = dir / "real.cdt";
  const fs::path link = dir / "link.cdt";
  ASSERT_FALSE(WriteFileAtomically(target, "old").has_value());
  fs::create_symlink(target, link);
  ASSERT_FALSE(WriteFileAtomically(link, "new").has_value());
  EXPECT_TRUE(fs::is_symlink(link));
  std::string error;
  EXPECT_EQ(ReadWholeFile(target, &error), "new");
}

}  // namespace
}  // namespace tintora
