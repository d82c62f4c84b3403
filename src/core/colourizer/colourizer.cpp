#include "core/colourizer/colourizer.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <vector>

#include "core/colour/rounding.h"
#include "core/colour/websafe.h"
#include "core/io/text_codec.h"

namespace tintora {

namespace {

bool IsWhite(char32_t c) { return c == U' ' || c == U'\t' || c == U'\n'; }

// The colour of an entry's value; a value that is no colour counts as black.
Rgb8 EntryColour(const TextColourEntry& e) { return Rgb8::OfHex(e.value).value_or(Rgb8{}); }

// The colour of character k of n along the gradient through the sequence.
Rgb8 GradientColour(const std::vector<Rgb8>& seq, std::size_t k, std::size_t n) {
  const std::size_t m = seq.size();
  const std::size_t scaled = (m - 1) * k;
  const std::size_t whole = scaled / (n - 1);
  if (scaled % (n - 1) == 0) return seq[whole];
  const long double f = static_cast<long double>(scaled % (n - 1)) / static_cast<long double>(n - 1);
  const Rgb8 a = seq[whole], b = seq[whole + 1];
  auto mix = [f](int x, int y) {
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(x + Round(f * (y - x))), 0, 255));
  };
  return {mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue)};
}

int PointsOf(int sizeIndex) {
  return kColourizerPointSizes[static_cast<std::size_t>(std::clamp(sizeIndex, 0, 7))];
}

struct EntityName {
  unsigned char code;
  const char* text;
};
constexpr EntityName kEntities[] = {
    {32, "&nbsp;"},    {34, "&quot;"},    {38, "&amp;"},     {60, "&lt;"},      {62, "&gt;"},
    {128, "&euro;"},   {131, "&fnof;"},   {153, "&trade;"},  {169, "&copy;"},   {174, "&reg;"},
    {188, "&frac14;"}, {189, "&frac12;"}, {190, "&frac34;"}, {196, "&Auml;"},   {197, "&Aring;"},
    {198, "&AElig;"},  {201, "&Eacute;"}, {214, "&Ouml;"},   {224, "&agrave;"}, {225, "&aacute;"},
    {226, "&acirc;"},  {228, "&auml;"},   {229, "&aring;"},  {230, "&aelig;"},  {232, "&egrave;"},
    {233, "&eacute;"}, {234, "&ecirc;"},  {235, "&euml;"},   {236, "&igrave;"}, {237, "&iacute;"},
    {238, "&icirc;"},  {239, "&iuml;"},   {242, "&ograve;"}, {243, "&oacute;"}, {244, "&ocirc;"},
    {246, "&ouml;"},   {249, "&ugrave;"}, {250, "&uacute;"}, {251, "&ucirc;"},  {252, "&uuml;"},
    {253, "&yacute;"}, {255, "&yuml;"},
};

}  // namespace

