// The file layer on POSIX systems: reads that never open what is not a file, replacement by
// rename, stale temporary files and folder locks. The in-place write of last resort is in
// file_io_posix_in_place.cpp.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <utility>

#include "core/io/file_io.h"
#include "core/io/file_io_posix.h"
#include "core/io/large_buffer.h"

namespace tintora {

namespace posix_io {

std::string Reason(int error) { return std::strerror(error); }

}  // namespace posix_io

using posix_io::BestEffort;
using posix_io::Reason;
using posix_io::RecoverInterruptedSave;
using posix_io::RemoveStaleTemporaries;
using posix_io::SyncAndClose;
using posix_io::WriteAll;
using posix_io::WriteInPlace;

namespace {

// What a path is when it is not a plain file ("a named pipe"); nullopt for a plain file.
std::optional<std::string> Kind(mode_t mode) {
  if (S_ISREG(mode)) return std::nullopt;
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  return "something else";
}

int SystemOpen(const char* path, int flags, unsigned mode) {
  return ::open(path, flags, static_cast<mode_t>(mode));
}
long SystemWrite(int fd, const void* data, unsigned long size) { return ::write(fd, data, size); }
int SystemAllocate(int fd, long long length) {
  const int error = ::posix_fallocate(fd, 0, static_cast<off_t>(length));
  if (error == 0) return 0;
  errno = error;
  return -1;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

}  // namespace

const WriteSteps& SystemWriteSteps() {
  static const WriteSteps steps{SystemOpen, SystemWrite, ::fsync, ::close, ::rename, SystemAllocate};
  return steps;
}

void AdviseLargeBuffer(const void* data, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
  if (bytes < kLargeBufferBytes) return;
  constexpr std::uintptr_t kLargePage = std::uintptr_t{1} << 21;
  const auto from = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (from + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t last = (from + bytes) & ~(kLargePage - 1);
  // Refused advice (large pages switched off, an older kernel) leaves ordinary pages.
  if (last > first) (void)::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
  (void)data;
  (void)bytes;
#endif
}

namespace {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::string* error,
                                         std::uintmax_t maxBytes, ReadFailure* failure) {
  auto fail = [&](ReadFailure kind, std::string why) {
    return ReadFailed(error, failure, kind, std::move(why));
  };
  if (failure) *failure = ReadFailure::None;
  auto tooLarge = [&](std::uintmax_t size) {
    return fail(ReadFailure::TooLarge, TooLargeText(size, maxBytes));
  };
  // Looked at before it is opened: opening a named pipe waits for a writer that may never
  // come, and a device may never end.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return fail(ReadFailure::System, Reason(errno));
  if (auto kind = Kind(st.st_mode)) return fail(ReadFailure::NotAFile, "is " + *kind + ", not a file.");
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
    return tooLarge(static_cast<std::uintmax_t>(st.st_size));

  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.Get() < 0) return fail(ReadFailure::System, Reason(errno));
  // What was opened must be what was looked at: it may have been swapped in between.
  if (::fstat(fd.Get(), &st) != 0) return fail(ReadFailure::System, Reason(errno));
  if (auto kind = Kind(st.st_mode)) return fail(ReadFailure::NotAFile, "is " + *kind + ", not a file.");

  // One allocation for a file of the size it says, with a byte to spare to see its end; a
  // file that grows while it is read grows the buffer, up to the limit.
  std::string data;
  ReserveLarge(data, static_cast<std::size_t>(std::min<std::uintmax_t>(st.st_size, maxBytes)) + 1);
  data.resize(data.capacity());
  std::size_t got = 0;
  for (;;) {
    if (got == data.size()) {
      if (got > maxBytes) return tooLarge(got);
      data.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(2 * got + 4096, maxBytes + 1)));
    }
    const ssize_t n = ::read(fd.Get(), data.data() + got, data.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail(ReadFailure::System, Reason(errno));
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (got > maxBytes) return tooLarge(got);
  data.resize(got);
  return data;
}

}  // namespace

std::optional<std::string> posix_io::ReadWholeFileUnchecked(const std::filesystem::path& path,
                                                            std::string* error) {
  return ReadFileBytes(path, error, kMaxReadBytes, nullptr);
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string* error,
                                         std::uintmax_t maxBytes, ReadFailure* failure) {
  RecoverInterruptedSave(path);
  return ReadFileBytes(path, error, maxBytes, failure);
}

FolderLock::FolderLock(const std::filesystem::path& folder) {
  fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) return;
  while (::flock(fd_, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    ::close(fd_);
    fd_ = -1;
    return;
  }
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);  // closing lets go of the lock
}

