// Whole-file reads and atomic writes. Every file Tintora writes goes to a temporary file in
// the same folder first and is renamed into place, so a failed save never damages the file
// that was there.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tintora {

// A path from UTF-8 text, on every platform.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

// The largest file taken as a colour list, settings or palette: far beyond the largest list
// Tintora holds comfortably (a million named colours take about 40 MB in any format).
inline constexpr std::uintmax_t kMaxReadBytes = 256ull * 1024 * 1024;

// Why a read gave nothing.
enum class ReadFailure {
  None,
  System,    // the system's reason (no such file, no rights, an I/O error)
  NotAFile,  // a folder, named pipe, socket or device: never opened for reading
  TooLarge,  // larger than maxBytes, told by its size before anything is read
};

// The file's bytes, or nullopt with the reason in `error`: the system's words for a System
// failure, otherwise a sentence that follows the file's name ("is a named pipe, not a file.").
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string* error,
                                         std::uintmax_t maxBytes = kMaxReadBytes,
                                         ReadFailure* failure = nullptr);

// Writes `bytes` to `path` atomically: into a temporary file beside it, then renamed into
// place, keeping the old file's permission bits (and, for root, its owner and group). Returns
// the reason on failure, nullopt on success; on failure the old file is untouched and no
// temporary file is left behind. A file nobody may write is not replaced ("x is read-only"),
// nor is anything that is not a plain file. Where no temporary file can be made beside a
// writable file (a folder the user may not write), the file is written in place, but only
// once its new size is reserved on the disk, and with its old bytes put back if the write
// fails after all: a crash during that write leaves an undo copy of the old bytes in the
// user's state folder, put back by the next read or save of the file (or RecoverInterruptedSaves).
//
// Temporary files are named ".tintora-PID-TAG.tmp" whatever the target's name, so a long name
// still fits; ones that a crashed save left behind (their writer gone, or a day old) are
// removed the next time anything is saved into that folder.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Puts back the old content of files whose in-place write (above) a crash interrupted; reads and
// saves of such a file do it for that file first. Nothing where no write was interrupted.
void RecoverInterruptedSaves();

// Whether a file name is one of our temporary files, and the process that made it.
std::optional<long> TemporaryFileWriter(std::string_view fileName);

// Holds an advisory lock on a folder for as long as it lives, so that two Tintoras changing a
// file in it one after the other never interleave. Waits for the lock; where locks are not to
// be had (no such folder, no support) it holds nothing and the work goes on unlocked.
class FolderLock {
 public:
  explicit FolderLock(const std::filesystem::path& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// The system calls a write goes through. Tests put steps in place that fail as the system
// would (returning -1 with errno set) to check what each failure leaves; the program never
// changes them.
struct WriteSteps {
  int (*open)(const char* path, int flags, unsigned mode);
  long (*write)(int fd, const void* data, unsigned long size);
  int (*fsync)(int fd);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
  // Reserves disk space for the file's first `length` bytes.
  int (*allocate)(int fd, long long length);
};
WriteSteps& CurrentWriteSteps();
const WriteSteps& SystemWriteSteps();

// For the platform's file layer: a failed read told to ReadWholeFile's caller (always nullopt),
// and the words for a file beyond the limit.
std::optional<std::string> ReadFailed(std::string* error, ReadFailure* failure, ReadFailure kind,
                                      std::string why);
std::string TooLargeText(std::uintmax_t size, std::uintmax_t maxBytes);

}  // namespace tintora