std::u32string NormaliseColourizerText(std::u32string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'\r') {
      out += U'\n';
      if (i + 1 < text.size() && text[i + 1] == U'\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::size_t CharacterCount(std::u32string_view text) {
  std::size_t n = text.size();
  while (n > 0 && IsWhite(text[n - 1])) --n;
  return n;
}

std::size_t CheckedColourCount(const std::vector<TextColourEntry>& colours) {
  return static_cast<std::size_t>(
      std::count_if(colours.begin(), colours.end(), [](const auto& e) { return e.checked; }));
}

std::optional<int> HTMLTextSize(int points) {
  for (int size = 1; size <= 7; ++size)
    if (kColourizerPointSizes[static_cast<std::size_t>(size)] == points) return size;
  return std::nullopt;
}

std::string HTMLCharacterFilter(char32_t ch) {
  const auto code = Cp1252Code(ch);
  if (!code) return "&#" + std::to_string(static_cast<unsigned long>(ch)) + ";";
  for (const EntityName& e : kEntities)
    if (e.code == *code) return e.text;
  if (*code < 33 || *code > 126) return "&#" + std::to_string(*code) + ";";
  return std::string(1, static_cast<char>(*code));
}

std::vector<int> GradualSizeIndexes(std::size_t n, int start, int end) {
  std::vector<int> sizes(n, start);
  if (end == start || n == 0) return sizes;
  const long long dx2 = 2 * (static_cast<long long>(n) - 1);
  const long long dy2 = std::llabs(2LL * (end - start));
  long long err = -(static_cast<long long>(n) - 1);
  int idx = start;
  for (std::size_t k = 0; k < n; ++k) {
    sizes[k] = idx;
    err += dy2;
    if (err > 0) {
      idx = idx < end ? idx + 1 : idx - 1;
      if (k + 2 == n) idx = end;
      err -= dx2;
    }
  }
  return sizes;
}

Colourized Colourize(const ColourizerInput& in) {
  Colourized out;
  out.count = CharacterCount(in.text);
  // The characters that take a colour and a size: those before the trailing white space,
  // line breaks left out.
  std::vector<std::size_t> shown;
  for (std::size_t i = 0; i < out.count; ++i)
    if (in.text[i] != U'\n') shown.push_back(i);
  const std::size_t n = shown.size();

  int oneSize = in.start == 0 ? in.base : in.relative ? in.base + in.start : in.start;
  std::vector<int> sizes;
  if (in.end != 0) {
    const int from = in.start == 0 ? in.base : in.relative ? in.base + in.start : in.start;
    const int to = in.relative ? in.base + in.end : in.end;
    sizes = GradualSizeIndexes(n, from, to);
    oneSize = in.base;  // for what lies outside the progression
  }
  out.chars.reserve(in.text.size());
  for (char32_t ch : in.text) out.chars.push_back({ch, std::nullopt, PointsOf(oneSize)});
  for (std::size_t k = 0; k < sizes.size(); ++k) out.chars[shown[k]].points = PointsOf(sizes[k]);

  std::vector<Rgb8> seq;
  for (const TextColourEntry& e : in.colours)
    if (e.checked) seq.push_back(EntryColour(e));
  const std::size_t m = seq.size();
  auto safe = [&in](Rgb8 c) { return in.webSafe ? WebSafeColour(c) : c; };
  if (m == 1) {
    for (ColourizedChar& c : out.chars)
      if (c.ch != U'\n') c.colour = safe(seq[0]);
  } else if (m >= 2) {
    for (std::size_t k = 0; k < n; ++k)
      out.chars[shown[k]].colour = safe(m >= n ? seq[k] : GradientColour(seq, k, n));
  }
  return out;
}

namespace {

// What one tag says of the text it holds; each part may be absent.
struct TextLook {
  std::string face;
  std::optional<Rgb8> colour;
  std::string size;  // as FONT's SIZE says it: "4", "+1", "-2"
};

// FONT's seven sizes as CSS names them; a relative size counts from the default size, 3.
std::string CssFontSize(const std::string& size) {
  static constexpr const char* kNames[] = {"x-small", "small",    "medium",   "large",
                                           "x-large", "xx-large", "xxx-large"};
  int n = std::stoi(size);
  if (size[0] == '+' || size[0] == '-') n += 3;
  return kNames[std::clamp(n, 1, 7) - 1];
}

// A font name inside a quoted CSS string inside a quoted attribute.
std::string CssQuoted(const std::string& name) {
  std::string out;
  for (char ch : name) {
    if (ch == '\'' || ch == '\\') out += '\\';
    if (ch == '"')
      out += "&quot;";
    else
      out += ch;
  }
  return out;
}

std::string OpenTag(const TextLook& look, bool css) {
  if (!css) {
    std::string open = "<FONT";
    if (!look.face.empty()) open += " FACE=\"" + look.face + "\"";
    if (look.colour) open += " COLOR=\"#" + look.colour->Hex() + "\"";
    if (!look.size.empty()) open += " SIZE=\"" + look.size + "\"";
    return open + ">";
  }
  std::vector<std::string> parts;
  if (!look.face.empty()) parts.push_back("font-family: '" + CssQuoted(look.face) + "'");
  if (look.colour) parts.push_back("color: #" + look.colour->Hex());
  if (!look.size.empty()) parts.push_back("font-size: " + CssFontSize(look.size));
  std::string style;
  for (const std::string& p : parts) style += (style.empty() ? "" : "; ") + p;
  return "<span style=\"" + style + "\">";
}

std::string CloseTag(bool css) { return css ? "</span>" : "</FONT>"; }

}  // namespace

std::vector<std::string> GenerateHTML(const Colourized& r, const ColourizerInput& in) {
  std::vector<std::string> lines;
  if (r.count < 1) return lines;
  const int B = in.base, S = in.start, E = in.end;
  const std::size_t m = CheckedColourCount(in.colours);
  const bool face = !in.face.empty();
  const bool oneSize = S != 0 && (E == 0 || E == S);
  const bool outer = face || m == 1 || oneSize;
  const bool sizesVary =
      in.relative ? (E != S && E != 0) : ((B != E && S == 0 && E != 0) || (S != E && S != 0 && E != 0));
  const bool perCharacter = m > 1 || sizesVary;
  const bool css = in.cssSpans;

  if (outer) {
    TextLook look;
    look.face = in.face;
    if (m == 1) {
      const auto first = std::find_if(r.chars.begin(), r.chars.end(), [](const auto& c) { return c.colour; });
      if (first != r.chars.end()) look.colour = *first->colour;
    }
    if (oneSize) look.size = (in.relative && S > 0 ? "+" : "") + std::to_string(S);
    lines.push_back(OpenTag(look, css));
  }
  const ColourizerStyles& st = in.styles;
  const std::pair<bool, const char*> styles[] = {
      {st.bold, "B"}, {st.italic, "I"}, {st.underline, "U"}, {st.strikeOut, "STRIKE"}};
  // In CSS the four styles are one span.
  std::string cssStyle;
  if (css) {
    const std::pair<bool, const char*> properties[] = {{st.bold, "font-weight: bold"},
                                                       {st.italic, "font-style: italic"}};
    for (const auto& [on, property] : properties)
      if (on) cssStyle += std::string(cssStyle.empty() ? "" : "; ") + property;
    if (st.underline || st.strikeOut)
      cssStyle += std::string(cssStyle.empty() ? "" : "; ") +
                  "text-decoration:" + (st.underline ? " underline" : "") +
                  (st.strikeOut ? " line-through" : "");
    if (!cssStyle.empty()) lines.push_back("<span style=\"" + cssStyle + "\">");
  } else {
    for (const auto& [on, tag] : styles)
      if (on) lines.push_back(std::string("<") + tag + ">");
  }

  std::string joined;
  for (std::size_t k = 0; k < r.count; ++k) {
    const ColourizedChar& c = r.chars[k];
    std::string block;
    if (c.ch == U'\n') {
      block = css ? "<br>" : "<BR>";
    } else if (!perCharacter) {
      block = HTMLCharacterFilter(c.ch);
    } else {
      TextLook look;
      if (m > 1 && c.colour) look.colour = *c.colour;
      if (S != E && E != 0) {
        const auto h = HTMLTextSize(c.points);
        if (h && *h != B)
          look.size = (in.relative && *h - B > 0 ? "+" : "") + std::to_string(in.relative ? *h - B : *h);
      }
      block = !look.colour && look.size.empty()
                  ? HTMLCharacterFilter(c.ch)
                  : OpenTag(look, css) + HTMLCharacterFilter(c.ch) + CloseTag(css);
    }
    if (perCharacter && in.linePerBlock)
      lines.push_back((outer ? "   " : "") + block);
    else
      joined += block;
  }
  if (!(perCharacter && in.linePerBlock)) lines.push_back(joined);

  if (css) {
    if (!cssStyle.empty()) lines.push_back("</span>");
  } else {
    for (auto it = std::rbegin(styles); it != std::rend(styles); ++it)
      if (it->first) lines.push_back(std::string("</") + it->second + ">");
  }
  if (outer) lines.push_back(CloseTag(css));
  return lines;
}

std::string BackgroundAttribute(Rgb8 background) { return "BGColor=\"#" + background.Hex() + "\""; }

}  // namespace tintora
