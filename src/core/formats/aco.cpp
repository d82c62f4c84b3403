#include "core/formats/aco.h"

#include <algorithm>

#include "core/colour/hsv.h"
#include "core/colour/notations.h"
#include "core/colour/rounding.h"
#include "core/io/byte_io.h"
#include "core/io/text_codec.h"

namespace tintora {

namespace {

std::string Hex4(unsigned v) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string s(4, '0');
  for (int k = 3; k >= 0; --k, v >>= 4) s[static_cast<std::size_t>(k)] = kDigits[v & 0xF];
  return s;
}

struct Record {
  std::uint16_t space = 0, w[4] = {0, 0, 0, 0};
};

bool ReadRecord(ByteReader& r, Record& rec) {
  return r.U16(rec.space) && r.U16(rec.w[0]) && r.U16(rec.w[1]) && r.U16(rec.w[2]) && r.U16(rec.w[3]);
}

// The name after a record, by the section's version; false when the file ends inside it.
bool ReadName(ByteReader& r, unsigned version, std::string& name) {
  name.clear();
  if (version == 0) {
    std::uint8_t n;
    std::string_view bytes;
    if (!r.U8(n) || !r.Bytes(n, bytes)) return false;
    name = Decode8BitText(bytes);
  } else if (version == 2) {
    std::uint16_t ignored, count;
    if (!r.U16(ignored) || !r.U16(count)) return false;
    if (count == 0) return true;
    std::u16string units(count - 1u, u'\0');
    for (char16_t& u : units) {
      std::uint16_t v;
      if (!r.U16(v)) return false;
      u = static_cast<char16_t>(v);
    }
    std::uint16_t terminator;
    if (!r.U16(terminator)) return false;
    name = Utf16ToUtf8(units);
  }
  name = CutToChars(name, 255);
  return true;
}

// `wideHues`: the file stores hues over the whole 16-bit range, as image editors do, rather
// than in degrees as this program always read them.
std::string HsbHex(const Record& rec, bool wideHues) {
  const long double hue = wideHues ? rec.w[0] / 65536.0L * 360 : rec.w[0];
  const long double saturation = rec.w[1] == 0 ? 0 : rec.w[1] / 65535.0L;
  const long double brightness = rec.w[2] == 0 ? 0 : rec.w[2] / 65535.0L * 255;
  return HSVtoRGBHEX(hue, saturation, brightness);
}

// L in hundredths, a and b in signed hundredths.
std::string LabHex(const Record& rec) {
  return LabToHex(rec.w[0] / 100.0L, static_cast<std::int16_t>(rec.w[1]) / 100.0L,
                  static_cast<std::int16_t>(rec.w[2]) / 100.0L);
}

std::string GreyHex(const Record& rec) {
  const int t = rec.w[0] > 0 ? static_cast<int>(Round(rec.w[0] / 10000.0L * 255)) : 0;
  const int g = std::clamp(255 - t, 0, 255);
  return HexOfRgb(g, g, g);
}

constexpr const char* kLabWarning =
    "Colour Space Warning:\r\n\r\nThe LAB Colour Space conversion\r\nalgorithm is not the same as the\r\n"
    "conversion used by Adobe Photoshop\xC2\xAE.\r\nColours will not be rendered the same.\r\n\r\n"
    "Note: Using D65 @ 2\xC2\xB0";

struct Swatch {
  Record rec;
  std::string name;
};

// The records of one section with their names; false when the file ends inside them (the
// ones before the break are kept).
bool ReadSwatches(ByteReader& r, unsigned version, unsigned count, std::vector<Swatch>& out) {
  out.reserve(std::min<std::size_t>(count, r.Remaining() / 10));
  for (unsigned k = 0; k < count; ++k) {
    Swatch s;
    if (!ReadRecord(r, s.rec) || !ReadName(r, version, s.name)) return false;
    out.push_back(std::move(s));
  }
  return true;
}

// One hue word of 360 or more can only be the 16-bit scale, and a file uses one scale for all.
bool WideHues(const std::vector<Swatch>& swatches) {
  return std::any_of(swatches.begin(), swatches.end(),
                     [](const Swatch& s) { return s.rec.space == 1 && s.rec.w[0] >= 360; });
}

void ConvertSwatches(std::vector<Swatch>& swatches, unsigned version, ListReadResult& out) {
  bool warned[8] = {};
  const bool wideHues = WideHues(swatches);
  out.entries.reserve(swatches.size());
  for (Swatch& s : swatches) {
    const Record& rec = s.rec;
    std::string hex;
    switch (rec.space) {
      case 0:
        hex = HexOfRgb(Col16ToCol8(rec.w[0], 65535 - rec.w[3]), Col16ToCol8(rec.w[1], 65535 - rec.w[3]),
                       Col16ToCol8(rec.w[2], 65535 - rec.w[3]));
        break;
      case 1:
        hex = HsbHex(rec, wideHues);
        break;
      case 2:
        hex = HexOfRgb(Col16ToCol8(rec.w[0], rec.w[3]), Col16ToCol8(rec.w[1], rec.w[3]),
                       Col16ToCol8(rec.w[2], rec.w[3]));
        break;
      case 7:
        if (!warned[7]) out.notices.push_back({kLabWarning, false});
        warned[7] = true;
        hex = LabHex(rec);
        break;
      case 8:
        hex = GreyHex(rec);
        break;
      default:
        if (rec.space >= 3 && rec.space <= 6 && !warned[rec.space]) {
          out.notices.push_back({"Colour Space Warning:\r\n\r\n" + AcoSpaceName(rec.space) +
                                     " Colour Space is Not supported.\r\nColours will not be rendered.",
                                 false});
          warned[rec.space] = true;
        }
        out.entries.push_back(
            {"CSNS - (" + Hex4(rec.space) + ")" + AcoSpaceName(rec.space) + "-" + s.name, "000000"});
        continue;
    }
    out.entries.push_back({version == 1 || s.name.empty() ? hex : std::move(s.name), hex});
  }
}

void WriteRecord(ByteWriter& w, const Rgb& c) {
  w.U16(0);
  w.U16(static_cast<std::uint16_t>(c.red * 257));
  w.U16(static_cast<std::uint16_t>(c.green * 257));
  w.U16(static_cast<std::uint16_t>(c.blue * 257));
  w.U16(0);
}

// The list's colours, or the reason an ACO file cannot hold them.
ListWriteResult CheckAcoList(const ColourList& list, std::vector<Rgb>& colours) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  if (list.Count() > kAcoMaxEntries)
    return {{},
            "An Adobe swatch file holds at most 65,534 colours; this list has " +
                std::to_string(list.Count()) +
                ". Save it as Colour Data or Adobe Swatch Exchange instead, or split it."};
  if (auto bad = FirstNonColour(list)) return {{}, *bad};
  colours.reserve(list.Count());
  for (const ColourEntry& e : list.Entries()) colours.push_back(*EntryRgb(e));
  return {};
}

}  // namespace

