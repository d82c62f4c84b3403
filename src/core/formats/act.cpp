#include "core/formats/act.h"

#include "core/formats/colour_list_files.h"
#include "core/io/byte_io.h"
#include "core/io/lines.h"
#include "core/io/text_codec.h"

namespace tintora {

ListWriteResult WriteAct(const ColourList& list, bool adobeTable) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  if (adobeTable && list.Count() > 256)
    return {{},
            "Photoshop's colour table holds at most 256 colours; this list has " +
                std::to_string(list.Count()) +
                ". Save it without the 772-byte layout (Save As Options), or split it."};
  if (auto bad = FirstNonColour(list)) return {{}, *bad};
  std::string bytes;
  bytes.reserve(adobeTable ? kAdobeTableBytes : 3 * list.Count());
  for (const ColourEntry& e : list.Entries()) {
    const Rgb c = *EntryRgb(e);
    bytes += static_cast<char>(c.red);
    bytes += static_cast<char>(c.green);
    bytes += static_cast<char>(c.blue);
  }
  if (adobeTable) {
    bytes.resize(768, '\0');
    const std::size_t n = list.Count();
    bytes += static_cast<char>((n >> 8) & 0xFF);
    bytes += static_cast<char>(n & 0xFF);
    bytes += "\xFF\xFF";
  }
  return {std::move(bytes), {}};
}

ListReadResult ReadAct(std::string_view bytes) {
  ListReadResult out;
  std::size_t count = bytes.size() / 3;
  if (bytes.size() == kAdobeTableBytes) {
    // Photoshop's table: 256 colours, then how many of them count (a count of 0 or beyond 256
    // is no count, and all 256 do), then the transparent colour's index.
    ByteReader r(bytes);
    std::uint16_t n = 0;
    count = r.Seek(768) && r.U16(n) && n >= 1 && n <= 256 ? n : 256;
  } else if (bytes.size() % 3 != 0) {
    out.status = ListReadResult::Status::Refused;
    out.reason = "is not an Adobe colour table: its length is not a whole number of colours.";
    return out;
  }
  out.entries.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + 3 * i);
    std::string hex = HexOfRgb(p[0], p[1], p[2]);
    out.entries.push_back({hex, hex});
  }
  return out;
}

namespace {
constexpr std::string_view kCaseMiddle = ": NumericValue := '";
}

ListWriteResult WriteCaseText(const ColourList& list) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  std::string text;
  text.reserve(list.Count() * 40);
  for (const ColourEntry& e : list.Entries()) {
    // A value that holds the statement's own middle would read back cut in two.
    if (e.value.find(kCaseMiddle) != std::string::npos)
      return {{},
              "Colour " + std::to_string(&e - list.Entries().data() + 1) + " (\"" + e.name +
                  "\") has the value \"" + e.value + "\", which a case statement cannot hold."};
    text += '$';
    text += e.value;
    text += kCaseMiddle;
    text += e.name;
    text += "';\r\n";
  }
  return {EncodeFileText(std::move(text)), {}};
}

ListReadResult ReadCaseText(std::string_view text) {
  ListReadResult out;
  ForEachLine(text, [&](std::string_view line) {
    const std::size_t middle = line.find(kCaseMiddle);
    if (line.empty() || line[0] != '$' || middle == std::string_view::npos || !line.ends_with("';"))
      return true;
    const std::size_t nameStart = middle + kCaseMiddle.size();
    if (nameStart > line.size() - 2) return true;
    out.entries.push_back({std::string(line.substr(nameStart, line.size() - 2 - nameStart)),
                           std::string(line.substr(1, middle - 1))});
    return !OverFull(out.entries);
  });
  return out;
}

}  // namespace tintora
