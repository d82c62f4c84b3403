// The colour list as an HTML page of swatches: a table of a chosen number of columns, each
// cell the colour with its value and name, optionally followed by printing instructions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/formats/palette_file.h"

namespace tintora {

enum class HtmlTableStyle {
  ConsecutiveText,  // a 30-pixel swatch, then the value and name beside it
  TextOverlay,      // value and name written on a 64-pixel swatch
};

// The Save As Options window's choices; these are its defaults.
struct HtmlTableOptions {
  int columns = 4;  // 1..10
  HtmlTableStyle style = HtmlTableStyle::ConsecutiveText;
  bool printInstructions = true;
};

// The page's lines. Names and values are written as HTML text: characters with a meaning in
// HTML, and characters Windows-1252 cannot hold, as character references.
std::vector<std::string> HtmlTableLines(const ColourList& list, const HtmlTableOptions& options);
// The page as the file holds it: CR LF after every line.
ListWriteResult WriteHtmlTable(const ColourList& list, const HtmlTableOptions& options);

// The entries of a page this program wrote, in either style (UTF-8 text).
ListReadResult ReadHtmlTable(std::string_view text);

// HTML text of plain text, and plain text of HTML text (the references this program writes,
// and the usual named ones).
std::string HtmlEscape(std::string_view utf8);
void AppendHtmlEscaped(std::string& out, std::string_view utf8);
std::string HtmlUnescape(std::string_view html);

}  // namespace tintora