std::string AcoSpaceName(int id) {
  switch (id) {
    case 0:
      return "RGB";
    case 1:
      return "HSB";
    case 2:
      return "CMYK";
    case 3:
      return "Pantone";
    case 4:
      return "Focaltone";
    case 5:
      return "Trumatch";
    case 6:
      return "Toyo 88";
    case 7:
      return "Lab";
    case 8:
      return "Gray Scale";
    case 9:
      return "Wide CMYK";
    case 10:
      return "HKS";
    default:
      return "Unidentified";
  }
}

ListReadResult ReadAco(std::string_view bytes) {
  ListReadResult out;
  out.fileSize = bytes.size();
  ByteReader r(bytes);
  std::uint16_t version, count;
  if (!r.U16(version) || !r.U16(count)) {
    out.status = ListReadResult::Status::Refused;
    out.reason = "is too short to be an Adobe swatch file.";
    return out;
  }
  const std::size_t afterFirst = 10u * count + 4;
  std::uint16_t v2 = 0, n2 = 0;
  if (version == 1 && r.Seek(afterFirst) && r.U16(v2) && r.U16(n2)) {
    out.secondSection = afterFirst;
    if (v2 > 2) {
      out.notices.push_back({"Load:\r\n\r\nACO File May be corrupt!", true});
      if (!r.Seek(4)) return out;  // cannot fail: the header was read
    } else {
      version = v2;
      count = n2;
    }
  }
  if (version > 2) {
    out.notices.push_back({"Load:\r\n\r\nUnsupported Adobe File Version.\r\nVersion: " + Hex4(version) +
                               "h\r\nNumber of Records: " + std::to_string(count),
                           true});
    out.status = ListReadResult::Status::Refused;
    return out;
  }
  if (version == 1 && out.secondSection == 0 && !r.Seek(4)) return out;
  std::vector<Swatch> swatches;
  if (!ReadSwatches(r, version, count, swatches)) out.status = ListReadResult::Status::Cut;
  ConvertSwatches(swatches, version, out);
  return out;
}

ListWriteResult WriteAcoV0(const ColourList& list) {
  std::vector<Rgb> colours;
  if (auto refused = CheckAcoList(list, colours); !refused.Ok()) return refused;
  ByteWriter w;
  w.Reserve(4 + list.Count() * 24);
  w.U16(0);
  w.U16(static_cast<std::uint16_t>(list.Count()));
  for (std::size_t i = 0; i < list.Count(); ++i) {
    WriteRecord(w, colours[i]);
    // One length byte: the name is shortened, a whole character at a time, until it fits.
    std::string name = EncodeFileText(SwatchName(list.At(i).name));
    for (std::size_t chars = 254; name.size() > 255; --chars)
      name = EncodeFileText(SwatchName(list.At(i).name, chars));
    w.U8(static_cast<std::uint8_t>(name.size()));
    w.Bytes(name);
  }
  return {w.Take(), {}};
}

ListWriteResult WriteAcoV1V2(const ColourList& list) {
  std::vector<Rgb> colours;
  if (auto refused = CheckAcoList(list, colours); !refused.Ok()) return refused;
  const auto n = static_cast<std::uint16_t>(list.Count());
  ByteWriter w;
  w.Reserve(8 + list.Count() * 40);
  w.U16(1);
  w.U16(n);
  for (const Rgb& c : colours) WriteRecord(w, c);
  w.U16(2);
  w.U16(n);
  for (std::size_t i = 0; i < list.Count(); ++i) {
    WriteRecord(w, colours[i]);
    const std::u16string name = Utf8ToUtf16(SwatchName(list.At(i).name));
    w.U16(0);
    w.U16(static_cast<std::uint16_t>(name.size() + 1));
    for (char16_t u : name) w.U16(u);
    w.U16(0);
  }
  return {w.Take(), {}};
}

}  // namespace tintora
