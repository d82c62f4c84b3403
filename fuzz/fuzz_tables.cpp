// Any bytes at all given as an HTML palette table, case statements or an Adobe colour table:
// each reader answers without reading outside the bytes it was given.
#include <cstdint>
#include <string_view>

#include "formats/list_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (auto format : {tintora::ListFormat::Html, tintora::ListFormat::Txt, tintora::ListFormat::Act})
    (void)tintora::ReadListFile(format, bytes);
  return 0;
}
