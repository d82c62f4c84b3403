#include "core/formats/json_tree.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/colour/number_text.h"
#include "core/colour/text_filters.h"
#include "core/io/text_codec.h"

namespace tintora {

static_assert(sizeof(JsonNode) <= 40, "the limits count on a value's size");

// Recursive descent over the document: a container's children gather on a stack and move into
// the pool, side by side, when it closes.
class JsonParser {
 public:
  JsonParser(std::string_view text, const JsonLimits& limits, JsonTree& tree)
      : s_(text), limits_(limits), tree_(tree) {}

  bool Document(JsonRefusal& why) {
    if (s_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
    JsonNode root;
    const bool ok = Blank() && Value(0, root) && Blank() && pos_ == s_.size();
    why = refusal_;
    if (!ok) return false;
    tree_.pool_.push_back(root);
    return true;
  }

 private:
  // White space and comments, // to the line's end or /* */; false for a comment left open.
  bool Blank() {
    while (pos_ < s_.size()) {
      const char c = s_[pos_];
      if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
        const std::size_t end = s_.find('\n', pos_);
        pos_ = end == std::string_view::npos ? s_.size() : end + 1;
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '*') {
        const std::size_t end = s_.find("*/", pos_ + 2);
        if (end == std::string_view::npos) return false;
        pos_ = end + 2;
      } else {
        break;
      }
    }
    return true;
  }

  bool Value(std::size_t depth, JsonNode& node) {
    if (pos_ >= s_.size()) return false;
    switch (s_[pos_]) {
      case '{':
      case '[':
        return Container(depth, node);
      case '"':
        node.kind = JsonNode::Kind::Text;
        return String(node.value.text, node.textSize);
      case 't':
        node.kind = JsonNode::Kind::Boolean;
        return Word("true");
      case 'f':
        node.kind = JsonNode::Kind::Boolean;
        return Word("false");
      case 'n':
        node.kind = JsonNode::Kind::Null;
        return Word("null");
      default:
        node.kind = JsonNode::Kind::Number;
        return Number(node.value.number);
    }
  }

  bool Container(std::size_t depth, JsonNode& node) {
    if (depth >= limits_.nesting) {
      refusal_ = JsonRefusal::TooDeep;
      return false;
    }
    const bool object = s_[pos_] == '{';
    const char close = object ? '}' : ']';
    node.kind = object ? JsonNode::Kind::Object : JsonNode::Kind::Array;
    ++pos_;
    const std::size_t mark = stack_.size();
    if (!Blank()) return false;
    if (pos_ < s_.size() && s_[pos_] == close) {
      ++pos_;
    } else {
      for (;;) {
        JsonNode child;
        if (object) {
          if (pos_ >= s_.size() || s_[pos_] != '"' || !String(child.key, child.keySize) || !Blank() ||
              pos_ >= s_.size() || s_[pos_] != ':')
            return false;
          ++pos_;
          if (!Blank()) return false;
        }
        if (!Value(depth + 1, child) || !Blank()) return false;
        if (tree_.pool_.size() + stack_.size() >= limits_.values) {
          refusal_ = JsonRefusal::TooLarge;
          return false;
        }
        stack_.push_back(child);
        if (pos_ >= s_.size()) return false;
        if (s_[pos_] == ',') {
          ++pos_;
          if (!Blank()) return false;
          continue;
        }
        if (s_[pos_] != close) return false;
        ++pos_;
        break;
      }
    }
    std::vector<JsonNode>& pool = tree_.pool_;
    node.first = static_cast<std::uint32_t>(pool.size());
    node.count = static_cast<std::uint32_t>(stack_.size() - mark);
    pool.insert(pool.end(), stack_.begin() + static_cast<std::ptrdiff_t>(mark), stack_.end());
    stack_.resize(mark);
    return true;
  }

