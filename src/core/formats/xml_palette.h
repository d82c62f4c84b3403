// What the XML palette formats (LibreOffice, Scribus, SwatchBooker, Krita) share: reading a
// document as it streams past, whatever its encoding and prefixes, and writing one as UTF-8.
// Entity declarations are refused and nothing outside the bytes is ever fetched.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tintora::xml_palette {

// The most character data kept for one element: titles, identifiers and value lists are short,
// and text past this is not kept (a reader sees its start).
inline constexpr std::size_t kMaxXmlText = 64 * 1024;

// The attributes of the element being read, found by their local name whatever their prefix.
class XmlAttributes {
 public:
  // Name, value, name, value, ...
  explicit XmlAttributes(std::span<const std::string_view> pairs) : pairs_(pairs) {}
  // The value of the first attribute of that local name; empty when there is none.
  std::string_view operator[](std::string_view localName) const;
  bool Has(std::string_view localName) const;
  // Each attribute's name as written and its value, in document order.
  template <class Visit>
  void ForEach(Visit visit) const {
    for (std::size_t i = 0; i + 1 < pairs_.size(); i += 2) visit(pairs_[i], pairs_[i + 1]);
  }

 private:
  std::span<const std::string_view> pairs_;
};

// A reader of one XML palette format, told of each element as the document streams past
// rather than handed a tree: a palette of 100,000 colours is a million attributes, and a tree
// of them costs more than the reading. Names are local ("draw:color" is "color").
class XmlReader {
 public:
  virtual ~XmlReader() = default;
  // Told the document's size before it is read (0 when unknown), to reserve for its entries.
  virtual void Expect(std::size_t documentBytes) { (void)documentBytes; }
  virtual void Start(std::string_view name, const XmlAttributes& attributes) = 0;
  // `text` is the character data inside the element since its last child element ended.
  virtual void End(std::string_view name, std::string_view text) {
    (void)name;
    (void)text;
  }

 protected:
  // The names of the open elements around the one starting or ending, the root first.
  const std::vector<std::string>& Path() const { return path_; }
  std::size_t Depth() const { return path_.size(); }
  // Whether the open elements are these, from the root.
  bool Inside(std::initializer_list<std::string_view> names) const;
  // Stops reading: the file is refused with `why`, which follows the file's name.
  void Refuse(std::string why) { refusal_ = std::move(why); }

 private:
  friend struct XmlStream;
  std::vector<std::string> path_;
  std::string refusal_;
};

// Reads the document in `bytes`; false with the reason after the file's name ("is not
// well-formed XML (...)", or the reader's refusal) when it cannot.
// `engine`: the quick scanner where the document is of its kind (else expat), or expat alone
// (for checking the one against the other).
enum class XmlEngine { Quick, ExpatOnly };
bool ReadXml(std::string_view bytes, XmlReader& reader, std::string& why,
             XmlEngine engine = XmlEngine::Quick);
// The same for the entry `entry` of the zip archive in `zipBytes`, inflated a piece at a time
// into the reader; `kind` names the format in the messages ("a Krita palette").
bool ReadZippedXml(std::string_view zipBytes, const char* entry, std::string_view kind, XmlReader& reader,
                   std::string& why);

// A name without its prefix: "draw:color" is "color".
std::string_view LocalName(std::string_view qualified);

// Text with the blanks around it trimmed.
std::string_view Trimmed(std::string_view text);

// A number from an attribute or text; NaN when it is none.
double Number(std::string_view text);

// Appends the shortest text that reads back as the same number.
void AppendNumber(std::string& out, double value);

// Writes a document as text, UTF-8 with its declaration, an element a line indented by its
// depth. Written straight to text rather than through a document tree: a palette of 100,000
// colours is a million attributes, and the tree costs ten times the writing.
class XmlText {
 public:
  explicit XmlText(std::size_t expectedBytes = 0);

  // Starts an element; its attributes follow, then EndEmpty() or EndStart().
  XmlText& Open(std::string_view name);
  // An attribute, its value escaped as attribute text.
  XmlText& Attr(std::string_view name, std::string_view value);
  XmlText& Attr(std::string_view name, long long value);
  // A number as the shortest text that reads back as the same number.
  XmlText& Attr(std::string_view name, double value);
  // Ends the element started last without content ("/>"), or with content to come (">").
  void EndEmpty();
  void EndStart();
  // Closes the element of that name that EndStart() left open.
  void Close(std::string_view name);

  std::string Take() { return std::move(text_); }
  std::size_t Size() const { return text_.size(); }
  // What is written so far, handed over; the writing goes on after it.
  std::string TakePiece();

 private:
  std::string text_;
  int depth_ = 0;
};

}  // namespace tintora::xml_palette
