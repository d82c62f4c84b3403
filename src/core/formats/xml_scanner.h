// A quick reader of the XML palettes are written in: UTF-8, no document type declaration.
// Expat reads every XML there is, at about 160 MB a second; a Krita palette of 100,000 colours
// is 24 MB of it. This reads that plain kind several times faster and hands any other document
// (another encoding, a DOCTYPE, an unusual declaration) to expat untouched, before it has told
// anyone of a single element. What it reads it checks as strictly as expat: names, attributes,
// references, characters, UTF-8 and the nesting of tags.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tintora::xml_palette {

// What the scanner finds, in document order. Names are as written, with any prefix.
class XmlEvents {
 public:
  virtual ~XmlEvents() = default;
  // `attributes` is name, value, name, value, ...: valid during the call.
  virtual void StartTag(std::string_view name, std::span<const std::string_view> attributes) = 0;
  virtual void EndTag(std::string_view name) = 0;
  // Character data, references decoded and line ends made "\n"; one run may come in pieces.
  virtual void Characters(std::string_view text) = 0;
};

class XmlScanner {
 public:
  enum class Outcome {
    More,      // all well so far; feed the rest
    Finished,  // the whole document was read
    HandOver,  // not the plain kind: give expat Pending() and the rest, nothing was told yet
    Broken,    // not well-formed: Error() and Line() say where
    Stopped,   // an event handler called Stop()
  };

  explicit XmlScanner(XmlEvents& events) : events_(events) {}

  // The next piece of the document; `last` when no more follows.
  Outcome Feed(std::string_view piece, bool last);
  // After HandOver, every byte fed so far.
  std::string_view Pending() const { return buffer_; }
  // After Broken, expat's words for what is wrong, and the line it is on (from 1).
  const std::string& Error() const { return error_; }
  std::size_t Line() const { return line_; }
  // Ends the reading from inside an event: the next step returns Stopped.
  void Stop() { stopped_ = true; }

 private:
  enum class Step { Done, NeedMore, Fail, HandOver };
  Step Prolog(std::string_view b, std::size_t& p, bool last);
  Step Next(std::string_view b, std::size_t& p, bool last);
  Step Text(std::string_view b, std::size_t& p, bool last);
  Step Reference(std::string_view b, std::size_t& p, std::string& out);
  Step StartTag(std::string_view b, std::size_t& p);
  Step EndTag(std::string_view b, std::size_t& p);
  Step Skipped(std::string_view b, std::size_t& p, std::string_view open, std::string_view close);
  Step CData(std::string_view b, std::size_t& p);
  Step Fail(const char* why);

  XmlEvents& events_;
  std::string buffer_;  // the unread tail of what was fed (and, before the root, all of it)
  std::size_t retryAt_ = 0;
  bool rootSeen_ = false, rootClosed_ = false, stopped_ = false;
  std::vector<std::string> open_;   // the open elements' names
  std::string scratch_;             // decoded text, or the attributes' names and values
  std::vector<std::size_t> marks_;  // where each attribute's name and value start in scratch_
  std::vector<std::string_view> pairs_;
  std::string error_;
  std::size_t line_ = 1;
};

}  // namespace tintora::xml_palette
