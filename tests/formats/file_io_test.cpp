#include "core/io/file_io.h"
#include "core/io/large_buffer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <thread>

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
  // A few bytes, and more than a buffer that is read with large pages asked for.
  std::string large(3 * kLargeBufferBytes + 7, '\0');
  for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>((i * 131) >> 7);
  std::string error;
  for (const std::string& bytes : {std::string("{Red}[FF0000]\r\n\0\xE9", 17), large}) {
    EXPECT_FALSE(WriteFileAtomically(f, bytes).has_value());
    const auto read = ReadWholeFile(f, &error);
    ASSERT_TRUE(read.has_value()) << error;
    EXPECT_TRUE(*read == bytes) << bytes.size() << " bytes";  // not printed: 24 MB
  }
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
      {"a short write, then a full disk", [](WriteSteps& s) { s.write = ShortThenFull; },
       "No space left on device"},
      {"a full disk", [](WriteSteps& s) { s.write = NoSpace; }, "No space left on device"},
      {"a write that takes nothing", [](WriteSteps& s) { s.write = TakesNothing; },
       "No space left on device"},
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
    EXPECT_EQ(closes, 1);                   // the descriptor is closed, whatever failed
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

// The user's state folder, where an in-place write keeps its undo copy: a scratch one for the
// scope, so tests never write into the real home.
class StateFolder {
 public:
  StateFolder() : path_(fs::temp_directory_path() / ("tintora-state-" + std::to_string(::getpid()))) {
    const char* old = std::getenv("XDG_STATE_HOME");
    saved_ = old ? std::optional<std::string>(old) : std::nullopt;
    ::setenv("XDG_STATE_HOME", path_.c_str(), 1);
  }
  ~StateFolder() {
    saved_ ? ::setenv("XDG_STATE_HOME", saved_->c_str(), 1) : ::unsetenv("XDG_STATE_HOME");
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  std::size_t UndoCopies() const {
    std::error_code ec;
    std::size_t n = 0;
    for (const auto& e : fs::recursive_directory_iterator(path_, ec)) n += e.path().extension() == ".undo";
    return n;
  }

 private:
  fs::path path_;
  std::optional<std::string> saved_;
};

int NoFilesBesideIt(const char* path, int flags, unsigned mode) {
  if (std::string(path).find("/.tintora-") != std::string::npos) {
    errno = EACCES;
    return -1;
  }
  return SystemWriteSteps().open(path, flags, mode);
}

TEST(FileIo, AWritableFileInAFolderThatIsNotIsWrittenInPlace) {
  TempDir dir;
  StateFolder state;
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
  EXPECT_EQ(state.UndoCopies(), 0u);  // gone once the write is whole
}

int NoSpaceToReserve(int, long long) {
  errno = ENOSPC;
  return -1;
}

// Where nothing can be made beside the file, a failure of the in-place write leaves the old
// file as it was: the disk full before the first byte (the space is reserved first), or the
// write failing half-way (the old bytes go back).
TEST(FileIo, AFailedWriteInPlaceKeepsTheOldFile) {
  const struct {
    const char* step;
    void (*arrange)(WriteSteps&);
  } cases[] = {
      {"no space to reserve", [](WriteSteps& s) { s.allocate = NoSpaceToReserve; }},
      {"a short write, then a full disk", [](WriteSteps& s) { s.write = ShortThenFull; }},
      {"a write that takes nothing", [](WriteSteps& s) { s.write = TakesNothing; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.step);
    TempDir dir;
    StateFolder state;
    const fs::path f = dir / "inplace.cdt";
    const std::string old = "{Old}[010203]\r\n{Older}[040506]\r\n";
    ASSERT_FALSE(WriteFileAtomically(f, old).has_value());
    Faults faults;
    writes = 0;
    faults.Steps().open = NoFilesBesideIt;
    c.arrange(faults.Steps());
    EXPECT_EQ(WriteFileAtomically(f, std::string(100000, 'n')), "No space left on device");
    std::string error;
    EXPECT_EQ(ReadWholeFile(f, &error), old);
    EXPECT_EQ(state.UndoCopies(), 0u);
  }
}

long SmallWrites(int fd, const void* data, unsigned long size) {
  return SystemWriteSteps().write(fd, data, std::min(size, 16ul << 10));
}

// Killed at any moment of an in-place write, a save leaves, by the next read of the file, the
// old content or the new, never the start of one and the rest of the other: a hundred kills at
// random moments of a 4 MB write (made of small writes, so most kills land inside it).
TEST(FileIo, AWriteInPlaceKilledAnywhereLeavesTheOldFileOrTheNew) {
  TempDir dir;
  StateFolder state;
  const fs::path f = dir / "inplace.cdt";
  const std::string before(4 << 20, 'o'), after((4 << 20) - 4096, 'n');
  const auto save = [&] {
    Faults faults;
    faults.Steps().open = NoFilesBesideIt;
    faults.Steps().write = SmallWrites;
    ::_exit(WriteFileAtomically(f, after) ? 1 : 0);
  };
  // How long a whole save takes, to kill within it.
  ASSERT_FALSE(WriteFileAtomically(f, before));
  const auto start = std::chrono::steady_clock::now();
  pid_t child = ::fork();
  if (child == 0) save();
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const auto whole =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  std::mt19937 random(29);
  int old = 0, fresh = 0;
  std::string error;
  for (int run = 0; run < 100; ++run) {
    ASSERT_FALSE(WriteFileAtomically(f, before));
    child = ::fork();
    if (child == 0) save();
    std::this_thread::sleep_for(whole * std::uniform_real_distribution<double>(0, 1.3)(random));
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    const auto now = ReadWholeFile(f, &error);
    ASSERT_TRUE(now) << error;
    if (*now == before)
      ++old;
    else if (*now == after)
      ++fresh;
    else
      FAIL() << "run " << run << ": a torn file of " << now->size() << " bytes";
  }
  EXPECT_GT(old, 10);  // the kills did land inside the write
  EXPECT_GT(fresh, 10);
  EXPECT_EQ(state.UndoCopies(), 0u);
}

TEST(FileIo, ALongNameThatIsLegalCanBeSaved) {
  TempDir dir;
  for (std::size_t length : {200u, 232u, 255u}) {
    const fs::path f = dir / (std::string(length - 4, 'n') + ".cdt");
    EXPECT_EQ(WriteFileAtomically(f, "x"), std::nullopt) << length;
    EXPECT_TRUE(fs::exists(f)) << length;
  }
}

// A process that has come and gone: its number belongs to nobody now.
long GonePid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(FileIo, TemporaryFilesACrashLeftAreRemovedAtTheNextSave) {
  TempDir dir;
  const auto dayAndABitAgo = fs::file_time_type::clock::now() - std::chrono::hours(25);
  const struct {
    std::string name;
    bool old;
    bool stays;
  } files[] = {
      {".tintora-" + std::to_string(GonePid()) + "-0badf00d.tmp", false, false},   // its writer is gone
      {".tintora-" + std::to_string(::getppid()) + "-12345678.tmp", false, true},  // still being written
      {".tintora-" + std::to_string(::getppid()) + "-9abcdef0.tmp", true, false},  // a day old
      {".tintora-" + std::to_string(GonePid()) + "-0badf00d.tmpx", false, true},   // not ours
      {".list.cdt.tmp-123", true, true},
      {"notes.tmp", true, true},
  };
  for (const auto& f : files) {
    ASSERT_FALSE(WriteFileAtomically(dir / f.name, "half a list").has_value());
    if (f.old) fs::last_write_time(dir / f.name, dayAndABitAgo);
  }
  ASSERT_FALSE(WriteFileAtomically(dir / "list.cdt", "{a}[010203]\r\n").has_value());
  for (const auto& f : files) EXPECT_EQ(fs::exists(dir / f.name), f.stays) << f.name;
  EXPECT_EQ(TemporaryFileWriter(".tintora-42-0123abcd.tmp"), 42);
  EXPECT_EQ(TemporaryFileWriter(".tintora--0123abcd.tmp"), std::nullopt);
  EXPECT_EQ(TemporaryFileWriter(".tintora-42-0123ABCD.tmp"), std::nullopt);
}

TEST(FileIo, WhatIsNotAFileIsNeitherReadNorReplaced) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "pipe.cdt").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir / "zero.aco");
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = (dir / "socket.cdt").string();
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  const struct {
    const char* name;
    const char* why;
  } cases[] = {
      {"pipe.cdt", "is a named pipe, not a file."},
      {"zero.aco", "is a device, not a file."},
      {"socket.cdt", "is a socket, not a file."},
      {"", "is a folder, not a file."},
  };
  for (const auto& c : cases) {
    std::string error;
    ReadFailure failure = ReadFailure::None;
    EXPECT_FALSE(ReadWholeFile(dir / c.name, &error, kMaxReadBytes, &failure).has_value()) << c.name;
    EXPECT_EQ(error, c.why);
    EXPECT_EQ(failure, ReadFailure::NotAFile);
  }
  ::close(sock);
  EXPECT_EQ(WriteFileAtomically(dir / "pipe.cdt", "x"), "Is a named pipe, not a file");
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.cdt"));
}

