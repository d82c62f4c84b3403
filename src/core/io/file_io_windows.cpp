// The file layer on Windows: reads that never open what is not a file, replacement by
// ReplaceFileW / MoveFileExW after FlushFileBuffers, stale temporary files. Paths are UTF-16
// throughout (std::filesystem::path holds them so); the system's reasons come back as UTF-8.
// Folder locks hold nothing here: the settings file's read-change-write goes on unlocked.
#include <windows.h>

#include <cstdio>
#include <ctime>
#include <random>

#include "core/io/file_io.h"
#include "core/io/large_buffer.h"
#include "core/io/windows_text.h"

namespace tintora {

namespace {

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (Ok()) ::CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool Ok() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE Get() const { return h_; }
  bool Close() {
    const bool closed = ::CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE h_;
};

// What a handle is when it is not a file on a disk ("a named pipe"); nullopt for a file.
std::optional<std::string> Kind(HANDLE h) {
  switch (::GetFileType(h)) {
    case FILE_TYPE_DISK:
      return std::nullopt;
    case FILE_TYPE_PIPE:
      return "a named pipe";
    case FILE_TYPE_CHAR:
      return "a device";
    default:
      return "something else";
  }
}

int SystemOpen(const char*, int, unsigned) { return -1; }
long SystemWrite(int, const void*, unsigned long) { return -1; }
int SystemFsync(int) { return -1; }
int SystemClose(int) { return -1; }
int SystemRename(const char*, const char*) { return -1; }
int SystemAllocate(int, long long) { return -1; }

}  // namespace

// The descriptor-level steps are the POSIX layer's; nothing here goes through them.
const WriteSteps& SystemWriteSteps() {
  static const WriteSteps steps{SystemOpen,  SystemWrite,  SystemFsync,
                                SystemClose, SystemRename, SystemAllocate};
  return steps;
}

// Large pages need a privilege on Windows that a desktop program does not hold.
void AdviseLargeBuffer(const void*, std::size_t) {}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string* error,
                                         std::uintmax_t maxBytes, ReadFailure* failure) {
  auto fail = [&](ReadFailure kind, std::string why) {
    return ReadFailed(error, failure, kind, std::move(why));
  };
  if (failure) *failure = ReadFailure::None;
  auto tooLarge = [&](std::uintmax_t size) {
    return fail(ReadFailure::TooLarge, TooLargeText(size, maxBytes));
  };
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return fail(ReadFailure::System, SystemReason(::GetLastError()));
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return fail(ReadFailure::NotAFile, "is a folder, not a file.");
  Handle file(::CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Ok()) return fail(ReadFailure::System, SystemReason(::GetLastError()));
  if (auto kind = Kind(file.Get())) return fail(ReadFailure::NotAFile, "is " + *kind + ", not a file.");
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size)) return fail(ReadFailure::System, SystemReason(::GetLastError()));
  if (static_cast<std::uintmax_t>(size.QuadPart) > maxBytes)
    return tooLarge(static_cast<std::uintmax_t>(size.QuadPart));
  std::string data(static_cast<std::size_t>(size.QuadPart) + 1, '\0');
  std::size_t got = 0;
  for (;;) {
    if (got == data.size()) {
      if (got > maxBytes) return tooLarge(got);
      data.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(2 * got + 4096, maxBytes + 1)));
    }
    DWORD n = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(data.size() - got, 1u << 30));
    if (!::ReadFile(file.Get(), data.data() + got, want, &n, nullptr))
      return fail(ReadFailure::System, SystemReason(::GetLastError()));
    if (n == 0) break;
    got += n;
  }
  if (got > maxBytes) return tooLarge(got);
  data.resize(got);
  return data;
}

FolderLock::FolderLock(const std::filesystem::path&) {}
FolderLock::~FolderLock() = default;

namespace {

bool WriterGone(long pid) {
  if (pid <= 0 || static_cast<DWORD>(pid) == ::GetCurrentProcessId()) return false;
  HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
  if (!process) return ::GetLastError() == ERROR_INVALID_PARAMETER;  // no such process
  DWORD code = 0;
  const bool ended = ::GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
  ::CloseHandle(process);
  return ended;
}

// Temporary files of ours that a crash left in the folder: their writer is gone, or they are a
// day old (a writer's number may have been given to another process since).
void RemoveStaleTemporaries(const std::filesystem::path& folder) {
  WIN32_FIND_DATAW found;
  const std::filesystem::path pattern =
      (folder.empty() ? std::filesystem::path(L".") : folder) / L".tintora-*.tmp";
  HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  ULARGE_INTEGER now{};
  FILETIME nowTime;
  ::GetSystemTimeAsFileTime(&nowTime);
  now.LowPart = nowTime.dwLowDateTime;
  now.HighPart = nowTime.dwHighDateTime;
  constexpr unsigned long long kDay = 24ull * 60 * 60 * 10'000'000;  // in 100 ns
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const auto pid = TemporaryFileWriter(Utf8(found.cFileName));
    if (!pid) continue;
    ULARGE_INTEGER written{};
    written.LowPart = found.ftLastWriteTime.dwLowDateTime;
    written.HighPart = found.ftLastWriteTime.dwHighDateTime;
    if (WriterGone(*pid) || written.QuadPart + kDay < now.QuadPart)
      ::DeleteFileW(((folder.empty() ? std::filesystem::path(L".") : folder) / found.cFileName).c_str());
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
  static std::mt19937 tags{std::random_device{}()};
  wchar_t name[48];
  std::swprintf(name, 48, L".tintora-%lu-%08x.tmp", static_cast<unsigned long>(::GetCurrentProcessId()),
                static_cast<unsigned>(tags()));
  return target.parent_path() / name;
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
  if (existed && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::string("Is a directory");
  // A file the user has made read-only is not replaced behind their back.
  if (existed && (attributes & FILE_ATTRIBUTE_READONLY))
    return PathToUtf8(target.filename()) + " is read-only";

  RemoveStaleTemporaries(target.parent_path());
  const std::filesystem::path tmp = TemporaryBeside(target);
  Handle file(
      ::CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Ok()) return SystemReason(::GetLastError());
  auto fail = [&](DWORD error) {
    if (file.Ok()) file.Close();
    ::DeleteFileW(tmp.c_str());
    return std::optional<std::string>(SystemReason(error));
  };
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    DWORD n = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(left, 1u << 30));
    if (!::WriteFile(file.Get(), p, want, &n, nullptr)) return fail(::GetLastError());
    if (n == 0) return fail(ERROR_DISK_FULL);
    p += n;
    left -= n;
  }
  if (!::FlushFileBuffers(file.Get())) return fail(::GetLastError());
  if (!file.Close()) return fail(::GetLastError());
  // ReplaceFileW keeps what the user set on the old file (its attributes, its permissions);
  // a new file is moved into place.
  const bool replaced = existed ? ::ReplaceFileW(target.c_str(), tmp.c_str(), nullptr,
                                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                                : ::MoveFileExW(tmp.c_str(), target.c_str(),
                                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!replaced) return fail(::GetLastError());
  // And again by hand, where the system's replacement does not (Wine's drops them).
  const DWORD kept = attributes & ~FILE_ATTRIBUTE_NORMAL;
  if (existed) ::SetFileAttributesW(target.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
  return std::nullopt;
}

// Files are replaced whole here (ReplaceFileW), never written in place: nothing to put back.
void RecoverInterruptedSaves() {}

}  // namespace tintora
