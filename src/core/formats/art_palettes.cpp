#include "core/formats/art_palettes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "core/colour/colour_spaces.h"
#include "core/colour/css_text.h"
#include "core/colour/number_text.h"
#include "core/formats/colour_list_files.h"
#include "core/formats/xml_palette.h"
#include "core/io/lines.h"
#include "core/io/text_codec.h"
#include "core/io/zip_archive.h"
#include "core/io/zip_writer.h"

namespace tintora {

using namespace xml_palette;

namespace {

double Attr(const XmlAttributes& a, std::string_view name) { return Number(a[name]); }

}  // namespace

// ---------------------------------------------------------------- Krita

namespace {

constexpr std::string_view kKritaMimeType = "krita/x-colorset";

std::string KritaColourHex(std::string_view model, const XmlAttributes& a) {
  if (model == "RGB" || model == "sRGB") return UnitRgbToHex(Attr(a, "r"), Attr(a, "g"), Attr(a, "b"));
  if (model == "Lab") return LabD50ToHex(Attr(a, "L"), Attr(a, "a"), Attr(a, "b"));
  if (model == "CMYK") return CmykToHex(Attr(a, "c"), Attr(a, "m"), Attr(a, "y"), Attr(a, "k"));
  if (model == "Gray") return UnitRgbToHex(Attr(a, "g"), Attr(a, "g"), Attr(a, "g"));
  if (model == "XYZ") {
    const Srgb s = ToSrgb(ColourSpace::XyzD50, {Attr(a, "x"), Attr(a, "y"), Attr(a, "z")});
    if (std::isnan(s[0]) || std::isnan(s[1]) || std::isnan(s[2])) return {};
    return ColourOfSrgb(InSrgbGamut(s) ? s : GamutMapToSrgb(s)).Hex();
  }
  return {};
}

// The colour set's entries: those of the set itself, then each group's, each in its grid's
// reading order with the entries without a place after them, as they come.
struct KritaReader : XmlReader {
  struct Placed {
    long long row, column;
    std::size_t order;
    ColourEntry entry;
  };
  struct Group {
    std::vector<Placed> placed;
    std::vector<ColourEntry> loose;
  };

  std::string title;
  int columns = 0;
  std::vector<Group> groups{1};  // the set's own entries first
  std::size_t group = 0, kept = 0;
  // The entry being read: its colour is its first colour element.
  bool inEntry = false, hasPlace = false;
  ColourEntry entry;
  double row = 0, column = 0;

  // Reserving is free until the entries arrive: an entry takes 40 bytes at the least.
  void Expect(std::size_t bytes) override {
    groups[0].placed.reserve(std::min(bytes / 40, kMaxListEntries + 1));
  }

  void Start(std::string_view name, const XmlAttributes& a) override {
    if (Depth() == 0) {
      if (name != "ColorSet" && name != "Colorset")
        Refuse("is not a Krita palette: its colorset.xml holds no ColorSet.");
      title = a["name"];
      const double c = Attr(a, "columns");
      columns = std::isnan(c) || c < 0 || c > 4096 ? 0 : static_cast<int>(c);
    } else if (Depth() == 1 && name == "Group") {
      groups.emplace_back();
      group = groups.size() - 1;
    } else if (name == "ColorSetEntry" && (Depth() == 1 || (Depth() == 2 && group != 0))) {
      inEntry = true, hasPlace = false;
      entry = {std::string(a["name"]), {}};
    } else if (inEntry && Depth() == (group ? 3u : 2u)) {
      if (name == "Position") {
        row = Attr(a, "row"), column = Attr(a, "column");
        // A place that is no whole number a grid can have is no place.
        const auto onGrid = [](double v) { return std::isfinite(v) && std::fabs(v) < 1e15; };
        hasPlace = onGrid(row) && onGrid(column);
      } else if (entry.value.empty()) {
        entry.value = KritaColourHex(name, a);
      }
    }
  }

