// Any bytes at all given as a palette file of one kind (TINTORA_FUZZ_FORMAT): the reader
// answers with entries, a file cut short or a refusal, and never reads outside the bytes it
// was given. What it reads survives every writer: written and read back, the same number of
// colours with the same values, whatever names and values the file held.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/formats/list_formats.h"

namespace {

bool SameValue(const tintora::ColourEntry& a, const tintora::ColourEntry& b) {
  const auto x = tintora::Rgb8::OfHex(a.value), y = tintora::Rgb8::OfHex(b.value);
  return x && y ? x == y : a.value == b.value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tintora;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ListReadResult r = ReadListFile(ListFormat::TINTORA_FUZZ_FORMAT, bytes);
  if (r.status == ListReadResult::Status::Refused || r.entries.empty()) return 0;  // a cut file's entries too
  ColourList list;
  list.Append(r.entries);
  for (const ListFormatInfo& info : ListFormats()) {
    if (!info.writes) continue;
    const ListWriteResult written = WriteListFile(info.format, list);
    if (!written.Ok()) continue;  // values some formats cannot hold, or too many colours
    const ListFormat reader = info.format == ListFormat::AcoV0 ? ListFormat::Aco : info.format;
    const ListReadResult back = ReadListFile(reader, written.bytes);
    if (back.status != ListReadResult::Status::Read || back.entries.size() != list.Count()) std::abort();
    for (std::size_t i = 0; i < list.Count(); ++i)
      if (!SameValue(back.entries[i], list.At(i))) std::abort();
  }
  list.Sort(SortKey::Hue);
  list.ConvertToWebSafe();
  return 0;
}
