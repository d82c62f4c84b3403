// The in-place write of last resort, for a writable file where nothing can be made beside it.
// Written in place, a file is torn if the program dies half-way. So before the first byte
// changes, the old bytes go to an undo copy in the user's own state folder (synced, then named
// for the file): a crash while that copy is made leaves the file untouched; a crash during the
// write leaves the copy, and the next read or save of the file (or the next start) puts the old
// bytes back; a crash after the new bytes are synced leaves a copy whose record of the new
// content matches the file, and it is only removed.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/io/file_io.h"
#include "core/io/file_io_posix.h"

namespace tintora {

using posix_io::BestEffort;
using posix_io::ReadWholeFileUnchecked;
using posix_io::Reason;
using posix_io::RemoveStaleTemporaries;
using posix_io::WriteAll;

namespace {

std::optional<std::string> ReadAllAt(int fd, std::size_t size) {
  std::string old(size, '\0');
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::pread(fd, old.data() + got, size - got, static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return std::nullopt;
    got += static_cast<std::size_t>(n);
  }
  return old;
}

constexpr std::string_view kUndoMagic = "TINTORA-UNDO 1\n";

std::uint64_t Fnv1a(std::string_view bytes) {
  std::uint64_t h = 1469598103934665603ull;
  for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return h;
}

std::filesystem::path UndoFolder() {
  if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
    return std::filesystem::path(state) / "tintora" / "interrupted-saves";
  if (const char* home = std::getenv("HOME"); home && *home == '/')
    return std::filesystem::path(home) / ".local" / "state" / "tintora" / "interrupted-saves";
  return {};
}

std::filesystem::path UndoCopyOf(const std::filesystem::path& target) {
  const std::filesystem::path folder = UndoFolder();
  if (folder.empty()) return {};
  char name[32];
  std::snprintf(name, sizeof name, "%016llx.undo",
                static_cast<unsigned long long>(Fnv1a(std::filesystem::absolute(target).native())));
  return folder / name;
}

struct UndoRecord {
  std::string path;
  std::size_t newSize = 0;
  std::uint64_t newHash = 0;
  std::string_view old;
};

// The record in an undo copy's bytes; nullopt when they are not a whole one.
std::optional<UndoRecord> ParseUndo(std::string_view bytes) {
  if (!bytes.starts_with(kUndoMagic)) return std::nullopt;
  bytes.remove_prefix(kUndoMagic.size());
  const std::size_t eol = bytes.find('\n');
  if (eol == std::string_view::npos) return std::nullopt;
  unsigned long long pathSize = 0, oldSize = 0, newSize = 0, newHash = 0;
  const std::string header(bytes.substr(0, eol));
  if (std::sscanf(header.c_str(), "%llu %llu %llu %llx", &pathSize, &oldSize, &newSize, &newHash) != 4)
    return std::nullopt;
  bytes.remove_prefix(eol + 1);
  if (bytes.size() != pathSize + oldSize) return std::nullopt;
  return UndoRecord{std::string(bytes.substr(0, pathSize)), static_cast<std::size_t>(newSize), newHash,
                    bytes.substr(pathSize)};
}

void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  BestEffort(::fsync(fd));
  ::close(fd);
}

// Makes the undo copy of `old` for a write of `bytes` over `target`; the reason when it cannot.
std::optional<std::string> KeepUndoCopy(const std::filesystem::path& target, std::string_view old,
                                        std::string_view bytes) {
  const std::filesystem::path copy = UndoCopyOf(target);
  if (copy.empty())
    return std::string("there is no home folder to keep its old content in while it is written");
  std::error_code ec;
  std::filesystem::create_directories(copy.parent_path(), ec);
  RemoveStaleTemporaries(copy.parent_path());
  const std::string path = std::filesystem::absolute(target).native();
  char header[96];
  std::snprintf(header, sizeof header, "%zu %zu %zu %llx\n", path.size(), old.size(), bytes.size(),
                static_cast<unsigned long long>(Fnv1a(bytes)));
  std::string record;
  record.reserve(kUndoMagic.size() + sizeof header + path.size() + old.size());
  record.append(kUndoMagic).append(header).append(path).append(old);
  const std::filesystem::path tmp =
      copy.parent_path() / (".tintora-" + std::to_string(::getpid()) + "-00000000.tmp");
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return Reason(errno);
  auto why = WriteAll(SystemWriteSteps(), fd, record);
  if (!why && ::fsync(fd) != 0) why = Reason(errno);
  ::close(fd);
  if (!why && ::rename(tmp.c_str(), copy.c_str()) != 0) why = Reason(errno);
  if (why) {
    ::unlink(tmp.c_str());
    return why;
  }
  SyncFolder(copy.parent_path());
  return std::nullopt;
}

// Puts back what an undo copy holds, unless the file already holds the new content; the copy
// goes once the file is whole. A copy that cannot be read or applied stays for the next time.
void ApplyUndoCopy(const std::filesystem::path& copy) {
  if (::access(copy.c_str(), F_OK) != 0) return;
  std::string error;
  const auto bytes = ReadWholeFileUnchecked(copy, &error);
  if (!bytes) return;
  const auto record = ParseUndo(*bytes);
  if (!record) {  // not one of ours, or cut short while made: then the file was never touched
    ::unlink(copy.c_str());
    return;
  }
  const auto now = ReadWholeFileUnchecked(record->path, &error);
  if (now && now->size() == record->newSize && Fnv1a(*now) == record->newHash) {
    ::unlink(copy.c_str());
    return;
  }
  const int fd = ::open(record->path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return;
  const bool restored = !WriteAll(SystemWriteSteps(), fd, record->old) &&
                        ::ftruncate(fd, static_cast<off_t>(record->old.size())) == 0 && ::fsync(fd) == 0;
  ::close(fd);
  if (restored) ::unlink(copy.c_str());
}

}  // namespace

// For a writable file where nothing can be made beside it. The new content is complete in
// memory; the disk space it needs is reserved before a byte of the old file changes, and the
// old bytes, kept aside, go back if the write fails all the same.
std::optional<std::string> posix_io::WriteInPlace(const WriteSteps& steps,
                                                  const std::filesystem::path& target,
                                                  std::string_view bytes) {
  const int fd = steps.open(target.c_str(), O_RDWR | O_CLOEXEC, 0);
  if (fd < 0) return Reason(errno);
  auto closeWith = [&](std::string why) {
    steps.close(fd);
    return std::optional<std::string>(std::move(why));
  };
  struct stat st {};
  if (::fstat(fd, &st) != 0) return closeWith(Reason(errno));
  const auto oldSize = static_cast<std::size_t>(st.st_size);
  const auto old = ReadAllAt(fd, oldSize);
  if (!old)
    return closeWith(PathToUtf8(target.filename()) + " cannot be read back, so it is not overwritten");
  if (auto why = KeepUndoCopy(target, *old, bytes))
    return closeWith(PathToUtf8(target.filename()) + " cannot be saved safely in place: " + *why);
  // Whatever happens next leaves the file whole (old or new), so the copy can go.
  struct DropCopy {
    std::filesystem::path copy;
    ~DropCopy() { ::unlink(copy.c_str()); }
  } dropCopy{UndoCopyOf(target)};
  if (bytes.size() > oldSize && steps.allocate(fd, static_cast<long long>(bytes.size())) != 0) {
    const int error = errno;
    // Filesystems without reservations still get the old bytes put back on failure.
    if (error != EOPNOTSUPP && error != ENOSYS && error != EINVAL) {
      BestEffort(::ftruncate(fd, static_cast<off_t>(oldSize)));  // an emulated reservation may have grown it
      return closeWith(Reason(error));
    }
  }
  if (::lseek(fd, 0, SEEK_SET) != 0) return closeWith(Reason(errno));
  if (auto why = WriteAll(steps, fd, bytes)) {
    (void)::lseek(fd, 0, SEEK_SET);
    (void)WriteAll(SystemWriteSteps(), fd, *old);
    BestEffort(::ftruncate(fd, static_cast<off_t>(oldSize)));
    return closeWith(*why);
  }
  if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) return closeWith(Reason(errno));
  return SyncAndClose(steps, fd);
}

void posix_io::RecoverInterruptedSave(const std::filesystem::path& target) {
  const std::filesystem::path copy = UndoCopyOf(target);
  if (!copy.empty()) ApplyUndoCopy(copy);
}

void RecoverInterruptedSaves() {
  const std::filesystem::path folder = UndoFolder();
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (entry.path().extension() == ".undo") ApplyUndoCopy(entry.path());
}

}  // namespace tintora
