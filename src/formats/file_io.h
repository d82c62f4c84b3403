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

// The file's bytes, or nullopt with the system's reason in `error` (files above maxBytes are
// refused rather than read into memory).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string* error,
                                         std::uintmax_t maxBytes = 512ull * 1024 * 1024);

// Writes `bytes` to `path` atomically: into a temporary file beside it, then renamed into
// place, keeping the old file's permission bits (and, for root, its owner and group). Returns
// the reason on failure, nullopt on success; on failure the old file is untouched and no
// temporary file is left behind. A file nobody may write is not replaced ("x is read-only").
// Where no temporary file can be made beside a writable file (a folder the user may not
// write), the file is written in place instead.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The system calls a write goes through. Tests put steps in place that fail as the system
// would (returning -1 with errno set) to check what each failure leaves; the program never
// changes them.
struct WriteSteps {
  int (*open)(const char* path, int flags, unsigned mode);
  long (*write)(int fd, const void* data, unsigned long size);
  int (*fsync)(int fd);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
};
WriteSteps& CurrentWriteSteps();
const WriteSteps& SystemWriteSteps();

}  // namespace tintora
