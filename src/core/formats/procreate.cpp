// Procreate's swatch files: a zip holding Swatches.json.
#include <algorithm>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/colour/css_text.h"
#include "core/colour/number_text.h"
#include "core/formats/art_palettes.h"
#include "core/formats/colour_list_files.h"
#include "core/formats/xml_palette.h"
#include "core/io/zip_archive.h"
#include "core/io/zip_writer.h"

namespace tintora {

namespace {

// Swatches.json as it streams past: one palette object, or an array of them, each with a name
// and its swatches (hue, saturation and brightness 0..1; null for an empty slot). A tree of
// 100,000 swatch objects would cost more than the reading.
struct ProcreateReader : nlohmann::json_sax<nlohmann::json> {
  ListReadResult r;
  // What each open container is: a palette, its swatch array, a swatch, or anything else.
  enum class Kind { Palette, Swatches, Swatch, Other };
  std::vector<Kind> open;
  std::string lastKey;
  double hue = 0, saturation = 0, brightness = 0;
  int found = 0;  // the swatch's components seen, one bit each

  Kind Top() const { return open.empty() ? Kind::Other : open.back(); }

  bool Number(double v) {
    if (Top() == Kind::Swatch) {
      if (lastKey == "hue") hue = v, found |= 1;
      if (lastKey == "saturation") saturation = v, found |= 2;
      if (lastKey == "brightness") brightness = v, found |= 4;
    }
    return true;
  }
  bool null() override { return true; }
  bool boolean(bool) override { return true; }
  bool number_integer(number_integer_t v) override { return Number(static_cast<double>(v)); }
  bool number_unsigned(number_unsigned_t v) override { return Number(static_cast<double>(v)); }
  bool number_float(number_float_t v, const string_t&) override { return Number(v); }
  bool string(string_t& v) override {
    if (Top() == Kind::Palette && lastKey == "name" && r.title.empty()) r.title = v;
    return true;
  }
  bool binary(binary_t&) override { return true; }
  // Nesting past what any palette needs stops the reading before it costs anything.
  bool Open(Kind kind) {
    open.push_back(kind);
    tooDeep = open.size() > kMaxNesting;
    return !tooDeep;
  }
  bool start_object(std::size_t) override {
    // A palette is the document itself or an element of the document's array.
    const bool palette = open.empty() || (open.size() == 1 && Top() == Kind::Other && rootIsArray);
    found = 0;
    lastKey.clear();
    return Open(palette ? Kind::Palette : Top() == Kind::Swatches ? Kind::Swatch : Kind::Other);
  }
  bool key(string_t& k) override {
    lastKey = k;
    return true;
  }
  bool end_object() override {
    if (Top() == Kind::Swatch && found == 7) r.entries.push_back({{}, HsbToHex(hue, saturation, brightness)});
    open.pop_back();
    return !OverFull(r.entries);  // stops the reading; the entries then refuse the file
  }
  bool start_array(std::size_t) override {
    if (open.empty()) rootIsArray = true;
    return Open(Top() == Kind::Palette && lastKey == "swatches" ? Kind::Swatches : Kind::Other);
  }
  bool end_array() override {
    open.pop_back();
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
    return false;
  }

  bool rootIsArray = false, tooDeep = false;
};

}  // namespace

ListReadResult ReadProcreate(std::string_view bytes) {
  const ZipReader zip(bytes);
  if (!zip.Ok()) return RefusedRead("is not a Procreate swatch file: it " + zip.Why());
  const ZipEntryRead json = zip.Read("Swatches.json");
  if (!json.bytes) return RefusedRead("is not a Procreate swatch file: it " + json.why);
  ProcreateReader reader;
  reader.r.entries.reserve(std::min(json.bytes->size() / 40, kMaxListEntries + 1));
  if (!nlohmann::json::sax_parse(*json.bytes, &reader, nlohmann::json::input_format_t::json, true, true)) {
    if (OverFull(reader.r.entries)) return RefusedRead(TooManyEntries());
    if (reader.tooDeep) return RefusedRead(TooDeep());
    return RefusedRead("holds a Swatches.json that is not well-formed JSON.");
  }
  NameByValue(reader.r.entries);
  return std::move(reader.r);
}

ListWriteResult WriteProcreate(const ColourList& list, std::string_view title) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  if (auto bad = FirstNonColour(list)) return {{}, *bad};
  // Written as text: a JSON tree of 100,000 swatches costs more than the file itself.
  const std::string name = nlohmann::json(title.empty() ? std::string("Tintora") : std::string(title))
                               .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  std::string text;
  text.reserve(list.Count() * 128 + name.size() + 32);
  text += "[{\"name\":" + name + ",\"swatches\":[";
  bool first = true;
  for (const ColourEntry& e : list.Entries()) {
    const Rgb c = *EntryRgb(e);
    const double r = c.red / 255.0, g = c.green / 255.0, b = c.blue / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b}), d = max - min;
    double h = 0;
    if (d > 0) {
      h = max == r ? (g - b) / d + (g < b ? 6 : 0) : max == g ? (b - r) / d + 2 : (r - g) / d + 4;
      h /= 6;
    }
    if (!first) text += ',';
    first = false;
    text += "{\"hue\":";
    xml_palette::AppendNumber(text, h);
    text += ",\"saturation\":";
    xml_palette::AppendNumber(text, max > 0 ? d / max : 0.0);
    text += ",\"brightness\":";
    xml_palette::AppendNumber(text, max);
    text += ",\"alpha\":1,\"colorSpace\":0}";
  }
  text += "]}]";
  const ZipEntryToWrite entries[] = {{"Swatches.json", text, false}};
  if (auto why = TooLargeToReadBack(entries)) return {{}, "A Procreate swatch file of this list " + *why};
  std::string bytes = WriteZip(entries);
  if (bytes.empty()) return {{}, "The Procreate swatch file could not be put together."};
  return {std::move(bytes), {}};
}

}  // namespace tintora
