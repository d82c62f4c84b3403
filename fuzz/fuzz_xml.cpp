// The quick XML reader against expat on any bytes: what expat reads, the quick reader reads
// the same; what expat refuses, it refuses too (names of other scripts aside, which it takes
// as XML 1.0's fifth edition does).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "../tests/formats/xml_recorder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view document(reinterpret_cast<const char*>(data), size);
  tintora::xml_palette::XmlRecorder quick, expat;
  std::string quickWhy, expatWhy;
  using tintora::xml_palette::XmlEngine;
  const bool quickRead = tintora::xml_palette::ReadXml(document, quick, quickWhy, XmlEngine::Quick);
  const bool expatRead = tintora::xml_palette::ReadXml(document, expat, expatWhy, XmlEngine::ExpatOnly);
  if (expatRead && (!quickRead || quick.log != expat.log)) std::abort();
  const bool otherScripts = std::any_of(document.begin(), document.end(),
                                        [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (quickRead && !expatRead && !otherScripts) std::abort();
  return 0;
}
