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

}  // namespace

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
  const std::filesystem::path tmp = TemporaryBeside(target);

#ifdef TINTORA_POSIX_FILES
  mode_t mode = 0666;
  struct stat st {};
  const bool existed = ::stat(target.c_str(), &st) == 0;
  if (existed) mode = st.st_mode & 07777;
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existed ? 0600 : mode);
  if (fd < 0) return std::string(std::strerror(errno));
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      const std::string why = std::strerror(errno);
      ::close(fd);
      ::unlink(tmp.c_str());
      return why;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (existed) (void)::fchmod(fd, mode);
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    const std::string why = std::strerror(errno);
    ::unlink(tmp.c_str());
    return why;
  }
  if (::rename(tmp.c_str(), target.c_str()) != 0) {
    const std::string why = std::strerror(errno);
    ::unlink(tmp.c_str());
    return why;
  }
  return std::nullopt;
#else
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
