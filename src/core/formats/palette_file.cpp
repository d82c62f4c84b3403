#include "core/formats/palette_file.h"

#include <algorithm>
#include <cmath>

#include "core/colour/cie.h"
#include "core/colour/colour_spaces.h"
#include "core/colour/notations.h"
#include "core/colour/number_text.h"
#include "core/colour/rounding.h"
#include "core/io/text_codec.h"

namespace tintora {

namespace {

// The byte that starts a UTF-8 C1 control (U+0080..U+009F is C2 80..C2 9F).
constexpr unsigned char kC1Lead = 0xC2;

bool IsC1At(std::string_view s, std::size_t i) {
  return static_cast<unsigned char>(s[i]) == kC1Lead && i + 1 < s.size() &&
         static_cast<unsigned char>(s[i + 1]) >= 0x80 && static_cast<unsigned char>(s[i + 1]) <= 0x9F;
}

// The two delimiters a field must not hold, and the full-width characters that stand for them.
struct Delimiters {
  char open, close;
  const char *openWide, *closeWide;
};
constexpr Delimiters kNameDelimiters{'{', '}', "\xEF\xBD\x9B", "\xEF\xBD\x9D"};   // U+FF5B, U+FF5D
constexpr Delimiters kValueDelimiters{'[', ']', "\xEF\xBC\xBB", "\xEF\xBC\xBD"};  // U+FF3B, U+FF3D

bool Odd(unsigned char c, const Delimiters& d) {
  return c < 0x20 || c == 0x7F || c == d.open || c == d.close;
}

bool NeedsFilter(std::string_view s, const Delimiters& d) {
  for (std::size_t i = 0; i < s.size(); ++i)
    if (Odd(static_cast<unsigned char>(s[i]), d) || IsC1At(s, i)) return true;
  return !IsValidUtf8(s);
}

std::string Filter(std::string_view text, const Delimiters& d) {
  if (!NeedsFilter(text, d)) return std::string(text);
  // Names from file names (a title) may hold any bytes; text from files is decoded already.
  const std::string valid = IsValidUtf8(text) ? std::string() : ValidUtf8(text);
  const std::string_view s = valid.empty() ? text : valid;
  std::string out;
  out.reserve(s.size() + 8);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == d.open) {
      out += d.openWide;
    } else if (c == d.close) {
      out += d.closeWide;
    } else if (Odd(static_cast<unsigned char>(c), d)) {
      out += ' ';
    } else if (IsC1At(s, i)) {
      out += ' ';
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string TooManyEntries() {
  return "holds more than " + GroupedNumber(kMaxListEntries) + " colours, more than a list file may hold.";
}

std::string TooDeep() {
  return "nests more than " + std::to_string(kMaxNesting) +
         " levels deep, deeper than any palette: it is not read.";
}

bool NeedsListName(std::string_view s) { return NeedsFilter(s, kNameDelimiters); }
std::string ListName(std::string_view s) { return Filter(s, kNameDelimiters); }
bool NeedsListValue(std::string_view s) { return NeedsFilter(s, kValueDelimiters); }
std::string ListValue(std::string_view s) { return Filter(s, kValueDelimiters); }

std::string SwatchName(std::string_view name, std::size_t maxChars) {
  std::size_t end = name.size();
  while (end > 0 && static_cast<unsigned char>(name[end - 1]) <= ' ') --end;
  return CutToChars(name.substr(0, end), maxChars);
}

std::string HexOfRgb(int red, int green, int blue) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex(6, '0');
  const int parts[3] = {red, green, blue};
  for (int k = 0; k < 3; ++k) {
    hex[static_cast<std::size_t>(2 * k)] = kDigits[(parts[k] >> 4) & 0xF];
    hex[static_cast<std::size_t>(2 * k + 1)] = kDigits[parts[k] & 0xF];
  }
  return hex;
}

std::string LabToHex(long double l, long double a, long double b) {
  long double xyz[3], rgb[3];
  for (int k = 0; k < 3; ++k) xyz[k] = CIELABtoXYZ(k + 1, l, a, b).value_or(0);
  for (int k = 0; k < 3; ++k) rgb[k] = XYZtoRGB(k + 1, xyz[0], xyz[1], xyz[2]).value_or(0);
  return HexOfRgb(static_cast<int>(Round(rgb[0])), static_cast<int>(Round(rgb[1])),
                  static_cast<int>(Round(rgb[2])));
}

std::string LabD50ToHex(double l, double a, double b) {
  if (std::isnan(l) || std::isnan(a) || std::isnan(b)) return "000000";
  const Srgb srgb = ToSrgb(ColourSpace::Lab, {std::clamp(l, 0.0, 100.0), a, b});
  return ColourOfSrgb(InSrgbGamut(srgb) ? srgb : GamutMapToSrgb(srgb)).Hex();
}

namespace {
double Unit(double v) { return std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0); }
int Byte(double v) { return static_cast<int>(Round(static_cast<long double>(Unit(v)) * 255)); }
}  // namespace

std::string UnitRgbToHex(double red, double green, double blue) {
  return HexOfRgb(Byte(red), Byte(green), Byte(blue));
}

std::string CmykToHex(double cyan, double magenta, double yellow, double black) {
  auto light = [&](double ink) { return (1 - Unit(ink)) * (1 - Unit(black)); };
  return UnitRgbToHex(light(cyan), light(magenta), light(yellow));
}

std::string HsbToHex(double hue, double saturation, double brightness) {
  const double h = std::isnan(hue) ? 0.0 : (hue - std::floor(hue)) * 6, s = Unit(saturation),
               v = Unit(brightness);
  auto channel = [&](double n) {
    const double k = std::fmod(n + h, 6);
    return v - v * s * std::max(0.0, std::min({k, 4 - k, 1.0}));
  };
  return UnitRgbToHex(channel(5), channel(3), channel(1));
}

std::size_t TextBytes(const ColourList& list, std::size_t perEntry) {
  std::size_t bytes = 0;
  for (const ColourEntry& e : list.Entries()) bytes += e.name.size() + perEntry;
  return bytes;
}

ListReadResult RefusedRead(std::string why) {
  ListReadResult r;
  r.status = ListReadResult::Status::Refused;
  r.reason = std::move(why);
  return r;
}

void NameByValue(std::vector<ColourEntry>& entries) {
  for (ColourEntry& e : entries)
    if (e.name.empty()) e.name = e.value;
}

std::optional<Rgb> EntryRgb(const ColourEntry& entry) {
  const std::optional<Rgb8> c = Rgb8::OfHex(entry.value);
  if (!c) return std::nullopt;
  return Rgb{c->red, c->green, c->blue};
}

std::string NonColourReason(std::size_t index, const ColourEntry& e) {
  return "Colour " + std::to_string(index + 1) + " (\"" + e.name + "\") has the value \"" + e.value +
         "\", which is not an RGB colour.";
}

std::optional<std::string> FirstNonColour(const ColourList& list) {
  for (std::size_t i = 0; i < list.Count(); ++i)
    if (!EntryRgb(list.At(i))) return NonColourReason(i, list.At(i));
  return std::nullopt;
}

}  // namespace tintora
