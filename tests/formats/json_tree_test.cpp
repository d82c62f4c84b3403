#include "core/formats/json_tree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tintora {
namespace {

// The first member's text or number of a one-member object, "-" when the document is refused.
std::string Parsed(std::string_view text) {
  JsonRefusal why = JsonRefusal::NotJson;
  const std::optional<JsonTree> tree = JsonTree::Parse(text, {.nesting = 64, .values = 100}, why);
  if (!tree)
    return why == JsonRefusal::TooDeep ? "too deep" : why == JsonRefusal::TooLarge ? "too large" : "-";
  const JsonNode& root = tree->Root();
  if (!root.IsObject() || root.count != 1) return "not one member";
  const JsonNode& v = tree->Children(root)[0];
  if (v.kind == JsonNode::Kind::Number) return std::to_string(v.Number());
  return std::string(v.Key()) + "=" + std::string(v.Text());
}

// {"a": [0, 0, ...]} with n zeros.
std::string Zeros(int n) {
  std::string items;
  for (int i = 0; i < n; ++i) items += i ? ",0" : "0";
  return "{\"a\": [" + items + "]}";
}

TEST(JsonTree, ReadsWhatJsonAllowsAndRefusesTheRest) {
  const struct {
    std::string text, parsed;
  } rows[] = {
      {R"({"a": "b"})", "a=b"},
      {"\xEF\xBB\xBF{\"a\": \"b\"}", "a=b"},                                // a byte order mark
      {"// a comment\n{\"a\": /* one */ \"b\"} // more", "a=b"},            // comments, as tools write them
      {R"({"a\u00e9": "\"\\\/\b\f\n\r\t"})", "a\xC3\xA9=\"\\/\b\f\n\r\t"},  // every escape
      {R"({"a": "\ud83d\ude00"})", "a=\xF0\x9F\x98\x80"},                   // a surrogate pair
      {R"({"a": -0.5e2})", std::to_string(-50.0)},
      {R"({"a": 1e-400})", std::to_string(0.0)},  // as near zero as a double goes
      {R"({"a": "\ud83d"})", "-"},                // a high surrogate alone
      {R"({"a": "\ude00"})", "-"},                // a low one alone
      {R"({"a": "\x"})", "-"},
      {"{\"a\": \"\xC3\"}", "-"},       // cut UTF-8
      {"{\"a\": \"tab\there\"}", "-"},  // a control character
      {R"({"a": 01})", "-"},
      {R"({"a": 1.})", "-"},
      {R"({"a": 1e400})", "-"},  // no double holds it
      {R"({"a": tru})", "-"},
      {R"({"a": "b",})", "-"},
      {R"({"a" "b"})", "-"},
      {R"({"a": "b"} x)", "-"},
      {R"({"a": "b"} /* open)", "-"},
      {"", "-"},
      {std::string(64, '[') + std::string(64, ']'), "not one member"},
      {std::string(65, '[') + std::string(65, ']'), "too deep"},
      {Zeros(98), "a="},
      {Zeros(100), "too large"},  // past the 100 values these rows allow
  };
  for (const auto& row : rows) EXPECT_EQ(Parsed(row.text), row.parsed) << row.text;
}

TEST(JsonTree, MembersKeepTheirOrderAndArraysTheirItems) {
  JsonRefusal why = JsonRefusal::NotJson;
  const std::string text = R"({"z": 1, "a": [true, null, {"k": "v"}], "z": 2})";
  const std::optional<JsonTree> tree = JsonTree::Parse(text, {}, why);
  ASSERT_TRUE(tree);
  const auto members = tree->Children(tree->Root());
  ASSERT_EQ(members.size(), 3u);
  EXPECT_EQ(members[0].Key(), "z");
  EXPECT_EQ(members[1].Key(), "a");
  EXPECT_EQ(tree->Field(tree->Root(), "z")->Number(), 1);  // the first of a repeated name
  const auto items = tree->Children(members[1]);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].kind, JsonNode::Kind::Boolean);
  EXPECT_EQ(items[1].kind, JsonNode::Kind::Null);
  EXPECT_EQ(tree->Text(items[2], "k"), "v");
  EXPECT_EQ(tree->Text(items[2], "missing"), std::nullopt);
}

}  // namespace
}  // namespace tintora