  void End(std::string_view name, std::string_view) override {
    if (Depth() == 1 && name == "Group") {
      group = 0;
    } else if (inEntry && name == "ColorSetEntry" && Depth() == (group ? 2u : 1u)) {
      inEntry = false;
      if (entry.value.empty()) return;
      if (++kept > kMaxListEntries) return Refuse(TooManyEntries());
      Group& g = groups[group];
      if (hasPlace)
        g.placed.push_back(
            {static_cast<long long>(row), static_cast<long long>(column), g.placed.size(), std::move(entry)});
      else
        g.loose.push_back(std::move(entry));
    }
  }

  void Into(std::vector<ColourEntry>& out) {
    std::size_t total = 0;
    for (const Group& g : groups) total += g.placed.size() + g.loose.size();
    out.reserve(total);
    for (Group& g : groups) {
      std::stable_sort(g.placed.begin(), g.placed.end(), [](const Placed& a, const Placed& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
      });
      for (Placed& p : g.placed) out.push_back(std::move(p.entry));
      for (ColourEntry& e : g.loose) out.push_back(std::move(e));
    }
  }
};

}  // namespace

ListReadResult ReadKpl(std::string_view bytes) {
  KritaReader reader;
  std::string why;
  if (!ReadZippedXml(bytes, "colorset.xml", "a Krita palette", reader, why)) return RefusedRead(why);
  ListReadResult r;
  r.title = std::move(reader.title);
  r.columns = reader.columns;
  reader.Into(r.entries);
  NameByValue(r.entries);
  return r;
}

ListWriteResult WriteKpl(const ColourList& list, std::string_view title, int columns) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  if (auto bad = FirstNonColour(list)) return {{}, *bad};
  if (columns <= 0) columns = 16;  // a palette without columns would place no swatch in Krita
  const std::size_t n = list.Count(), cols = static_cast<std::size_t>(columns);
  // The text goes to the archive a piece at a time, deflated beside the making of the next.
  constexpr std::size_t kPieceBytes = 256u << 10;
  ZipWriter zip;
  zip.Add("mimetype", kKritaMimeType, true);
  zip.Begin("colorset.xml");
  XmlText xml(kPieceBytes);
  xml.Open("ColorSet")
      .Attr("version", "2.0")
      .Attr("name", title.empty() ? std::string_view("Tintora") : title)
      .Attr("comment", "")
      .Attr("columns", static_cast<long long>(columns))
      .Attr("rows", static_cast<long long>((n + cols - 1) / cols))
      .Attr("readonly", "false")
      .EndStart();
  for (std::size_t i = 0; i < n; ++i) {
    const ColourEntry& e = list.At(i);
    const Rgb c = *EntryRgb(e);
    xml.Open("ColorSetEntry")
        .Attr("name", e.name.empty() ? HexOfRgb(c.red, c.green, c.blue) : e.name)
        .Attr("id", "")
        .Attr("spot", "false")
        .Attr("bitdepth", "U8")
        .EndStart();
    xml.Open("RGB")
        .Attr("space", "sRGB-elle-V2-srgbtrc.icc")
        .Attr("r", c.red / 255.0)
        .Attr("g", c.green / 255.0)
        .Attr("b", c.blue / 255.0)
        .EndEmpty();
    xml.Open("Position")
        .Attr("row", static_cast<long long>(i / cols))
        .Attr("column", static_cast<long long>(i % cols))
        .EndEmpty();
    xml.Close("ColorSetEntry");
    if (xml.Size() >= kPieceBytes && !zip.Put(xml.TakePiece())) break;
  }
  xml.Close("ColorSet");
  zip.Put(xml.TakePiece());
  zip.End();
  XmlText profiles;
  profiles.Open("Profiles").EndEmpty();
  zip.Add("profiles.xml", profiles.Take());
  if (zip.TooLargeAt()) return {{}, "A Krita palette of this list " + TooLargeToReadBack("colorset.xml")};
  std::string bytes = zip.Finish();
  if (bytes.empty()) return {{}, "The Krita palette could not be put together."};
  return {std::move(bytes), {}};
}

