#include "core/formats/office_palettes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/colour/colour_spaces.h"
#include "core/colour/css_text.h"
#include "core/formats/colour_list_files.h"
#include "core/formats/xml_palette.h"

namespace tintora {

using namespace xml_palette;
using css_text::Lower;
using css_text::SameWord;

namespace {

// "#rrggbb" (the "#" may be missing) as RRGGBB; empty when it is no such text.
std::string HashHex(std::string_view text, std::size_t digits = 6) {
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if (text.size() != digits) return {};
  std::string hex;
  for (char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return {};
    hex += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return hex;
}

int HexByte(std::string_view two) { return std::stoi(std::string(two), nullptr, 16); }

}  // namespace

// ---------------------------------------------------------------- LibreOffice

ListReadResult ReadSoc(std::string_view bytes) {
  // Colours may sit anywhere below the table, not only among its children.
  struct Reader : XmlReader {
    std::vector<ColourEntry> entries;
    // Reserving is free until the entries arrive: a colour takes 24 bytes at the least.
    void Expect(std::size_t bytes) override { entries.reserve(std::min(bytes / 24, kMaxListEntries + 1)); }
    void Start(std::string_view name, const XmlAttributes& a) override {
      if (Depth() == 0) {
        if (name != "color-table")
          Refuse("is not a LibreOffice colour table: its root is not a colour table.");
      } else if (name == "color") {
        std::string hex = HashHex(a["color"]);
        if (!hex.empty()) entries.push_back({std::string(a["name"]), std::move(hex)});
        if (OverFull(entries)) Refuse(TooManyEntries());
      }
    }
  } reader;
  std::string why;
  if (!ReadXml(bytes, reader, why)) return RefusedRead(std::move(why));
  ListReadResult r;
  r.entries = std::move(reader.entries);
  NameByValue(r.entries);
  return r;
}

ListWriteResult WriteSoc(const ColourList& list) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  if (auto bad = FirstNonColour(list)) return {{}, *bad};
  XmlText xml(TextBytes(list, 72));
  xml.Open("ooo:color-table")
      .Attr("xmlns:office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0")
      .Attr("xmlns:draw", "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0")
      .Attr("xmlns:xlink", "http://www.w3.org/1999/xlink")
      .Attr("xmlns:svg", "http://www.w3.org/2000/svg")
      .Attr("xmlns:ooo", "http://openoffice.org/2004/office")
      .EndStart();
  for (const ColourEntry& e : list.Entries()) {
    const Rgb c = *EntryRgb(e);
    const std::string hex = HexOfRgb(c.red, c.green, c.blue);
    xml.Open("draw:color")
        .Attr("draw:name", e.name.empty() ? hex : e.name)
        .Attr("draw:color", "#" + Lower(hex));
    xml.EndEmpty();
  }
  xml.Close("ooo:color-table");
  return {xml.Take(), {}};
}

// ---------------------------------------------------------------- Scribus

ListReadResult ReadScribusXml(std::string_view bytes) {
  struct Reader : XmlReader {
    ListReadResult r;
    void Expect(std::size_t bytes) override { r.entries.reserve(std::min(bytes / 24, kMaxListEntries + 1)); }
    void Start(std::string_view name, const XmlAttributes& a) override {
      if (Depth() == 0) {
        if (!SameWord(name, "SCRIBUSCOLORS"))
          Refuse("is not a Scribus swatch file: its root is not SCRIBUSCOLORS.");
        r.title = a["Name"];
        return;
      }
      if (Depth() != 1 || !SameWord(name, "COLOR")) return;
      std::string hex = HashHex(a["RGB"]);
      if (hex.empty()) {
        const std::string cmyk = HashHex(a["CMYK"], 8);
        if (cmyk.empty()) return;
        auto ink = [&](std::size_t k) { return HexByte(std::string_view(cmyk).substr(2 * k, 2)) / 255.0; };
        hex = CmykToHex(ink(0), ink(1), ink(2), ink(3));
      }
      r.entries.push_back({std::string(a["NAME"]), std::move(hex)});
      if (OverFull(r.entries)) Refuse(TooManyEntries());
    }
  } reader;
  std::string why;
  if (!ReadXml(bytes, reader, why)) return RefusedRead(std::move(why));
  NameByValue(reader.r.entries);
  return std::move(reader.r);
}

ListWriteResult WriteScribusXml(const ColourList& list, std::string_view title) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  if (auto bad = FirstNonColour(list)) return {{}, *bad};
  XmlText xml(TextBytes(list, 56));
  xml.Open("SCRIBUSCOLORS");
  if (!title.empty()) xml.Attr("Name", title);
  xml.EndStart();
  for (const ColourEntry& e : list.Entries()) {
    const Rgb c = *EntryRgb(e);
    const std::string hex = HexOfRgb(c.red, c.green, c.blue);
    xml.Open("COLOR").Attr("RGB", "#" + Lower(hex)).Attr("NAME", e.name.empty() ? hex : e.name).EndEmpty();
  }
  xml.Close("SCRIBUSCOLORS");
  return {xml.Take(), {}};
}

