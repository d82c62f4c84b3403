// Display profiles of any shape, as a desktop's root window may hold them, read through
// LittleCMS's own parser: refused with a reason, or turned into a transform that maps colours.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "core/capture/display_profile.h"
#include "core/colour/rgb8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string why;
  const auto profile = tintora::DisplayProfile::Read(std::span(data, size), why);
  if (!profile) {
    if (why.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  // Any device colour has an sRGB colour, the extremes included.
  for (tintora::Rgb8 c : {tintora::Rgb8{0, 0, 0}, tintora::Rgb8{255, 255, 255}, tintora::Rgb8{51, 102, 204}})
    (void)profile->ToSrgb(c);
  return 0;
}
