#include "formats/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

// The write's system calls, one of them made to fail as the system would; back to the real
// ones at the end of the scope.
class Faults {
 public:
  Faults() : saved_(CurrentWriteSteps()) {}
  ~Faults() { CurrentWriteSteps() = saved_; }
  WriteSteps& Steps() { return CurrentWriteSteps(); }

 private:
  WriteSteps saved_;
};

int writes = 0, closes = 0;

long ShortThenFull(int fd, const void* data, unsigned long size) {
  if (++writes == 1) return SystemWriteSteps().write(fd, data, size / 2);
  errno = ENOSPC;
  return -1;
}
long NoSpace(int, const void*, unsigned long) {
  errno = ENOSPC;
  return -1;
}
long TakesNothing(int, const void*, unsigned long) { return 0; }
int FsyncFails(int) {
  errno = EIO;
  return -1;
}
int CountedClose(int fd) {
  ++closes;
  return SystemWriteSteps().close(fd);
}
int CloseFails(int fd) {
  ++closes;
  SystemWriteSteps().close(fd);
  errno = EIO;
  return -1;
}
int RenameFails(const char*, const char*) {
  errno = EXDEV;
  return -1;
}

TEST(FileIo, AFailureAtAnyStepKeepsTheOldFileAndSaysWhy) {
  const struct {
    const char* step;
    void (*arrange)(WriteSteps&);
    const char* why;
  } cases[] = {
      {"a short write, then a full disk", [](WriteSteps& s) { s.write = ShortThenFull; }, "No space left on device"},
      {"a full disk", [](WriteSteps& s) { s.write = NoSpace; }, "No space left on device"},
      {"a write that takes nothing", [](WriteSteps& s) { s.write = TakesNothing; }, "No space left on device"},
      {"the sync", [](WriteSteps& s) { s.fsync = FsyncFails; }, "Input/output error"},
      {"the close", [](WriteSteps& s) { s.close = CloseFails; }, "Input/output error"},
      {"the rename", [](WriteSteps& s) { s.rename = RenameFails; }, "Invalid cross-device link"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.step);
    TempDir dir;
    const fs::path f = dir / "keep.cdt";
    const std::string old = std::string("{Old}[010203]\r\n", 15);
    ASSERT_FALSE(WriteFileAtomically(f, old).has_value());
    Faults faults;
    writes = closes = 0;
    faults.Steps().close = CountedClose;
    c.arrange(faults.Steps());
    const auto error = WriteFileAtomically(f, std::string(100000, 'n'));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, c.why);
    std::string readError;
    EXPECT_EQ(ReadWholeFile(f, &readError), old);
    EXPECT_EQ(EntryCount(dir.Path()), 1u);  // no temporary file behind
    EXPECT_EQ(closes, 1);                  // the descriptor is closed, whatever failed
  }
}

TEST(FileIo, ReplacingKeepsTheModeAndARootSaveKeepsTheOwner) {
  TempDir dir;
  const fs::path f = dir / "shared.cdt";
  ASSERT_FALSE(WriteFileAtomically(f, "old").has_value());
  fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(f.c_str(), 4321, 4322), 0);
  }
  ASSERT_FALSE(WriteFileAtomically(f, "new").has_value());
  struct stat st {};
  ASSERT_EQ(::stat(f.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
  }
}

TEST(FileIo, AReadOnlyFileIsNotReplaced) {
  TempDir dir;
  const fs::path f = dir / "fixed.cdt";
  ASSERT_FALSE(WriteFileAtomically(f, "old").has_value());
  fs::permissions(f, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(WriteFileAtomically(f, "new"), "fixed.cdt is read-only");
  std::string error;
  EXPECT_EQ(ReadWholeFile(f, &error), "old");
  EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

int NoFilesBesideIt(const char* path, int flags, unsigned mode) {
  if (std::string(path).find(".tmp-") != std::string::npos) {
    errno = EACCES;
    return -1;
  }
  return SystemWriteSteps().open(path, flags, mode);
}

TEST(FileIo, AWritableFileInAFolderThatIsNotIsWrittenInPlace) {
  TempDir dir;
  const fs::path f = dir / "inplace.cdt";
  ASSERT_FALSE(WriteFileAtomically(f, "a much longer old content").has_value());
  fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write);
  Faults faults;
  faults.Steps().open = NoFilesBesideIt;
  ASSERT_FALSE(WriteFileAtomically(f, "new").has_value());
  std::string error;
  EXPECT_EQ(ReadWholeFile(f, &error), "new");
  EXPECT_EQ(fs::status(f).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  // A new file there cannot be made at all, and says so.
  EXPECT_EQ(WriteFileAtomically(dir / "fresh.cdt", "x"), "Permission denied");
  EXPECT_EQ(EntryCount(dir.Path()), 1u);
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