// ---------------------------------------------------------------- Paint.NET and hex lists

namespace {

std::string_view TrimLine(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\xEF' || s.front() == '\xBB' ||
                        s.front() == '\xBF'))
    s.remove_prefix(1);  // blanks, and a byte order mark's bytes
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool AllHex(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return HexDigit(c) >= 0; });
}

// RRGGBB of "AARRGGBB" or "RRGGBB" (a "#" before it allowed); empty for anything else.
std::string LineHex(std::string_view line) {
  if (!line.empty() && line.front() == '#') line.remove_prefix(1);
  if (line.size() == 8 && AllHex(line)) line.remove_prefix(2);
  if (line.size() != 6 || !AllHex(line)) return {};
  std::string hex(line);
  for (char& c : hex) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return hex;
}

// Lines that are no colour are passed over, and said: the first by its number and text, the
// others counted, so a palette with one mistyped line still opens and the mistake is found.
ListReadResult ReadHexLines(std::string_view text, bool comments) {
  ListReadResult r;
  std::size_t number = 0, skipped = 0;
  std::string first;
  ForEachLine(text, [&](std::string_view whole) {
    ++number;
    const std::string_view line = TrimLine(whole);
    if (line.empty() || (comments && line.front() == ';')) return true;
    const std::string hex = LineHex(line);
    if (hex.empty()) {
      if (skipped++ == 0) first = "line " + std::to_string(number) + " (\"" + CutToChars(line, 40) + "\")";
      return true;
    }
    r.entries.push_back({hex, hex});
    return !OverFull(r.entries);
  });
  if (skipped == 1)
    r.notices.push_back({"Its " + first + " is not a colour and was left out.", false});
  else if (skipped > 1)
    r.notices.push_back(
        {std::to_string(skipped) + " lines that are not colours were left out, the first " + first + ".",
         false});
  return r;
}

}  // namespace

bool LooksLikePaintNet(std::string_view text) {
  bool colour = false, statement = false;
  ForEachLine(text, [&](std::string_view whole) {
    const std::string_view line = TrimLine(whole);
    statement = !line.empty() && line.front() == '$';
    colour = colour || (!line.empty() && line.front() != ';' && !LineHex(line).empty());
    return !statement;
  });
  return colour && !statement;
}

ListReadResult ReadPaintNet(std::string_view text) { return ReadHexLines(text, true); }

ListWriteResult WritePaintNet(const ColourList& list) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  if (list.Count() > kPaintNetMaxColours)
    return {{},
            "A Paint.NET palette holds at most 96 colours; this list has " + std::to_string(list.Count()) +
                ". Save it in another format, or split it."};
  if (auto bad = FirstNonColour(list)) return {{}, *bad};
  std::string text =
      "; paint.net Palette File\r\n"
      "; Lines that start with a semicolon are comments\r\n"
      "; Colors are written as 8-digit hexadecimal numbers: aarrggbb\r\n"
      "; Written by Tintora\r\n";
  for (const ColourEntry& e : list.Entries()) {
    const Rgb c = *EntryRgb(e);
    text += "FF" + HexOfRgb(c.red, c.green, c.blue) + "\r\n";
  }
  return {std::move(text), {}};
}

ListReadResult ReadHexList(std::string_view text) { return ReadHexLines(text, false); }

ListWriteResult WriteHexList(const ColourList& list) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  if (auto bad = FirstNonColour(list)) return {{}, *bad};
  std::string text;
  text.reserve(list.Count() * 7);
  for (const ColourEntry& e : list.Entries()) {
    const Rgb c = *EntryRgb(e);
    text += css_text::Lower(HexOfRgb(c.red, c.green, c.blue));
    text += '\n';
  }
  return {std::move(text), {}};
}

}  // namespace tintora