TEST(FileIo, AFileLargerThanAnyListIsRefusedBeforeItIsRead) {
  TempDir dir;
  const fs::path f = dir / "sparse.aco";
  { std::ofstream out(f); }
  const struct {
    std::uintmax_t size;
    const char* why;
  } rows[] = {
      {2ull << 30, "is too large (2.0 GB; Tintora reads files of at most 256 MB)."},
      // Just past the limit, the sizes are told in bytes, where they differ.
      {kMaxReadBytes + 1,
       "is too large (268,435,457 bytes; Tintora reads files of at most 268,435,456 bytes)."},
  };
  for (const auto& row : rows) {
    fs::resize_file(f, row.size);  // sparse: no disk space, nothing to read
    std::string error;
    ReadFailure failure = ReadFailure::None;
    EXPECT_FALSE(ReadWholeFile(f, &error, kMaxReadBytes, &failure).has_value());
    EXPECT_EQ(failure, ReadFailure::TooLarge);
    EXPECT_EQ(error, row.why);
  }
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

// A link stays a link: saving through it replaces (or makes) what it points to, and a link that
// points nowhere to be or round in a circle is refused.
TEST(FileIo, SavingThroughALinkWritesWhatItPointsTo) {
  TempDir dir;
  const fs::path target = dir / "real.cdt", link = dir / "link.cdt";
  std::string error;
  ASSERT_FALSE(WriteFileAtomically(target, "old").has_value());
  fs::create_symlink(target, link);
  fs::create_symlink("link.cdt", dir / "link-to-link.cdt");
  ASSERT_FALSE(WriteFileAtomically(dir / "link-to-link.cdt", "new").has_value());
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadWholeFile(target, &error), "new");
  // A link to a file still to be made makes it.
  fs::create_symlink("later.cdt", dir / "dangling.cdt");
  ASSERT_FALSE(WriteFileAtomically(dir / "dangling.cdt", "made").has_value());
  EXPECT_TRUE(fs::is_symlink(dir / "dangling.cdt"));
  EXPECT_EQ(ReadWholeFile(dir / "later.cdt", &error), "made");
  // Nowhere to be, and round in a circle.
  fs::create_symlink(dir / "missing" / "x.cdt", dir / "nowhere.cdt");
  fs::create_symlink("loop-b.cdt", dir / "loop-a.cdt");
  fs::create_symlink("loop-a.cdt", dir / "loop-b.cdt");
  EXPECT_NE(WriteFileAtomically(dir / "nowhere.cdt", "x").value_or("").find("whose folder is not there"),
            std::string::npos);
  EXPECT_EQ(WriteFileAtomically(dir / "loop-a.cdt", "x"),
            "loop-a.cdt is a link that leads round in a circle");
  for (const char* name : {"nowhere.cdt", "loop-a.cdt", "loop-b.cdt"})
    EXPECT_TRUE(fs::is_symlink(dir / name));
}

