#include "formats/file_io.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define TINTORA_POSIX_FILES 1
#endif

namespace tintora {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string* error,
                                         std::uintmax_t maxBytes) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    if (error) *error = "Is a directory";
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = std::strerror(errno);
    return std::nullopt;
  }
  std::string data;
  char buf[1 << 16];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    data.append(buf, static_cast<std::size_t>(in.gcount()));
    if (data.size() > maxBytes) {
      if (error) *error = "The file is too large";
      return std::nullopt;
    }
  }
  if (in.bad()) {
    if (error) *error = std::strerror(errno);
    return std::nullopt;
  }
  return data;
}

namespace {

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
  std::random_device rd;
  const auto tag = std::to_string(rd()) + std::to_string(rd());
  std::filesystem::path tmp = target;
  tmp.replace_filename("." + PathToUtf8(target.filename()) + ".tmp-" + tag);
  return tmp;
}

#ifdef TINTORA_POSIX_FILES
int SystemOpen(const char* path, int flags, unsigned mode) {
  return ::open(path, flags, static_cast<mode_t>(mode));
}
long SystemWrite(int fd, const void* data, unsigned long size) { return ::write(fd, data, size); }
#endif

}  // namespace

const WriteSteps& SystemWriteSteps() {
#ifdef TINTORA_POSIX_FILES
  static const WriteSteps steps{SystemOpen, SystemWrite, ::fsync, ::close, ::rename};
#else
  static const WriteSteps steps{};
#endif
  return steps;
}

WriteSteps& CurrentWriteSteps() {
  static WriteSteps steps = SystemWriteSteps();
  return steps;
}

#ifdef TINTORA_POSIX_FILES
namespace {

std::string Reason(int error) { return std::strerror(error); }

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

// For a writable file where nothing can be made beside it: the new content, already complete
// in memory, goes over the old in place.
std::optional<std::string> WriteInPlace(const WriteSteps& steps, const std::filesystem::path& target,
                                        std::string_view bytes) {
  const int fd = steps.open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC, 0);
  if (fd < 0) return Reason(errno);
  if (auto why = WriteAll(steps, fd, bytes)) {
    steps.close(fd);
    return why;
  }
  return SyncAndClose(steps, fd);
}

}  // namespace
#endif

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& requested,
                                               std::string_view bytes) {
  std::error_code ec;
  // Saving over a link replaces what it points to, not the link itself.
  std::filesystem::path target = requested;
  if (std::filesystem::is_symlink(requested, ec)) {
    auto resolved = std::filesystem::weakly_canonical(requested, ec);
    if (!ec) target = resolved;
  }
  if (std::filesystem::is_directory(target, ec)) return std::string("Is a directory");

#ifdef TINTORA_POSIX_FILES
  const WriteSteps& steps = CurrentWriteSteps();
  struct stat st {};
  const bool existed = ::stat(target.c_str(), &st) == 0;
  // A file the user has made read-only (or may not write) is not replaced behind their back.
  if (existed && ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
    return PathToUtf8(target.filename()) + " is read-only";

  const std::filesystem::path tmp = TemporaryBeside(target);
  const int fd = steps.open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existed ? 0600 : 0666);
  if (fd < 0) {
    const int error = errno;
    if (existed && (error == EACCES || error == EPERM)) return WriteInPlace(steps, target, bytes);
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
    if (::geteuid() == 0) (void)::fchown(fd, st.st_uid, st.st_gid);
    (void)::fchmod(fd, st.st_mode & 07777);
  }
  if (auto why = SyncAndClose(steps, fd)) return fail(*why);
  if (steps.rename(tmp.c_str(), target.c_str()) != 0) return fail(Reason(errno));
  return std::nullopt;
#else
  const std::filesystem::path tmp = TemporaryBeside(target);
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return std::string(std::strerror(errno));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      const std::string why = std::strerror(errno);
      out.close();
      std::filesystem::remove(tmp, ec);
      return why;
    }
  }
  std::filesystem::rename(tmp, target, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(tmp, ignored);
    return ec.message();
  }
  return std::nullopt;
#endif
}

}  // namespace tintora
