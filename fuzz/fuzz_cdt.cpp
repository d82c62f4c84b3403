// CDT text of any shape must load without crashing, and what loads must save and load again
// to the same entries.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "colourlist/colour_list.h"
#include "formats/colour_list_files.h"
#include "formats/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text =
      tintora::DecodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
  tintora::ColourList list;
  list.Append(tintora::ParseCdtText(text));
  (void)tintora::CheckListFile(std::string_view(reinterpret_cast<const char*>(data), size), list.Count());
  for (const auto& e : list.Entries()) (void)tintora::EntryColourValue(e);
  // Names and values survive a round trip unless they hold the delimiters or line breaks
  // themselves, which only foreign files can put there.
  bool plain = true;
  for (const auto& e : list.Entries())
    for (char c : e.name + e.value)
      if (c == '{' || c == '}' || c == '[' || c == ']' || c == '\r' || c == '\n') plain = false;
  if (plain) {
    const auto again = tintora::ParseCdtText(tintora::ParseDataForCDTFile(list));
    if (again != list.Entries()) std::abort();
  }
  list.Sort(tintora::SortKey::Hue);
  list.ConvertToWebSafe();
  return 0;
}
