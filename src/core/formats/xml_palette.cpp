#include "core/formats/xml_palette.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include <expat.h>

#include "core/formats/palette_file.h"
#include "core/formats/xml_scanner.h"
#include "core/io/zip_archive.h"

namespace tintora::xml_palette {

std::string_view XmlAttributes::operator[](std::string_view localName) const {
  for (std::size_t i = 0; i + 1 < pairs_.size(); i += 2)
    if (LocalName(pairs_[i]) == localName) return pairs_[i + 1];
  return {};
}

bool XmlAttributes::Has(std::string_view localName) const {
  for (std::size_t i = 0; i + 1 < pairs_.size(); i += 2)
    if (LocalName(pairs_[i]) == localName) return true;
  return false;
}

bool XmlReader::Inside(std::initializer_list<std::string_view> names) const {
  if (names.size() != path_.size()) return false;
  std::size_t i = 0;
  for (std::string_view n : names)
    if (path_[i++] != n) return false;
  return true;
}

// The scanner's events, or expat's callbacks for the documents it hands over, passed on to the
// reader with local names and the path kept.
struct XmlStream final : XmlEvents {
  explicit XmlStream(XmlReader& r) : reader(r), parser(XML_ParserCreate(nullptr)) {
    XML_SetUserData(parser, this);
    XML_SetElementHandler(parser, &StartElement, &EndElement);
    XML_SetCharacterDataHandler(parser, &Characters);
    // No palette needs entities of its own; refusing them leaves nothing to expand.
    XML_SetEntityDeclHandler(parser, &EntityDeclaration);
    XML_SetParamEntityParsing(parser, XML_PARAM_ENTITY_PARSING_NEVER);
  }
  ~XmlStream() override { XML_ParserFree(parser); }
  XmlStream(const XmlStream&) = delete;
  XmlStream& operator=(const XmlStream&) = delete;

  // Feeds a piece of the document; false once reading has stopped, with the reason in `why`.
  bool Feed(std::string_view piece, bool last) {
    if (!expat) {
      switch (scanner.Feed(piece, last)) {
        case XmlScanner::Outcome::More:
        case XmlScanner::Outcome::Finished:
          return true;
        case XmlScanner::Outcome::Stopped:
          refused = true;
          why = reader.refusal_;
          return false;
        case XmlScanner::Outcome::Broken:
          why = "is not well-formed XML (" + scanner.Error() + " at line " + std::to_string(scanner.Line()) +
                ").";
          return false;
        case XmlScanner::Outcome::HandOver:
          expat = true;
          piece = scanner.Pending();
      }
    }
    while (true) {
      // Expat takes at most INT_MAX bytes a call.
      const std::size_t n = std::min<std::size_t>(piece.size(), std::numeric_limits<int>::max());
      const bool end = last && n == piece.size();
      if (XML_Parse(parser, piece.data(), static_cast<int>(n), end) != XML_STATUS_OK) {
        refused = !reader.refusal_.empty();
        if (refused)
          why = reader.refusal_;
        else if (entityDeclared)
          why = "declares entities of its own, which no palette needs: it is not read.";
        else
          why = std::string("is not well-formed XML (") + XML_ErrorString(XML_GetErrorCode(parser)) +
                " at line " + std::to_string(XML_GetCurrentLineNumber(parser)) + ").";
        return false;
      }
      piece.remove_prefix(n);
      if (piece.empty()) return true;
    }
  }

  void Stop() {
    if (expat)
      XML_StopParser(parser, XML_FALSE);
    else
      scanner.Stop();
  }

  void StartTag(std::string_view name, std::span<const std::string_view> attributes) override {
    Start(name, attributes);
  }
  void EndTag(std::string_view name) override { End(name); }
  void Characters(std::string_view s) override { Append(s); }

  void Start(std::string_view name, std::span<const std::string_view> attributes) {
    if (reader.path_.size() >= kMaxNesting) {
      reader.Refuse(TooDeep());
      Stop();
      return;
    }
    const std::string_view local = LocalName(name);
    text.clear();
    reader.Start(local, XmlAttributes(attributes));
    reader.path_.emplace_back(local);
    if (!reader.refusal_.empty()) Stop();
  }

  void End(std::string_view name) {
    reader.path_.pop_back();
    reader.End(LocalName(name), text);
    text.clear();
    if (!reader.refusal_.empty()) Stop();
  }

  void Append(std::string_view s) {
    text.append(s.substr(0, kMaxXmlText - std::min(kMaxXmlText, text.size())));
  }

  static void XMLCALL StartElement(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto* self = static_cast<XmlStream*>(data);
    self->pairs.clear();
    for (const XML_Char** a = attributes; *a; ++a) self->pairs.emplace_back(*a);
    self->Start(name, self->pairs);
  }
  static void XMLCALL EndElement(void* data, const XML_Char* name) {
    static_cast<XmlStream*>(data)->End(name);
  }
  static void XMLCALL Characters(void* data, const XML_Char* s, int length) {
    static_cast<XmlStream*>(data)->Append(std::string_view(s, static_cast<std::size_t>(length)));
  }