// The address ranges the kernel lists for this process with large pages asked for ("hg").
std::vector<std::pair<std::uintptr_t, std::uintptr_t>> RangesAdvisedForLargePages() {
  std::vector<std::pair<std::uintptr_t, std::uintptr_t>> ranges;
  std::ifstream smaps("/proc/self/smaps");
  std::string line;
  std::uintptr_t from = 0, to = 0;
  while (std::getline(smaps, line)) {
    // A mapping's first line is its range; field names such as "FilePmdMapped" start like hex.
    std::uintptr_t a = 0, b = 0;
    if (std::sscanf(line.c_str(), "%zx-%zx ", &a, &b) == 2) {
      from = a;
      to = b;
      continue;
    }
    if (line.starts_with("VmFlags:") && (' ' + line + ' ').find(" hg ") != std::string::npos)
      ranges.emplace_back(from, to);
  }
  return ranges;
}

TEST(LargeBuffer, OnlyWholeLargePagesInsideABigBufferAreAdvised) {
  if (!fs::exists("/proc/self/smaps")) GTEST_SKIP() << "no /proc/self/smaps to see the advice in";
  struct Case {
    std::size_t bytes;
    bool advised;
  };
  for (const Case c : {Case{kLargeBufferBytes - 1, false}, Case{kLargeBufferBytes, true},
                       Case{3 * kLargeBufferBytes + 12345, true}}) {
    std::string buffer;
    ReserveLarge(buffer, c.bytes);
    const auto begin = reinterpret_cast<std::uintptr_t>(buffer.data());
    const auto end = begin + buffer.capacity();
    bool inside = false;
    for (const auto& [from, to] : RangesAdvisedForLargePages()) {
      if (to <= begin || from >= end) continue;
      // Advice beyond the buffer would change memory it does not own.
      EXPECT_TRUE(from >= begin && to <= end) << c.bytes << " bytes: advised past the buffer";
      EXPECT_EQ(from % (2u << 20), 0u) << c.bytes;
      inside = true;
    }
    EXPECT_EQ(inside, c.advised) << c.bytes << " bytes";
  }
}

}  // namespace
}  // namespace tintora
