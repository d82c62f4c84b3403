#include "core/formats/xml_scanner.h"

#include <algorithm>
#include <cstdint>

#include "core/colour/number_text.h"
#include "core/colour/text_filters.h"
#include "core/formats/xml_characters.h"

namespace tintora::xml_palette {

namespace {

constexpr const char* kInvalidToken = "not well-formed (invalid token)";

}  // namespace

XmlScanner::Step XmlScanner::Fail(const char* why) {
  error_ = why;
  return Step::Fail;
}

XmlScanner::Outcome XmlScanner::Feed(std::string_view piece, bool last) {
  if (stopped_) return Outcome::Stopped;
  // Once past the prolog a piece is read where it lies, and only what it leaves unfinished is
  // kept; before the root everything is kept, for expat should the document be its to read.
  const bool inPlace = rootSeen_ && buffer_.empty();
  if (!inPlace) buffer_.append(piece);
  // A construct left unfinished is looked at again only once the bytes after it have doubled,
  // so a huge one is not scanned from its start at every piece.
  if (!last && !inPlace && buffer_.size() < retryAt_) return Outcome::More;
  const std::string_view b = inPlace ? piece : std::string_view(buffer_);
  std::size_t p = 0;
  Step step = Step::Done;
  if (!rootSeen_) {
    step = Prolog(b, p, last);
    if (step == Step::HandOver || (step != Step::Done && last)) return Outcome::HandOver;
    if (step == Step::NeedMore) {
      retryAt_ = 2 * buffer_.size();
      return Outcome::More;
    }
  }
  while (!stopped_ && p < b.size() && (step = Next(b, p, last)) == Step::Done) {
  }
  line_ += LineEnds(b.substr(0, p));
  if (inPlace)
    buffer_.assign(b.substr(p));
  else
    buffer_.erase(0, p);
  if (stopped_) return Outcome::Stopped;
  if (step == Step::Fail) return Outcome::Broken;
  if (!last) {
    retryAt_ = 2 * buffer_.size();
    return Outcome::More;
  }
  if (rootClosed_ && buffer_.empty()) return Outcome::Finished;
  error_ = buffer_.empty() ? "no element found" : "unclosed token";
  return Outcome::Broken;
}

XmlScanner::Step XmlScanner::Prolog(std::string_view b, std::size_t& p, bool last) {
  // Another encoding than UTF-8 (a UTF-16 mark or its zero bytes) is expat's to read.
  if (!b.empty() && (At(b, 0) == 0x00 || At(b, 0) == 0xFE || At(b, 0) == 0xFF)) return Step::HandOver;
  if (CouldStartWith(b, 0, "\xEF\xBB\xBF") && !last) return Step::NeedMore;
  if (StartsWith(b, 0, "\xEF\xBB\xBF")) p = 3;
  // The declaration, only in its plain form: version 1.0, UTF-8 or no encoding.
  switch (PlainDeclaration(b, p)) {
    case Declaration::Unfinished:
      return Step::NeedMore;
    case Declaration::Other:
      return Step::HandOver;
    case Declaration::Plain:
      break;
  }
  // Blanks and comments up to the root; anything else (a DOCTYPE above all) is expat's.
  while (true) {
    while (p < b.size() && IsSpace(At(b, p))) ++p;
    if (p + 1 >= b.size()) return Step::NeedMore;
    if (b[p] != '<') return Step::HandOver;
    if (CouldStartWith(b, p, "<!--")) return Step::NeedMore;
    if (StartsWith(b, p, "<!--")) {
      const Step step = Skipped(b, p, "<!--", "-->");
      if (step != Step::Done) return step == Step::Fail ? Step::HandOver : step;
      continue;
    }
    if (!NameStart(At(b, p + 1))) return Step::HandOver;
    rootSeen_ = true;
    return Step::Done;
  }
}

XmlScanner::Step XmlScanner::Next(std::string_view b, std::size_t& p, bool last) {
  const unsigned char c = At(b, p);
  if (rootClosed_) {
    if (IsSpace(c)) {
      while (p < b.size() && IsSpace(At(b, p))) ++p;
      return Step::Done;
    }
    if (CouldStartWith(b, p, "<!--") || CouldStartWith(b, p, "<?")) return Step::NeedMore;
    if (StartsWith(b, p, "<!--")) return Skipped(b, p, "<!--", "-->");
    if (StartsWith(b, p, "<?")) return Skipped(b, p, "<?", "?>");
    return Fail("junk after document element");
  }
  if (c != '<') return Text(b, p, last);
  if (p + 1 >= b.size()) return Step::NeedMore;
  switch (b[p + 1]) {
    case '/':
      return EndTag(b, p);
    case '?':
      return Skipped(b, p, "<?", "?>");
    case '!':
      if (CouldStartWith(b, p, "<!--") || CouldStartWith(b, p, "<![CDATA[")) return Step::NeedMore;
      if (StartsWith(b, p, "<!--")) return Skipped(b, p, "<!--", "-->");
      if (StartsWith(b, p, "<![CDATA[")) return CData(b, p);
      return Fail(kInvalidToken);
    default:
      return StartTag(b, p);
  }
}

XmlScanner::Step XmlScanner::Text(std::string_view b, std::size_t& p, bool last) {
  // What can be told now: up to the next tag, or short of a reference, line end, "]]" or
  // character the next piece may finish.
  scratch_.clear();
  bool decoded = false;
  std::size_t q = p, run = p;
  while (q < b.size()) {
    const unsigned char u = At(b, q);
    if (u >= 0x20 && u < 0x80 && u != '<' && u != '&' && u != ']') {
      ++q;
      continue;
    }
    if (u == '<') break;
    if (u == '\t' || u == '\n') {
      ++q;
      continue;
    }
    if (u == '&') {
      const std::size_t kept = scratch_.size();
      scratch_.append(b.substr(run, q - run));
      std::size_t r = q;
      const Step step = Reference(b, r, scratch_);
      if (step == Step::Fail) return step;
      if (step == Step::NeedMore) {
        scratch_.resize(kept);
        break;
      }
      decoded = true;
      q = run = r;
      continue;
    }
    if (u == ']') {
      if (q + 2 >= b.size() && !last) break;
      if (StartsWith(b, q, "]]>")) return Fail(kInvalidToken);
      ++q;
      continue;
    }
    if (u == '\r') {
      if (q + 1 >= b.size() && !last) break;
      scratch_.append(b.substr(run, q - run));
      scratch_ += '\n';
      decoded = true;
      q += q + 1 < b.size() && b[q + 1] == '\n' ? 2 : 1;
      run = q;
      continue;
    }
    if (u < 0x20) return Fail(kInvalidToken);
    const std::size_t n = Utf8At(b, q);
    if (n == kTruncated && !last) break;
    if (n == 0 || n == kTruncated) return Fail(n == 0 ? kInvalidToken : "partial character");
    q += n;
  }
  if (q == p) return Step::NeedMore;
  if (decoded) {
    scratch_.append(b.substr(run, q - run));
    events_.Characters(scratch_);
  } else {
    events_.Characters(b.substr(p, q - p));
  }
  p = q;
  return Step::Done;
}

XmlScanner::Step XmlScanner::Reference(std::string_view b, std::size_t& p, std::string& out) {
  std::size_t q = p + 1;
  if (q >= b.size()) return Step::NeedMore;
  if (b[q] == '#') {
    ++q;
    const bool hex = q < b.size() && b[q] == 'x';
    q += hex ? 1 : 0;
    std::uint32_t value = 0;
    const std::size_t digits = q;
    for (; q < b.size() && b[q] != ';'; ++q) {
      const int d = HexDigit(b[q]);
      if (d < 0 || (!hex && d > 9)) return Fail(kInvalidToken);
      value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
      if (value > 0x10FFFF) return Fail("reference to invalid character number");
    }
    if (q >= b.size()) return Step::NeedMore;
    if (q == digits) return Fail(kInvalidToken);
    if (!XmlChar(value)) return Fail("reference to invalid character number");
    out += EncodeUtf8(std::u32string(1, value));
    p = q + 1;
    return Step::Done;
  }
  static constexpr std::pair<std::string_view, char> kNamed[] = {
      {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
  bool cut = false;
  if (!SkipName(b, q, cut)) return cut ? Step::NeedMore : Fail(kInvalidToken);
  if (b[q] != ';') return Fail(kInvalidToken);
  const std::string_view name = b.substr(p + 1, q - p - 1);
  for (const auto& [entity, ch] : kNamed)
    if (name == entity) {
      out += ch;
      p = q + 1;
      return Step::Done;
    }
  return Fail("undefined entity");
}

XmlScanner::Step XmlScanner::StartTag(std::string_view b, std::size_t& p) {
  std::size_t q = p + 1;
  bool cut = false;
  if (!SkipName(b, q, cut)) return cut ? Step::NeedMore : Fail(kInvalidToken);
  const std::string_view name = b.substr(p + 1, q - p - 1);
  // Names, and values as they stand, are views of the document; a value with references or
  // blanks to fold is decoded into the scratch, and pointed at once the tag is read (the
  // scratch may move as it grows).
  pairs_.clear();
  scratch_.clear();
  marks_.clear();  // a decoded value's place in pairs_, and where it starts in the scratch
  bool empty = false;
  while (true) {
    const std::size_t blank = q;
    while (q < b.size() && IsSpace(At(b, q))) ++q;
    if (q >= b.size()) return Step::NeedMore;
    if (b[q] == '>') {
      ++q;
      break;
    }
    if (b[q] == '/') {
      if (q + 1 >= b.size()) return Step::NeedMore;
      if (b[q + 1] != '>') return Fail(kInvalidToken);
      q += 2;
      empty = true;
      break;
    }
    if (q == blank) return Fail(kInvalidToken);
    const std::size_t nameAt = q;
    if (!SkipName(b, q, cut)) return cut ? Step::NeedMore : Fail(kInvalidToken);
    const std::string_view attribute = b.substr(nameAt, q - nameAt);
    for (std::size_t k = 0; k < pairs_.size(); k += 2)
      if (pairs_[k] == attribute) return Fail("duplicate attribute");
    while (q < b.size() && IsSpace(At(b, q))) ++q;
    if (q >= b.size()) return Step::NeedMore;
    if (b[q] != '=') return Fail(kInvalidToken);
    ++q;
    while (q < b.size() && IsSpace(At(b, q))) ++q;
    if (q >= b.size()) return Step::NeedMore;
    const char quote = b[q];
    if (quote != '"' && quote != '\'') return Fail(kInvalidToken);
    const std::size_t valueAt = ++q;
    const auto plain = [&](std::size_t k) {
      return At(b, k) >= 0x20 && At(b, k) < 0x80 && b[k] != quote && b[k] != '<' && b[k] != '&';
    };
    while (q < b.size() && plain(q)) ++q;
    if (q >= b.size()) return Step::NeedMore;
    pairs_.push_back(attribute);
    if (b[q] == quote) {
      pairs_.push_back(b.substr(valueAt, q - valueAt));
      ++q;
      continue;
    }
    // The value, references decoded and each blank (a line end counting once) made a space.
    marks_.push_back(pairs_.size());
    marks_.push_back(scratch_.size());
    pairs_.emplace_back();
    scratch_.append(b.substr(valueAt, q - valueAt));
    while (true) {
      const std::size_t run = q;
      while (q < b.size() && plain(q)) ++q;
      scratch_.append(b.substr(run, q - run));
      if (q >= b.size()) return Step::NeedMore;
      const unsigned char u = At(b, q);
      if (b[q] == quote) {
        ++q;
        break;
      }
      if (u == '<') return Fail(kInvalidToken);
      if (u == '&') {
        const Step step = Reference(b, q, scratch_);
        if (step != Step::Done) return step;
      } else if (u == '\t' || u == '\n' || u == '\r') {
        if (u == '\r' && q + 1 >= b.size()) return Step::NeedMore;
        scratch_ += ' ';
        q += u == '\r' && b[q + 1] == '\n' ? 2 : 1;
      } else if (u < 0x20) {
        return Fail(kInvalidToken);
      } else {
        const std::size_t n = Utf8At(b, q);
        if (n == kTruncated) return Step::NeedMore;
        if (n == 0) return Fail(kInvalidToken);
        scratch_.append(b.substr(q, n));
        q += n;
      }
    }
    marks_.push_back(scratch_.size());
  }
  for (std::size_t k = 0; k < marks_.size(); k += 3)
    pairs_[marks_[k]] = std::string_view(scratch_).substr(marks_[k + 1], marks_[k + 2] - marks_[k + 1]);
  p = q;
  events_.StartTag(name, pairs_);
  if (empty) {
    events_.EndTag(name);
    rootClosed_ = open_.empty();
  } else {
    open_.emplace_back(name);
  }
  return Step::Done;
}

XmlScanner::Step XmlScanner::EndTag(std::string_view b, std::size_t& p) {
  std::size_t q = p + 2;
  bool cut = false;
  if (!SkipName(b, q, cut)) return cut ? Step::NeedMore : Fail(kInvalidToken);
  const std::string_view name = b.substr(p + 2, q - p - 2);
  while (q < b.size() && IsSpace(At(b, q))) ++q;
  if (q >= b.size()) return Step::NeedMore;
  if (b[q] != '>') return Fail(kInvalidToken);
  if (open_.empty() || open_.back() != name) return Fail("mismatched tag");
  p = q + 1;
  events_.EndTag(name);
  open_.pop_back();
  rootClosed_ = open_.empty();
  return Step::Done;
}

XmlScanner::Step XmlScanner::Skipped(std::string_view b, std::size_t& p, std::string_view open,
                                     std::string_view close) {
  // A comment or processing instruction: read for its characters, told to no one. A comment
  // holds no "--"; an instruction is named, and not "xml" in any case.
  std::size_t q = p + open.size();
  const bool comment = open == "<!--";
  if (!comment) {
    bool cut = false;
    if (!SkipName(b, q, cut)) return cut ? Step::NeedMore : Fail(kInvalidToken);
    std::string target(b.substr(p + 2, q - p - 2));
    std::transform(target.begin(), target.end(), target.begin(),
                   [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    if (target == "xml") return Fail("XML or text declaration not at start of entity");
    if (b[q] == '?' && q + 1 >= b.size()) return Step::NeedMore;
    if (!StartsWith(b, q, "?>") && !IsSpace(At(b, q))) return Fail(kInvalidToken);
  }
  for (; q < b.size(); ++q) {
    const unsigned char u = At(b, q);
    if (comment && u == '-' && StartsWith(b, q, "--")) {
      if (q + 2 >= b.size()) return Step::NeedMore;
      if (b[q + 2] != '>') return Fail(kInvalidToken);
    }
    if (u == close[0] && StartsWith(b, q, close)) {
      p = q + close.size();
      return Step::Done;
    }
    if (u < 0x20 && !IsSpace(u)) return Fail(kInvalidToken);
    if (u >= 0x80) {
      const std::size_t n = Utf8At(b, q);
      if (n == kTruncated) return Step::NeedMore;
      if (n == 0) return Fail(kInvalidToken);
      q += n - 1;
    }
  }
  return Step::NeedMore;
}

XmlScanner::Step XmlScanner::CData(std::string_view b, std::size_t& p) {
  const std::size_t from = p + 9;
  const std::size_t end = b.find("]]>", from);
  if (end == std::string_view::npos) return Step::NeedMore;
  scratch_.clear();
  for (std::size_t q = from; q < end;) {
    const unsigned char u = At(b, q);
    if (u == '\r') {
      scratch_ += '\n';
      q += q + 1 < end && b[q + 1] == '\n' ? 2 : 1;
      continue;
    }
    if (u < 0x20 && !IsSpace(u)) return Fail(kInvalidToken);
    const std::size_t n = u < 0x80 ? 1 : Utf8At(b.substr(0, end), q);
    if (n == 0 || n == kTruncated) return Fail(kInvalidToken);
    scratch_.append(b.substr(q, n));
    q += n;
  }
  p = end + 3;
  if (!scratch_.empty()) events_.Characters(scratch_);
  return Step::Done;
}

}  // namespace tintora::xml_palette
