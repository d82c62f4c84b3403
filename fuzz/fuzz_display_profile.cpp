// Display profiles of any shape, as a desktop's root window may hold them, read through
// LittleCMS's own parser: refused with a reason, or turned into a transform that maps colours.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "core/capture/display_profile.h"
#include "core/colour/notations.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string why;
  const auto profile = tintora::DisplayProfile::Read(std::span(data, size), why);
  if (!profile) {
    if (why.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  for (tintora::ColourValue c : {0x000000, 0xFFFFFF, 0x3366CC, 0x0000FF}) {
    const tintora::ColourValue seen = profile->ToSrgb(c);
    if (seen < 0 || seen > tintora::kMaxColourValue) std::abort();
  }
  return 0;
}