  static void XMLCALL EntityDeclaration(void* data, const XML_Char*, int, const XML_Char*, int,
                                        const XML_Char*, const XML_Char*, const XML_Char*, const XML_Char*) {
    auto* self = static_cast<XmlStream*>(data);
    self->entityDeclared = true;
    self->Stop();
  }

  XmlReader& reader;
  XmlScanner scanner{*this};
  bool expat = false;                   // the document was handed over to expat
  std::vector<std::string_view> pairs;  // expat's attributes, measured
  XML_Parser parser;
  std::string text, why;
  bool entityDeclared = false, refused = false;
};

bool ReadXml(std::string_view bytes, XmlReader& reader, std::string& why, XmlEngine engine) {
  XmlStream stream(reader);
  stream.expat = engine == XmlEngine::ExpatOnly;
  reader.Expect(bytes.size());
  if (stream.Feed(bytes, true)) return true;
  why = stream.why;
  return false;
}

bool ReadZippedXml(std::string_view zipBytes, const char* entry, std::string_view kind, XmlReader& reader,
                   std::string& why) {
  const std::string notOne = "is not " + std::string(kind) + ": ";
  const ZipReader zip(zipBytes);
  if (!zip.Ok()) {
    why = notOne + "it " + zip.Why();
    return false;
  }
  XmlStream stream(reader);
  bool parsed = true;
  std::size_t size = 0;
  bool first = true;
  const ZipEntryRead read = zip.Stream(
      entry,
      [&](std::string_view piece) {
        if (first) reader.Expect(size), first = false;
        return parsed = stream.Feed(piece, false);
      },
      &size);
  if (!read.why.empty()) {
    why = notOne + "it " + read.why;
    return false;
  }
  if (parsed) parsed = stream.Feed({}, true);
  if (parsed) return true;
  why = stream.refused ? stream.why : "holds a " + std::string(entry) + " that " + stream.why;
  return false;
}

std::string_view LocalName(std::string_view qualified) {
  const std::size_t colon = qualified.rfind(':');
  return colon == std::string_view::npos ? qualified : qualified.substr(colon + 1);
}

std::string_view Trimmed(std::string_view t) {
  while (!t.empty() && std::strchr(" \t\r\n", t.front())) t.remove_prefix(1);
  while (!t.empty() && std::strchr(" \t\r\n", t.back())) t.remove_suffix(1);
  return t;
}

double Number(std::string_view text) {
  while (!text.empty() && std::strchr(" \t\r\n", text.front())) text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || !std::isfinite(v)) return std::nan("");
  return v;
}

void AppendNumber(std::string& out, double value) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec == std::errc())
    out.append(buffer, end);
  else
    out += '0';
}

XmlText::XmlText(std::size_t expectedBytes) {
  text_.reserve(expectedBytes + 64);
  text_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
}

XmlText& XmlText::Open(std::string_view name) {
  text_.append(static_cast<std::size_t>(depth_) * 2, ' ');
  text_ += '<';
  text_ += name;
  return *this;
}

XmlText& XmlText::Attr(std::string_view name, std::string_view value) {
  text_ += ' ';
  text_ += name;
  text_ += "=\"";
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    // What XML cannot hold at all becomes U+FFFD, or the file would not read back: the
    // noncharacters U+FFFE and U+FFFF, halves of surrogate pairs, and control characters.
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(value[k]); };
    if (c == '\xEF' && i + 2 < value.size() && at(i + 1) == 0xBF &&
        (at(i + 2) == 0xBE || at(i + 2) == 0xBF)) {
      text_ += "\xEF\xBF\xBD";
      i += 2;
      continue;
    }
    if (c == '\xED' && i + 2 < value.size() && at(i + 1) >= 0xA0) {
      text_ += "\xEF\xBF\xBD";
      i += 2;
      continue;
    }
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
      text_ += "\xEF\xBF\xBD";
      continue;
    }
    switch (c) {
      case '&':
        text_ += "&amp;";
        break;
      case '<':
        text_ += "&lt;";
        break;
      case '>':
        text_ += "&gt;";
        break;
      case '"':
        text_ += "&quot;";
        break;
      // A reader folds blanks in attributes into spaces; these keep what they are.
      case '\t':
        text_ += "&#9;";
        break;
      case '\n':
        text_ += "&#10;";
        break;
      case '\r':
        text_ += "&#13;";
        break;
      default:
        text_ += c;
    }
  }
  text_ += '"';
  return *this;
}

XmlText& XmlText::Attr(std::string_view name, long long value) { return Attr(name, std::to_string(value)); }

XmlText& XmlText::Attr(std::string_view name, double value) {
  text_ += ' ';
  text_ += name;
  text_ += "=\"";
  AppendNumber(text_, value);
  text_ += '"';
  return *this;
}

std::string XmlText::TakePiece() {
  std::string piece;
  piece.swap(text_);
  text_.reserve(piece.capacity());
  return piece;
}

void XmlText::EndEmpty() { text_ += "/>\n"; }

void XmlText::EndStart() {
  text_ += ">\n";
  ++depth_;
}

void XmlText::Close(std::string_view name) {
  --depth_;
  text_.append(static_cast<std::size_t>(depth_) * 2, ' ');
  text_ += "</";
  text_ += name;
  text_ += ">\n";
}

}  // namespace tintora::xml_palette
