#include "core/formats/gpl.h"

#include <algorithm>
#include <charconv>

#include "core/formats/colour_list_files.h"
#include "core/io/lines.h"

namespace tintora {

namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A whole number 0..255 at the start of `s`, which moves past it and the blanks after it.
bool TakeComponent(std::string_view& s, int& out) {
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  if (ec != std::errc() || out < 0 || out > 255) return false;
  s.remove_prefix(static_cast<std::size_t>(end - s.data()));
  if (!s.empty() && s.front() != ' ' && s.front() != '\t') return false;
  const std::size_t blanks = s.find_first_not_of(" \t");
  s.remove_prefix(blanks == std::string_view::npos ? s.size() : blanks);
  return true;
}

void AppendPadded(std::string& out, int v) {
  const std::string digits = std::to_string(v);
  out.append(3 - digits.size(), ' ');
  out += digits;
}

}  // namespace

ListWriteResult WriteGpl(const ColourList& list, std::string_view title, int columns) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  if (auto bad = FirstNonColour(list)) return {{}, *bad};
  std::string text = "GIMP Palette\nName: ";
  text += title.empty() ? std::string_view("Tintora") : title;
  text += "\nColumns: " + std::to_string(std::clamp(columns, 0, 256)) + "\n#\n";
  text.reserve(text.size() + list.Count() * 24);
  for (const ColourEntry& e : list.Entries()) {
    const Rgb c = *EntryRgb(e);
    AppendPadded(text, c.red);
    text += ' ';
    AppendPadded(text, c.green);
    text += ' ';
    AppendPadded(text, c.blue);
    text += '\t';
    text += e.name;
    text += '\n';
  }
  return {std::move(text), {}};
}

ListReadResult ReadGpl(std::string_view text) {
  ListReadResult out;
  bool gimp = false, alpha = false;
  ForEachLine(text, [&](std::string_view whole) {
    std::string_view line = TrimBlanks(whole);
    if (!gimp) return gimp = line == "GIMP Palette";  // the first line, or the walk stops
    if (line.empty() || line.front() == '#') return true;
    if (line.starts_with("Channels:")) {
      alpha = TrimBlanks(line.substr(9)) == "RGBA";
    } else if (line.starts_with("Name:")) {
      out.title = std::string(TrimBlanks(line.substr(5)));
    } else if (line.starts_with("Columns:")) {
      std::string_view n = TrimBlanks(line.substr(8));
      int columns = 0;
      if (std::from_chars(n.data(), n.data() + n.size(), columns).ec == std::errc() && columns >= 0 &&
          columns <= 256)
        out.columns = columns;
    } else {
      int rgb[3], a;
      if (!TakeComponent(line, rgb[0]) || !TakeComponent(line, rgb[1]) || !TakeComponent(line, rgb[2]) ||
          (alpha && !TakeComponent(line, a)))
        return true;
      out.entries.push_back({std::string(line), HexOfRgb(rgb[0], rgb[1], rgb[2])});
    }
    return !OverFull(out.entries);
  });
  if (!gimp) {
    out.status = ListReadResult::Status::Refused;
    out.reason = "is not a GIMP palette: its first line is not \"GIMP Palette\".";
    return out;
  }
  NameByValue(out.entries);
  return out;
}

}  // namespace tintora
