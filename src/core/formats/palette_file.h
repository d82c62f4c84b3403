// What the palette readers and writers of every format share: what a read gives back, what a
// write gives back, and the rules for names and values that several formats apply alike.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/text_codec.h"
#include "core/list/colour_list.h"

namespace tintora {

// Something the user should hear about while a file is read, in the order it arose.
struct FileNotice {
  std::string text;
  bool beep = false;  // the warning sound goes with it
};

struct ListReadResult {
  enum class Status {
    Read,     // the whole file was read
    Cut,      // the file ends before it should: `entries` holds what came before the break
    Refused,  // nothing to take; `reason` says why (after the file's name)
  };
  Status status = Status::Read;
  std::vector<ColourEntry> entries;
  std::vector<FileNotice> notices;
  std::string reason;
  // The palette's own name and its number of columns, where the format keeps them (GIMP,
  // Krita, Procreate, Scribus ...); empty and 0 otherwise.
  std::string title;
  int columns = 0;
  // Adobe swatch files: the file's size and where a second section was looked for (0 when
  // there was none), for the program data box.
  std::size_t fileSize = 0, secondSection = 0;
};

// The bytes of a file to write, or why there are none (`error`, a sentence of its own).
struct ListWriteResult {
  std::string bytes;
  std::string error;
  bool Ok() const { return error.empty(); }
};

// The most entries a list file may hold, read or written. A million named colours read in about
// a second; past twice that, a file is more likely one of nothing but empty entries, each of
// which would cost memory that its one or two bytes in the file do not.
inline constexpr std::size_t kMaxListEntries = 2'000'000;
// Why a file with more is refused (it follows the file's name).
std::string TooManyEntries();
// The deepest a palette document (XML or JSON) may nest. LibreOffice and Scribus palettes are
// two levels deep, Krita's four, Procreate's three; SwatchBooker's groups within groups are the
// deepest, and a real book nests a handful. A document nested past this is refused as soon as
// it gets there, before its nesting costs anything.
inline constexpr std::size_t kMaxNesting = 64;
std::string TooDeep();

// Whether a reader has taken more entries than a file may hold: it stops there, and
// ReadListFile refuses the file, so no reader makes entries without bound.
inline bool OverFull(const std::vector<ColourEntry>& entries) { return entries.size() > kMaxListEntries; }

// A name as Tintora's lists hold names, whatever file it came from: bytes that are not UTF-8
// become U+FFFD, control characters (C0, DEL and C1: NUL, tabs, line breaks ...) become blanks,
// and "{" and "}" become the full-width braces U+FF5B and U+FF5D, so that a name can never
// break a list file's line or its fields, nor an XML file's text.
std::string ListName(std::string_view utf8);
// Whether ListName would change the name.
bool NeedsListName(std::string_view utf8);
// The same for a value that is no colour (case statements and HTML tables may carry any
// text): not UTF-8 as U+FFFD, control characters as blanks, "[" and "]" as the full-width
// U+FF3B and U+FF3D.
std::string ListValue(std::string_view utf8);
bool NeedsListValue(std::string_view utf8);

// A name as the swatch formats store it: trailing blanks and control characters removed, at
// most `maxChars` characters.
std::string SwatchName(std::string_view name, std::size_t maxChars = 255);

// RRGGBB, upper case.
std::string HexOfRgb(int red, int green, int blue);
// RGB hex text of a Lab colour (D65, 2 degrees; out of gamut is clipped).
std::string LabToHex(long double l, long double a, long double b);
// RGB hex text of a Lab colour relative to D50, the white ICC profiles and the swatch formats
// of print programs use; a colour outside sRGB is brought in by the CSS gamut mapping.
std::string LabD50ToHex(double l, double a, double b);
// RGB hex text of components 0..1 (anything else, NaN included, is brought into that range).
std::string UnitRgbToHex(double red, double green, double blue);
// RGB hex text of inks 0..1: each channel is (1 - ink) x (1 - black), the arithmetic every
// CMYK swatch Tintora reads goes through.
std::string CmykToHex(double cyan, double magenta, double yellow, double black);
// RGB hex text of hue, saturation and brightness, each 0..1.
std::string HsbToHex(double hue, double saturation, double brightness);
// Entries without a name are named by their value, as the swatch formats without names are.
void NameByValue(std::vector<ColourEntry>& entries);

// A read that takes nothing, for `why` (which follows the file's name).
ListReadResult RefusedRead(std::string why);

// What a writer should reserve for a list: `perEntry` bytes of markup for each entry plus
// its name. Growing a text of many megabytes by doubling costs more than writing it.
std::size_t TextBytes(const ColourList& list, std::size_t perEntry);
// Red, green and blue of an entry whose value is RGB hex text.
struct Rgb {
  int red, green, blue;
};
std::optional<Rgb> EntryRgb(const ColourEntry& entry);

// Formats that store colours as numbers cannot hold a value that is not a colour: the reason
// for the first such entry, nullopt when every value is RGB hex text.
std::optional<std::string> FirstNonColour(const ColourList& list);
// That reason for entry `index` (from 0).
std::string NonColourReason(std::size_t index, const ColourEntry& entry);

}  // namespace tintora
