// Settings files of any shape read as defaults or values, and a write keeps them readable.
#include <unistd.h>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "settings/ini_file.h"
#include "formats/file_io.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("tintora-fuzz-" + std::to_string(::getpid()) + ".ini");
  if (tintora::WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(data), size)))
    return 0;
  tintora::IniFile ini(path);
  (void)ini.ReadInteger("Main", "Left", 0);
  (void)ini.ReadString("Start", "AutoOpen", "");
  if (!ini.WriteInteger("Colour Wheel", "Divisions", 7)) return 0;
  if (ini.ReadInteger("Colour Wheel", "Divisions", 0) != 7) std::abort();
  return 0;
}
