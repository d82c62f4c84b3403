// Any bytes at all given as a palette file of this kind: the reader answers with entries, a
// file cut short or a refusal, and never reads outside the bytes it was given.
#include <cstdint>
#include <string_view>

#include "formats/list_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const tintora::ListReadResult r = tintora::ReadListFile(tintora::ListFormat::Aco, bytes);
  // What was read can always be written again in the same kind of file.
  if (r.status == tintora::ListReadResult::Status::Read && !r.entries.empty()) {
    tintora::ColourList list;
    list.Append(r.entries);
    (void)tintora::WriteListFile(tintora::ListFormat::Aco, list);
  }
  return 0;
}
