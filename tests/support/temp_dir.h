// Scratch folders for tests that touch the file system.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include <fcntl.h>
#include <gtest/gtest.h>
#ifdef _WIN32
#include <process.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tintora::testing {

// A fresh folder named after the running test, removed again at the end.
class TempDir {
 public:
  TempDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("tintora-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ec);
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A folder nobody may create files in. Ordinary users get a folder with its write bit removed;
// root ignores that, so root gets sysfs, where no one can create files. nullopt when neither works.
// Windows has no such folder to be had (a read-only attribute on a folder stops nothing).
inline std::optional<std::filesystem::path> ReadOnlyFolder(const TempDir& scratch) {
#ifdef _WIN32
  (void)scratch;
  return std::nullopt;
#else
  if (::geteuid() != 0) {
    const auto ro = scratch / "read-only";
    std::filesystem::create_directories(ro);
    std::filesystem::permissions(ro, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    return ro;
  }
  const int fd = ::open("/sys/tintora-probe", O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd >= 0) {
    ::close(fd);
    ::unlink("/sys/tintora-probe");
    return std::nullopt;
  }
  return std::filesystem::path("/sys");
#endif
}

// A named pipe at `path`; false where the system has none in its file system (Windows).
inline bool MakeNamedPipe(const std::filesystem::path& path) {
#ifdef _WIN32
  (void)path;
  return false;
#else
  return ::mkfifo(path.c_str(), 0600) == 0;
#endif
}

}  // namespace tintora::testing
