// Procreate's swatch files: a zip holding Swatches.json.
#include <algorithm>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/colour/css_text.h"
#include "core/colour/number_text.h"
#include "core/formats/art_palettes.h"
#include "core/formats/colour_list_files.h"
#include "core/formats/json_tree.h"
#include "core/formats/xml_palette.h"
#include "core/io/zip_archive.h"
#include "core/io/zip_writer.h"

namespace tintora {

namespace {

// Swatches.json: one palette object, or an array of them, each with a name and its swatches
// (hue, saturation and brightness 0..1; null for an empty slot).
void ReadPalette(const JsonTree& tree, const JsonNode& palette, ListReadResult& r) {
  if (!palette.IsObject()) return;
  if (r.title.empty())
    if (const auto name = tree.Text(palette, "name")) r.title = std::string(*name);
  const JsonNode* swatches = tree.Field(palette, "swatches");
  if (!swatches || swatches->kind != JsonNode::Kind::Array) return;
  for (const JsonNode& swatch : tree.Children(*swatches)) {
    if (!swatch.IsObject()) continue;
    double hue = 0, saturation = 0, brightness = 0;
    int found = 0;  // the components seen, one bit each (the last of a name counts)
    for (const JsonNode& member : tree.Children(swatch)) {
      if (member.kind != JsonNode::Kind::Number) continue;
      const std::string_view key = member.Key();
      if (key == "hue") hue = member.Number(), found |= 1;
      if (key == "saturation") saturation = member.Number(), found |= 2;
      if (key == "brightness") brightness = member.Number(), found |= 4;
    }
    if (found == 7) r.entries.push_back({{}, HsbToHex(hue, saturation, brightness)});
  }
}

}  // namespace

ListReadResult ReadProcreate(std::string_view bytes) {
  const ZipReader zip(bytes);
  if (!zip.Ok()) return RefusedRead("is not a Procreate swatch file: it " + zip.Why());
  const ZipEntryRead json = zip.Read("Swatches.json");
  if (!json.bytes) return RefusedRead("is not a Procreate swatch file: it " + json.why);
  JsonRefusal why = JsonRefusal::NotJson;
  const std::optional<JsonTree> tree = JsonTree::Parse(*json.bytes, {.nesting = kMaxNesting}, why);
  if (!tree) {
    if (why == JsonRefusal::TooDeep) return RefusedRead(TooDeep());
    if (why == JsonRefusal::TooLarge) return RefusedRead(TooManyEntries());
    return RefusedRead("holds a Swatches.json that is not well-formed JSON.");
  }
  ListReadResult r;
  const JsonNode& root = tree->Root();
  if (root.kind == JsonNode::Kind::Array) {
    for (const JsonNode& palette : tree->Children(root)) ReadPalette(*tree, palette, r);
  } else {
    ReadPalette(*tree, root, r);
  }
  if (OverFull(r.entries)) return RefusedRead(TooManyEntries());
  NameByValue(r.entries);
  return r;
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
