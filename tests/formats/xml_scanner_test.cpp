// The quick XML reader against expat: the same elements, attributes and text for every
// document it reads, whole or a byte at a time; the same refusals; and every other kind of
// document handed to expat before anything is told.
#include "core/formats/xml_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/formats/xml_palette.h"
#include "formats/xml_recorder.h"

namespace tintora::xml_palette {
namespace {

// The scanner's own events, adjacent text joined.
struct Events final : XmlEvents {
  std::string log;
  void StartTag(std::string_view name, std::span<const std::string_view> attributes) override {
    log += "<" + std::string(name);
    for (std::size_t i = 0; i + 1 < attributes.size(); i += 2)
      log += " " + std::string(attributes[i]) + "=[" + std::string(attributes[i + 1]) + "]";
    log += ">";
  }
  void EndTag(std::string_view name) override { log += "</" + std::string(name) + ">"; }
  void Characters(std::string_view text) override { log += text; }
};

struct Scanned {
  XmlScanner::Outcome outcome;
  std::string log, error;
};

// Fed whole, or `piece` bytes at a time.
Scanned Scan(std::string_view document, std::size_t piece = 0) {
  Events events;
  XmlScanner scanner(events);
  if (piece == 0) piece = document.size() + 1;
  XmlScanner::Outcome outcome = XmlScanner::Outcome::More;
  for (std::size_t at = 0; outcome == XmlScanner::Outcome::More; at += piece) {
    const bool last = at + piece >= document.size();
    outcome = scanner.Feed(document.substr(std::min(at, document.size()), piece), last);
    if (last && outcome == XmlScanner::Outcome::More) break;
  }
  return {outcome, events.log, scanner.Error()};
}

struct Read {
  bool ok;
  std::string log, why;
};
Read ReadWith(std::string_view document, XmlEngine engine) {
  XmlRecorder recorder;
  std::string why;
  const bool ok = ReadXml(document, recorder, why, engine);
  return {ok, recorder.log, why};
}

using Outcome = XmlScanner::Outcome;

TEST(XmlScannerTest, ReadsWhatExpatReadsWholeAndAByteAtATime) {
  const std::string_view documents[] = {
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a x=\"1\" y='2'><b>text</b><c/></a>",
      "\xEF\xBB\xBF<a>caf\xC3\xA9 &lt;&gt;&amp;&quot;&apos; &#65;&#x42;&#x1F600; \xF0\x9F\x8E\xA8</a>",
      "<a v=\"t\tl\nr\r\nx &#9;y&#10;z\" w='&amp;\"'/>",
      "<a>line\r\nnext\rlast\r</a>",
      "<!-- c --><a><![CDATA[<not a tag> & \r\n]]>x<?pi data?><!--in--></a><!-- after -->\n<?pi?>\n",
      "<p:a xmlns:p=\"u\"><p:b p:k=\"v\"/></p:a>",
      "<?xml version='1.0' standalone='yes'?>\r\n<a/>",
      "<a>x]]y ]>z</a>",
      "<a b = \"1\" >x<c\n/></a >",
      "<colour name=\"\xE7\xB4\x85\">\n  <rgb r=\"0.5\"/>\n</colour>\n",
  };
  for (std::string_view doc : documents) {
    SCOPED_TRACE(std::string(doc));
    const Scanned whole = Scan(doc);
    EXPECT_EQ(whole.outcome, Outcome::Finished) << whole.error;
    for (std::size_t piece : {1, 2, 7})
      EXPECT_EQ(Scan(doc, piece).log, whole.log) << "in pieces of " << piece;
    const Read quick = ReadWith(doc, XmlEngine::Quick), expat = ReadWith(doc, XmlEngine::ExpatOnly);
    EXPECT_TRUE(quick.ok) << quick.why;
    EXPECT_TRUE(expat.ok) << expat.why;
    EXPECT_EQ(quick.log, expat.log);
  }
}

TEST(XmlScannerTest, RefusesWhatExpatRefusesInItsWords) {
  const struct {
    std::string_view document, error;
  } cases[] = {
      {"<a></b>", "mismatched tag"},
      {"<a x=\"1\" x=\"2\"/>", "duplicate attribute"},
      {"<a>&foo;</a>", "undefined entity"},
      {"<a>&#0;</a>", "reference to invalid character number"},
      {"<a>&#x110000;</a>", "reference to invalid character number"},
      {"<a>\x01</a>", "not well-formed (invalid token)"},
      {"<a>\xC3<b/></a>", "not well-formed (invalid token)"},
      {"<a>\xED\xA0\x80</a>", "not well-formed (invalid token)"},
      {"<a>\xEF\xBF\xBE</a>", "not well-formed (invalid token)"},
      {"<a x=\"<\"/>", "not well-formed (invalid token)"},
      {"<a x=\"1\"y=\"2\"/>", "not well-formed (invalid token)"},
      {"<a x=1/>", "not well-formed (invalid token)"},
      {"<a>]]></a>", "not well-formed (invalid token)"},
      {"<a><!-- -- --></a>", "not well-formed (invalid token)"},
      {"<a><?xml version=\"1.0\"?></a>", "XML or text declaration not at start of entity"},
      {"<a/><b/>", "junk after document element"},
      {"<a>x</a>trailing", "junk after document element"},
      {"<a>", "no element found"},
      {"<a><b", "unclosed token"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.document));
    const Scanned whole = Scan(c.document);
    EXPECT_EQ(whole.outcome, Outcome::Broken);
    EXPECT_EQ(whole.error, c.error);
    EXPECT_EQ(Scan(c.document, 1).outcome, Outcome::Broken);
    EXPECT_FALSE(ReadWith(c.document, XmlEngine::ExpatOnly).ok);
  }
  EXPECT_EQ(ReadWith("<a>\n\n<b></c></a>", XmlEngine::Quick).why,
            "is not well-formed XML (mismatched tag at line 3).");
  const std::string tall = "<a>" + std::string(3000, '\n') + "</b>";
  EXPECT_EQ(ReadWith(tall, XmlEngine::Quick).why, ReadWith(tall, XmlEngine::ExpatOnly).why);
}

TEST(XmlScannerTest, HandsEveryOtherKindOfDocumentToExpatUntold) {
  const std::string utf16("\xFF\xFE<\0a\0/\0>\0", 10);
  const std::string_view documents[] = {
      "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>caf\xE9</a>",
      "<!DOCTYPE a><a/>",
      "<?xml version=\"1.1\"?><a/>",
      "<?xml-stylesheet href=\"s\"?><a/>",
      utf16,
      "<1a/>",
      "",
  };
  for (std::string_view doc : documents) {
    SCOPED_TRACE(std::string(doc));
    for (std::size_t piece : {0, 1}) {
      const Scanned scanned = Scan(doc, piece);
      EXPECT_EQ(scanned.outcome, Outcome::HandOver);
      EXPECT_EQ(scanned.log, "");
    }
    const Read quick = ReadWith(doc, XmlEngine::Quick), expat = ReadWith(doc, XmlEngine::ExpatOnly);
    EXPECT_EQ(quick.ok, expat.ok);
    EXPECT_EQ(quick.log, expat.log);
    EXPECT_EQ(quick.why, expat.why);
  }
  EXPECT_EQ(ReadWith(documents[0], XmlEngine::Quick).log, "<a>[caf\xC3\xA9]</a>");
}

}  // namespace
}  // namespace tintora::xml_palette