// ---------------------------------------------------------------- SwatchBooker

namespace {

// The numbers of a list split by blanks (a word that is none is NaN, so the colour is refused).
std::vector<double> Numbers(std::string_view text) {
  std::vector<double> numbers;
  const auto blank = [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
  };
  for (std::size_t i = 0; i < text.size();) {
    while (i < text.size() && blank(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !blank(text[i])) ++i;
    if (i > start) numbers.push_back(Number(text.substr(start, i - start)));
  }
  return numbers;
}

// A material's colour from one of its definitions; empty when the model is unknown or short.
std::string ValuesHex(std::string_view model, const std::vector<double>& v) {
  auto has = [&](std::size_t n) { return v.size() >= n; };
  if (model == "Lab" && has(3)) return LabD50ToHex(v[0], v[1], v[2]);
  if ((model == "sRGB" || model == "RGB") && has(3)) return UnitRgbToHex(v[0], v[1], v[2]);
  if (model == "HSV" && has(3)) return HsbToHex(v[0], v[1], v[2]);
  if (model == "HLS" && has(3)) {
    const Srgb s = HslToSrgb({v[0] * 360, v[2] * 100, v[1] * 100});
    return UnitRgbToHex(s[0], s[1], s[2]);
  }
  if (model == "CMY" && has(3)) return CmykToHex(v[0], v[1], v[2], 0);
  if (model == "CMYK" && has(4)) return CmykToHex(v[0], v[1], v[2], v[3]);
  if (model == "GRAY" && has(1)) return UnitRgbToHex(1 - v[0], 1 - v[0], 1 - v[0]);  // the amount of ink
  if (model == "XYZ" && has(3)) {
    const Srgb s = ToSrgb(ColourSpace::XyzD50, {v[0] / 100, v[1] / 100, v[2] / 100});
    return ColourOfSrgb(InSrgbGamut(s) ? s : GamutMapToSrgb(s)).Hex();
  }
  return {};
}

// Positions in a list of materials by identifier, the first of an identifier kept: open
// addressing over positions, so an identifier is stored once (in its material) and adding one
// touches a single slot, not a node of its own.
class FirstOfIdentifier {
 public:
  using IdAt = std::function<std::string_view(std::uint32_t)>;
  explicit FirstOfIdentifier(IdAt idAt) : idAt_(std::move(idAt)) {}

  void Reserve(std::size_t count) {
    std::size_t slots = 16;
    while (slots < 2 * count) slots *= 2;
    if (slots > slots_.size()) Rehash(slots);
  }
  // Fetches the slot `id` would start from, so a later Add finds it in the cache.
  void Prepare(std::string_view id) const {
#if defined(__GNUC__)
    if (!slots_.empty()) __builtin_prefetch(&slots_[Hash(id) & (slots_.size() - 1)]);
#endif
  }
  // Adds position `at` under `id`; false when the identifier is there already.
  bool Add(std::string_view id, std::uint32_t at) {
    if (2 * (count_ + 1) > slots_.size()) Rehash(std::max<std::size_t>(16, 2 * slots_.size()));
    const std::uint32_t hash = Hash(id);
    Slot& slot = slots_[Probe(id, hash)];
    if (slot.at != kEmpty) return false;
    slot = {hash, at};
    ++count_;
    return true;
  }
  std::optional<std::uint32_t> Find(std::string_view id) const {
    if (slots_.empty()) return std::nullopt;
    const Slot& slot = slots_[Probe(id, Hash(id))];
    if (slot.at == kEmpty) return std::nullopt;
    return slot.at;
  }

 private:
  static constexpr std::uint32_t kEmpty = UINT32_MAX;
  struct Slot {
    std::uint32_t hash = 0, at = kEmpty;
  };
  static std::uint32_t Hash(std::string_view id) {
    return static_cast<std::uint32_t>(std::hash<std::string_view>{}(id));
  }
  // The slot holding `id`, or the empty one where it would go.
  std::size_t Probe(std::string_view id, std::uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      const Slot& slot = slots_[i];
      if (slot.at == kEmpty || (slot.hash == hash && idAt_(slot.at) == id)) return i;
    }
  }
  void Rehash(std::size_t slots) {
    std::vector<Slot> old(slots, Slot{});
    old.swap(slots_);
    const std::size_t mask = slots - 1;
    for (const Slot& s : old) {
      if (s.at == kEmpty) continue;
      std::size_t i = s.hash & mask;
      while (slots_[i].at != kEmpty) i = (i + 1) & mask;
      slots_[i] = s;
    }
  }

  IdAt idAt_;
  std::vector<Slot> slots_;
  std::size_t count_ = 0;
};

// The book's materials by identifier, and the swatches of its book in order; a book may
// come before its materials, so the swatches are matched once the whole file is read.
struct SwatchBookReader : XmlReader {
  struct Material {
    std::string id, name, hex;
  };