namespace posix_io {

// Everything or the reason why not. A write that takes nothing counts as a full disk, so a
// stubborn device cannot keep the loop going for ever.
std::optional<std::string> WriteAll(const WriteSteps& steps, int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const long n = steps.write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Reason(errno);
    if (n == 0) return Reason(ENOSPC);
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return std::nullopt;
}

// Syncs and closes; the descriptor is closed whatever the sync says.
std::optional<std::string> SyncAndClose(const WriteSteps& steps, int fd) {
  std::optional<std::string> why;
  if (steps.fsync(fd) != 0) why = Reason(errno);
  if (steps.close(fd) != 0 && !why) why = Reason(errno);
  return why;
}

}  // namespace posix_io

namespace {

bool WriterGone(long pid) {
  if (pid <= 0 || pid == ::getpid()) return false;
  return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

// Temporary files of ours that a crash or a kill left in the folder: their writer is gone, or
// they are a day old (a writer's number may have been given to another process since).
void posix_io::RemoveStaleTemporaries(const std::filesystem::path& folder) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return;
  const std::time_t dayAgo = std::time(nullptr) - 24 * 60 * 60;
  while (const dirent* entry = ::readdir(dir)) {
    const auto pid = TemporaryFileWriter(entry->d_name);
    if (!pid) continue;
    struct stat st {};
    if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
    if (WriterGone(*pid) || st.st_mtime < dayAgo) (void)::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

namespace {

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
  static std::mt19937 tags{std::random_device{}()};
  char name[48];
  std::snprintf(name, sizeof name, ".tintora-%ld-%08x.tmp", static_cast<long>(::getpid()),
                static_cast<unsigned>(tags()));
  return target.parent_path() / name;
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& requested,
                                               std::string_view bytes) {
  // Saving over a link replaces what it points to, not the link itself; a link to nothing yet
  // makes its file, where the folder it names is there.
  std::filesystem::path target = requested;
  for (int hops = 0;; ++hops) {
    struct stat link {};
    if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) break;
    // As many links as the system follows before it gives up (ELOOP).
    if (hops == 40) return PathToUtf8(requested.filename()) + " is a link that leads round in a circle";
    std::error_code ec;
    const std::filesystem::path to = std::filesystem::read_symlink(target, ec);
    if (ec) return ec.message();
    target = to.is_absolute() ? to : target.parent_path() / to;
  }
  if (target != requested) {
    struct stat folder {};
    const std::filesystem::path parent = target.parent_path().empty() ? "." : target.parent_path();
    if (::stat(parent.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
      return PathToUtf8(requested.filename()) + " is a link to " + PathToUtf8(target) +
             ", whose folder is not there";
  }
  RecoverInterruptedSave(target);

  const WriteSteps& steps = CurrentWriteSteps();
  struct stat st {};
  const bool existed = ::stat(target.c_str(), &st) == 0;
  if (existed && S_ISDIR(st.st_mode)) return std::string("Is a directory");
  // Replacing a pipe or a device would take it away from whatever uses it.
  if (auto kind = existed ? Kind(st.st_mode) : std::nullopt) return "Is " + *kind + ", not a file";
  // A file the user has made read-only (or may not write) is not replaced behind their back.
  if (existed && ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
    return PathToUtf8(target.filename()) + " is read-only";

  RemoveStaleTemporaries(target.parent_path());
  const std::filesystem::path tmp = TemporaryBeside(target);
  const int fd = steps.open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existed ? 0600 : 0666);
  if (fd < 0) {
    const int error = errno;
    if (existed && (error == EACCES || error == EPERM || error == EROFS))
      return WriteInPlace(steps, target, bytes);
    return Reason(error);
  }
  auto fail = [&](std::string why) {
    ::unlink(tmp.c_str());
    return std::optional<std::string>(std::move(why));
  };
  if (auto why = WriteAll(steps, fd, bytes)) {
    steps.close(fd);
    return fail(*why);
  }
  if (existed) {
    // What the user set on the file stays: its owner and group (only root can give them), then
    // its permission bits.
    if (::geteuid() == 0) BestEffort(::fchown(fd, st.st_uid, st.st_gid));
    (void)::fchmod(fd, st.st_mode & 07777);
  }
  if (auto why = SyncAndClose(steps, fd)) return fail(*why);
  if (steps.rename(tmp.c_str(), target.c_str()) != 0) return fail(Reason(errno));
  return std::nullopt;
}

}  // namespace tintora