  bool Word(std::string_view word) {
    if (s_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  bool Number(double& out) {
    const std::size_t start = pos_;
    auto digits = [this] {
      const std::size_t from = pos_;
      while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_;
      return pos_ > from;
    };
    if (pos_ < s_.size() && s_[pos_] == '-') ++pos_;
    const std::size_t whole = pos_;
    if (!digits() || (s_[whole] == '0' && pos_ - whole > 1)) return false;
    if (pos_ < s_.size() && s_[pos_] == '.') {
      ++pos_;
      if (!digits()) return false;
    }
    if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
      if (!digits()) return false;
    }
    const char* first = s_.data() + start;
    const char* last = s_.data() + pos_;
    const auto [end, error] = std::from_chars(first, last, out);
    if (error == std::errc::result_out_of_range) {
      // Too small is as near zero as a double goes; too large is no number JSON readers keep.
      out = std::strtod(std::string(first, last).c_str(), nullptr);
      return std::isfinite(out);
    }
    return error == std::errc() && end == last;
  }

  bool String(const char*& data, std::uint32_t& size) {
    std::string_view out;
    if (!String(out)) return false;
    data = out.data();
    size = static_cast<std::uint32_t>(out.size());
    return true;
  }

  bool String(std::string_view& out) {
    const std::size_t start = ++pos_;
    bool plain = true;
    while (pos_ < s_.size()) {
      const auto c = static_cast<unsigned char>(s_[pos_]);
      if (c == '"') {
        out = s_.substr(start, pos_ - start);
        ++pos_;
        return plain || IsValidUtf8(out);
      }
      if (c == '\\') return Escaped(start, out);
      if (c < 0x20) return false;
      if (c >= 0x80) plain = false;
      ++pos_;
    }
    return false;
  }

  // The rest of a string that holds escapes, decoded into the tree's own store.
  bool Escaped(std::size_t start, std::string_view& out) {
    std::string text(s_.substr(start, pos_ - start));
    while (pos_ < s_.size()) {
      const auto c = static_cast<unsigned char>(s_[pos_]);
      if (c == '"') {
        ++pos_;
        if (!IsValidUtf8(text)) return false;
        out = tree_.decoded_.emplace_back(std::move(text));
        return true;
      }
      if (c < 0x20) return false;
      if (c != '\\') {
        text += static_cast<char>(c);
        ++pos_;
        continue;
      }
      if (++pos_ >= s_.size()) return false;
      const char e = s_[pos_++];
      switch (e) {
        case '"':
        case '\\':
        case '/':
          text += e;
          break;
        case 'b':
          text += '\b';
          break;
        case 'f':
          text += '\f';
          break;
        case 'n':
          text += '\n';
          break;
        case 'r':
          text += '\r';
          break;
        case 't':
          text += '\t';
          break;
        case 'u': {
          std::uint32_t cp = 0;
          if (!Hex4(cp)) return false;
          if (cp >= 0xD800 && cp <= 0xDBFF) {
            std::uint32_t low = 0;
            if (!Word("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          }
          const char32_t character = cp;
          text += EncodeUtf8(std::u32string_view(&character, 1));
          break;
        }
        default:
          return false;
      }
    }
    return false;
  }

  bool Hex4(std::uint32_t& out) {
    if (pos_ + 4 > s_.size()) return false;
    for (int i = 0; i < 4; ++i) {
      const int d = HexDigit(s_[pos_++]);
      if (d < 0) return false;
      out = out * 16 + static_cast<std::uint32_t>(d);
    }
    return true;
  }

  std::string_view s_;
  std::size_t pos_ = 0;
  JsonLimits limits_;
  JsonRefusal refusal_ = JsonRefusal::NotJson;
  JsonTree& tree_;
  std::vector<JsonNode> stack_;  // the open containers' children so far
};

std::optional<JsonTree> JsonTree::Parse(std::string_view text, const JsonLimits& limits, JsonRefusal& why) {
  // Sizes and places within the document are kept in 32 bits.
  if (text.size() >= (std::size_t{1} << 30)) {
    why = JsonRefusal::TooLarge;
    return std::nullopt;
  }
  JsonTree tree;
  // About a value per 16 bytes in the files design tools write.
  tree.pool_.reserve(std::min(text.size() / 16, limits.values));
  if (!JsonParser(text, limits, tree).Document(why)) return std::nullopt;
  return tree;
}

const JsonNode* JsonTree::Field(const JsonNode& object, std::string_view key) const {
  if (!object.IsObject()) return nullptr;
  for (const JsonNode& member : Children(object))
    if (member.Key() == key) return &member;
  return nullptr;
}

std::optional<std::string_view> JsonTree::Text(const JsonNode& object, std::string_view key) const {
  const JsonNode* n = Field(object, key);
  if (!n || n->kind != JsonNode::Kind::Text) return std::nullopt;
  return n->Text();
}

}  // namespace tintora
