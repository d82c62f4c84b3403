// Any text given as a colour, as a paste or the command line gives it: it is read or refused
// with a reason, never read outside its bytes; what is read is an 8-bit colour that every
// notation writes and reads back as itself.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/colour/css_colour.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tintora;
  const CssColourReading r = ReadCssColour(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!r) {
    if (r.error.empty() || r.error.size() > 400) std::abort();
    return 0;
  }
  if (!(r.alpha >= 0 && r.alpha <= 1)) std::abort();
  for (const CssNotationName& n : CssNotations())
    if (ReadCssColour(WriteCssColour(r.colour, n.notation)).colour != r.colour) std::abort();
  return 0;
}
