#include "core/formats/ase.h"

#include <algorithm>
#include <cmath>

#include "core/colour/rounding.h"
#include "core/io/byte_io.h"
#include "core/io/text_codec.h"

namespace tintora {

namespace {

constexpr std::uint16_t kColourBlock = 0x0001;  // groups start with 0xC001 and end with 0xC002
constexpr std::uint16_t kNormalColour = 2;

float Unit(float v) { return std::isnan(v) ? 0.f : std::clamp(v, 0.f, 1.f); }

// A component 0..1 (anything else, NaN included, is brought into that range) as 0..255.
int Byte(float v) { return static_cast<int>(Round(static_cast<long double>(Unit(v)) * 255)); }

int ComponentCount(std::string_view model) {
  return model == "RGB " ? 3 : model == "CMYK" ? 4 : model == "LAB " ? 3 : model == "Gray" ? 1 : 0;
}

std::string LabHex(float l, float a, float b) {
  auto within = [](float v, float lo, float hi) {
    return std::isnan(v) ? 0.L : std::clamp<long double>(v, lo, hi);
  };
  return LabToHex(Unit(l) * 100.0L, within(a, -128, 127), within(b, -128, 127));
}

// The colour of a block's components in a known model; nullopt when the block is too short.
std::optional<std::string> BlockColour(std::string_view model, ByteReader& r) {
  float f[4];
  for (int k = 0; k < ComponentCount(model); ++k)
    if (!r.F32(f[k])) return std::nullopt;
  if (model == "RGB ") return HexOfRgb(Byte(f[0]), Byte(f[1]), Byte(f[2]));
  if (model == "Gray") return HexOfRgb(Byte(f[0]), Byte(f[0]), Byte(f[0]));  // 0 is black
  if (model == "CMYK") return CmykToHex(f[0], f[1], f[2], f[3]);
  return LabHex(f[0], f[1], f[2]);  // L as 0..1, a and b as -128..127
}

// A block's name: a count of UTF-16 units that includes the terminator, then the units.
bool ReadBlockName(ByteReader& r, std::string& name) {
  std::uint16_t count;
  if (!r.U16(count)) return false;
  if (static_cast<std::size_t>(count) * 2 > r.Remaining()) return false;
  std::u16string units(count, u'\0');
  for (char16_t& u : units) {
    std::uint16_t v;
    if (!r.U16(v)) return false;
    u = static_cast<char16_t>(v);
  }
  while (!units.empty() && units.back() == u'\0') units.pop_back();
  name = Utf16ToUtf8(units);
  return true;
}

}  // namespace

ListWriteResult WriteAse(const ColourList& list) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  ByteWriter w;
  // Enough for every block at once (a name has no more UTF-16 units than UTF-8 bytes): growing
  // megabytes by doubling would copy them and touch twice the memory.
  std::size_t size = 12;
  for (const ColourEntry& e : list.Entries()) size += 28 + 2 * e.name.size();
  w.Reserve(size);
  w.Bytes("ASEF");
  w.U16(1);
  w.U16(0);
  w.U32(static_cast<std::uint32_t>(list.Count()));
  std::u16string name;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    const ColourEntry& e = list.At(i);
    const auto rgb = EntryRgb(e);
    if (!rgb) return {{}, NonColourReason(i, e)};  // the bytes so far are dropped
    const Rgb c = *rgb;
    // ASCII (nearly every name) is its own UTF-16.
    if (NextNonAscii(e.name, 0) == e.name.size())
      name.assign(e.name.begin(), e.name.end());
    else
      name = Utf8ToUtf16(e.name);
    w.U16(kColourBlock);
    const std::size_t lengthAt = w.Size();
    w.U32(0);
    w.U16(static_cast<std::uint16_t>(std::min<std::size_t>(name.size(), 0xFFFE) + 1));
    w.U16s(std::u16string_view(name).substr(0, 0xFFFE));
    w.U16(0);
    w.Bytes("RGB ");
    w.F32(static_cast<float>(c.red / 255.0));
    w.F32(static_cast<float>(c.green / 255.0));
    w.F32(static_cast<float>(c.blue / 255.0));
    w.U16(kNormalColour);
    w.PatchU32(lengthAt, static_cast<std::uint32_t>(w.Size() - lengthAt - 4));
  }
  return {w.Take(), {}};
}

ListReadResult ReadAse(std::string_view bytes) {
  ListReadResult out;
  ByteReader r(bytes);
  std::string_view signature;
  std::uint16_t major, minor;
  std::uint32_t blocks;
  if (!r.Bytes(4, signature) || signature != "ASEF" || !r.U16(major) || !r.U16(minor) || !r.U32(blocks)) {
    out.status = ListReadResult::Status::Refused;
    out.reason = "is not an Adobe Swatch Exchange file: it does not start with \"ASEF\".";
    return out;
  }
  if (major != 1) {
    out.status = ListReadResult::Status::Refused;
    out.reason = "is an Adobe Swatch Exchange file of version " + std::to_string(major) + "." +
                 std::to_string(minor) + ", which Tintora cannot read (it reads version 1).";
    return out;
  }
  std::size_t unknownModels = 0, damaged = 0;
  out.entries.reserve(std::min<std::size_t>({blocks, r.Remaining() / 22, kMaxListEntries + 1}));
  for (std::uint32_t k = 0; k < blocks && !OverFull(out.entries); ++k) {
    std::uint16_t type;
    std::uint32_t length;
    std::string_view body;
    if (!r.U16(type) || !r.U32(length) || !r.Bytes(length, body)) {
      out.status = ListReadResult::Status::Cut;
      break;
    }
    // Group starts and ends only frame colours, which are taken in file order; other kinds
    // of block are not ours to read.
    if (type != kColourBlock) continue;
    ByteReader b(body);
    std::string name;
    std::string_view model;
    if (!ReadBlockName(b, name) || !b.Bytes(4, model)) {
      ++damaged;
      continue;
    }
    if (ComponentCount(model) == 0) {
      ++unknownModels;
      continue;
    }
    const auto hex = BlockColour(model, b);
    if (!hex) {
      ++damaged;
      continue;
    }
    out.entries.push_back({CutToChars(name, 255), *hex});
  }
  if (unknownModels > 0)
    out.notices.push_back(
        {std::to_string(unknownModels) + " colour(s) in a colour model Tintora does not know were left out.",
         false});
  if (damaged > 0)
    out.notices.push_back({std::to_string(damaged) + " damaged colour block(s) were left out.", false});
  return out;
}

}  // namespace tintora