  std::string title;
  // In the order they are defined, and by identifier (the first of an identifier counts).
  std::vector<Material> materials;
  FirstOfIdentifier byId{[this](std::uint32_t at) { return std::string_view(materials[at].id); }};
  std::vector<std::string> swatches;
  bool hasBook = false;
  std::size_t documentBytes = 0;
  // The material being read.
  std::string id, materialTitle, identifier, labHex, firstHex, model;

  void Expect(std::size_t bytes) override {
    documentBytes = bytes;
    // A material takes some 200 bytes of XML: room for them all at once, not rehashed as they come.
    byId.Reserve(std::min(bytes / 200, kMaxListEntries));
  }

  void Start(std::string_view name, const XmlAttributes& a) override {
    if (Depth() == 0) {
      if (name != "SwatchBook") Refuse("is not a SwatchBooker book: its swatchbook.xml holds no SwatchBook.");
      return;
    }
    if (Depth() == 1 && name == "book") hasBook = true;
    if (Inside({"SwatchBook", "materials"}) && name == "color") {
      id.clear(), materialTitle.clear(), identifier.clear(), labHex.clear(), firstHex.clear();
    } else if (name == "values" && Depth() == 3 && InMaterial()) {
      model = a["model"];
    } else if (name == "swatch" && Depth() >= 2 && Path()[1] == "book") {
      // Groups within groups are opened in place, as deep as the document may nest.
      if (swatches.size() == kMaxListEntries) return Refuse(TooManyEntries());
      swatches.emplace_back(a["material"]);
    }
  }

  void End(std::string_view name, std::string_view text) override {
    if (Inside({"SwatchBook", "metadata"}) && name == "title" && title.empty()) {
      title = Trimmed(text);
    } else if (Depth() == 4 && InMaterial() && Path()[3] == "metadata") {
      // The book refers to a material by its identifier exactly as written, blanks and all.
      if (name == "identifier") id = text, identifier = Trimmed(text), byId.Prepare(id);
      if (name == "title") materialTitle = Trimmed(text);
    } else if (Depth() == 3 && InMaterial() && name == "values") {
      const std::string h = ValuesHex(model, Numbers(text));
      // Lab first, as the book's own reference; otherwise the first model Tintora knows.
      if (h.empty()) return;
      if (model == "Lab" && labHex.empty()) labHex = h;
      if (firstHex.empty()) firstHex = h;
    } else if (Inside({"SwatchBook", "materials"}) && name == "color") {
      const std::string& hex = labHex.empty() ? firstHex : labHex;
      if (hex.empty() || id.empty()) return;
      // Named as the swatch formats name colours, so a swatch costs no more than any other's.
      materials.push_back({id, SwatchName(materialTitle.empty() ? identifier : materialTitle), hex});
      if (!byId.Add(id, static_cast<std::uint32_t>(materials.size() - 1))) return materials.pop_back();
      if (materials.size() > kMaxListEntries) return Refuse(TooManyEntries());
    }
  }

  bool InMaterial() const { return Depth() >= 3 && Path()[1] == "materials" && Path()[2] == "color"; }
};

// Every swatch copies its material's name into the list, so a short book of references to one
// long-named material would unfold into far more text than the book holds. The names may come
// to the book's own size (a real book names each swatch about as long as it refers to it), or
// to 16 MB where that is more; a book past that is refused.
std::size_t NameBudget(std::size_t documentBytes) { return std::max<std::size_t>(documentBytes, 16u << 20); }

}  // namespace

ListReadResult ReadSwatchBooker(std::string_view bytes) {
  SwatchBookReader reader;
  std::string why;
  if (!ReadZippedXml(bytes, "swatchbook.xml", "a SwatchBooker book", reader, why)) return RefusedRead(why);
  ListReadResult r;
  r.title = std::move(reader.title);
  if (reader.hasBook) {
    std::size_t names = 0;
    const std::size_t budget = NameBudget(reader.documentBytes);
    r.entries.reserve(reader.swatches.size());
    // A book mostly lists its materials in the order they were defined: the next one is
    // tried before the index is asked.
    std::size_t next = 0;
    for (const std::string& id : reader.swatches) {
      if (next >= reader.materials.size() || reader.materials[next].id != id) {
        const auto found = reader.byId.Find(id);
        if (!found) continue;
        next = *found;
      }
      const SwatchBookReader::Material& m = reader.materials[next++];
      names += m.name.size();
      if (names > budget)
        return RefusedRead("repeats its colours' names in more text than the book holds (over " +
                           std::to_string(budget >> 20) + " MB): it is not read.");
      r.entries.push_back({m.name, m.hex});
    }
  } else {
    for (const SwatchBookReader::Material& m : reader.materials) r.entries.push_back({m.name, m.hex});
  }
  NameByValue(r.entries);
  return r;
}

}  // namespace tintora
