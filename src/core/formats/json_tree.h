// A JSON document as the design-token reader needs it, read in one pass into one flat pool of
// nodes: objects keep their members in document order (a design tool's order is the palette's)
// and are searched by key only for an alias's path. Texts are views into the document where
// they hold no escapes, so a file of 100,000 tokens costs no allocation per value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tintora {

// 40 bytes: a file of a million values is a tree of 40 MB.
struct JsonNode {
  enum class Kind : std::uint8_t { Null, Boolean, Number, Text, Array, Object } kind = Kind::Null;

  bool IsObject() const { return kind == Kind::Object; }
  // A string's characters, escapes decoded; empty for any other kind.
  std::string_view Text() const { return kind == Kind::Text ? std::string_view(value.text, textSize) : ""; }
  double Number() const { return kind == Kind::Number ? value.number : 0; }
  // Its name in the object that holds it.
  std::string_view Key() const { return {key, keySize}; }

  std::uint32_t first = 0, count = 0;  // an array's items or an object's members in the pool
  std::uint32_t keySize = 0, textSize = 0;
  const char* key = "";
  union {
    const char* text;
    double number;
  } value{""};
};

// What a document may hold: arrays and objects nested so deep, and so many values in all (a
// value costs the tree 40 bytes, so this bounds what a hostile file costs).
struct JsonLimits {
  std::size_t nesting = 64;
  std::size_t values = 8'000'000;
};
enum class JsonRefusal { NotJson, TooDeep, TooLarge };

class JsonTree {
 public:
  // The document, or nothing with the reason: not JSON (comments are allowed, as design tools
  // write them, and a byte order mark), or past a limit, refused as soon as the parse got there.
  static std::optional<JsonTree> Parse(std::string_view text, const JsonLimits& limits, JsonRefusal& why);

  // The tree refers to the document's text: keep it while the tree is used.
  JsonTree(const JsonTree&) = delete;
  JsonTree(JsonTree&&) = default;

  const JsonNode& Root() const { return pool_.back(); }
  std::span<const JsonNode> Children(const JsonNode& node) const {
    return std::span<const JsonNode>(pool_).subspan(node.first, node.count);
  }
  // An object's first member of that name, or null.
  const JsonNode* Field(const JsonNode& object, std::string_view key) const;
  // The text of an object's member of that name where it is a string.
  std::optional<std::string_view> Text(const JsonNode& object, std::string_view key) const;

 private:
  JsonTree() = default;
  friend class JsonParser;

  std::vector<JsonNode> pool_;
  std::deque<std::string> decoded_;  // texts that held escapes, decoded
};

}  // namespace tintora
