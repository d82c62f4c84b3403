// Settings files of any shape read as defaults or values, and a write keeps them readable.
#include <unistd.h>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "core/io/file_io.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings_values.h"

namespace {

// The input's file, there only while the input runs: the fuzzer may stop at any moment
// without running exit handlers, and leaves nothing behind.
class ScratchFile {
 public:
  ScratchFile()
      : path_(std::filesystem::temp_directory_path() /
              ("tintora-fuzz-" + std::to_string(::getpid()) + ".ini")) {}
  ~ScratchFile() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ScratchFile scratch;
  const std::filesystem::path& path = scratch.Path();
  if (tintora::WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(data), size)))
    return 0;
  tintora::IniFile ini(path);
  (void)tintora::ReadSettings(ini.Values());
  if (!ini.WriteInteger("Colour Wheel", "Divisions", 7)) return 0;
  if (ini.ReadInteger("Colour Wheel", "Divisions", 0) != 7) std::abort();
  return 0;
}
