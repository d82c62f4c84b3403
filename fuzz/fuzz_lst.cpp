// LST text of any shape either loads or raises the conversion error; nothing else.
#include <cstdint>
#include <string_view>

#include "colour/conversion_error.h"
#include "formats/colour_list_files.h"
#include "formats/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text =
      tintora::DecodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    (void)tintora::ParseLstText(text);
  } catch (const tintora::ConversionError&) {
  }
  return 0;
}
