#include "core/formats/design_tokens.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/colour/colour_spaces.h"
#include "core/colour/css_colour.h"
#include "core/colour/notations.h"
#include "core/formats/css.h"
#include "core/formats/design_systems.h"
#include "core/io/text_codec.h"

namespace tintora {

namespace {

// Design tools chain a handful of aliases. Each token follows its own chain, so a file of
// long chains costs their lengths squared: past this it is taken for a broken or hostile file.
constexpr std::size_t kMaxAliasChain = 64;

using Json = nlohmann::json;

constexpr const char* kExtension = "org.tintora";

// ---------------------------------------------------------------- writing

void AppendJsonString(std::string& out, std::string_view s) {
  out += '"';
  for (char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", u);
      out += escape;
    } else {
      out += c;
    }
  }
  out += '"';
}

// 0..255 as 0..1 with at most four decimals, trailing zeros dropped ("0.2", "1", "0").
void AppendComponent(std::string& out, int level) {
  char text[16];
  std::snprintf(text, sizeof text, "%.4f", level / 255.0);
  std::string_view t = text;
  while (t.back() == '0') t.remove_suffix(1);
  if (t.back() == '.') t.remove_suffix(1);
  out += t;
}

// `,"$extensions": {"org.tintora": {"name": "<name>"}}` on a line of its own.
void AppendOwnName(std::string& out, std::string_view name, std::string_view lineStart) {
  out += ',';
  out += lineStart;
  out += "\"$extensions\": {\"";
  out += kExtension;
  out += "\": {\"name\": ";
  AppendJsonString(out, name);
  out += "}}";
}

// ---------------------------------------------------------------- reading

// A JSON document as the reader needs it: objects keep their members in document order (a
// design tool's order is the palette's), and are searched by key only for an alias's path.
struct Member;
struct Node {
  enum class Kind { Null, Boolean, Number, Text, Array, Object } kind = Kind::Null;
  double number = 0;
  std::string text;
  std::vector<Node> items;
  std::vector<Member> members;

  const Node* Field(std::string_view key) const;
  const std::string* Text(std::string_view key) const {
    const Node* n = Field(key);
    return n && n->kind == Kind::Text ? &n->text : nullptr;
  }
  bool IsObject() const { return kind == Kind::Object; }
};
struct Member {
  std::string key;
  Node value;
};
const Node* Node::Field(std::string_view key) const {
  for (const Member& m : members)
    if (m.key == key) return &m.value;
  return nullptr;
}

// Builds the Node tree as the parser streams past, refusing a document nested too deep as soon
// as it gets there.
struct TreeBuilder : nlohmann::json_sax<Json> {
  Node root;
  std::vector<Node*> open;
  std::string pendingKey;
  bool tooDeep = false;

  Node& Place() {
    if (open.empty()) return root;
    Node& parent = *open.back();
    if (parent.kind == Node::Kind::Array) return parent.items.emplace_back();
    return parent.members.emplace_back(Member{std::move(pendingKey), Node()}).value;
  }
  bool Scalar(Node::Kind kind, double number = 0, std::string text = {}) {
    Node& n = Place();
    n.kind = kind;
    n.number = number;
    n.text = std::move(text);
    return true;
  }
  bool Open(Node::Kind kind) {
    if (open.size() >= kMaxNesting) {
      tooDeep = true;
      return false;
    }
    Node& n = Place();
    n.kind = kind;
    open.push_back(&n);
    return true;
  }
  bool null() override { return Scalar(Node::Kind::Null); }
  bool boolean(bool) override { return Scalar(Node::Kind::Boolean); }
  bool number_integer(std::int64_t v) override { return Scalar(Node::Kind::Number, static_cast<double>(v)); }
  bool number_unsigned(std::uint64_t v) override {
    return Scalar(Node::Kind::Number, static_cast<double>(v));
  }
  bool number_float(double v, const std::string&) override { return Scalar(Node::Kind::Number, v); }
  bool string(std::string& v) override { return Scalar(Node::Kind::Text, 0, std::move(v)); }
  bool binary(Json::binary_t&) override { return Scalar(Node::Kind::Null); }
  bool start_object(std::size_t) override { return Open(Node::Kind::Object); }
  bool key(std::string& k) override {
    pendingKey = std::move(k);
    return true;
  }
  bool end_object() override {
    open.pop_back();
    return true;
  }
  bool start_array(std::size_t) override { return Open(Node::Kind::Array); }
  bool end_array() override {
    open.pop_back();
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
    return false;
  }
};

// The name Tintora kept under the extension, where a token's or group's had to differ.
std::optional<std::string> OwnName(const Node& node) {
  if (const Node* ext = node.Field("$extensions"); ext && ext->IsObject())
    if (const Node* own = ext->Field(kExtension); own && own->IsObject())
      if (const std::string* n = own->Text("name")) return *n;
  return std::nullopt;
}

struct Reader {
  explicit Reader(const Node& document) : root(document) {}
  const Node& root;
  ListReadResult out;
  std::size_t otherTokens = 0;
  std::string problem;  // a cycle or an alias to nowhere: the file is refused

  // The node an alias's path names, or null.
  const Node* Find(std::string_view path) const {
    const Node* node = &root;
    while (node && node->IsObject()) {
      const std::size_t dot = path.find('.');
      node = node->Field(path.substr(0, dot));
      if (!node || dot == std::string_view::npos) return node;
      path.remove_prefix(dot + 1);
    }
    return nullptr;
  }

  static std::optional<std::string_view> AliasOf(const Node& value) {
    if (value.kind != Node::Kind::Text) return std::nullopt;
    const std::string_view s = value.text;
    if (s.size() < 3 || s.front() != '{' || s.back() != '}') return std::nullopt;
    return s.substr(1, s.size() - 2);
  }

  // The token's value and type with its aliases followed; false when a chain loops or leads
  // nowhere (the problem says which) or there is no value.
  bool Resolve(const Node& token, std::string type, const Node*& value, std::string& resolvedType) {
    std::vector<const Node*> seen;  // a chain of aliases is short; most tokens have none
    const Node* at = &token;
    for (;;) {
      if (std::find(seen.begin(), seen.end(), at) != seen.end()) {
        problem = "holds design tokens whose aliases lead back to themselves.";
        return false;
      }
      if (seen.size() > kMaxAliasChain) {
        problem = "holds a chain of more than " + std::to_string(kMaxAliasChain) + " aliases.";
        return false;
      }
      seen.push_back(at);
      if (const std::string* t = at->Text("$type")) type = *t;
      const Node* v = at->Field("$value");
      if (!v) return false;
      const auto alias = AliasOf(*v);
      if (!alias) {
        value = v;
        resolvedType = type;
        return true;
      }
      const Node* next = Find(*alias);
      if (!next || !next->IsObject()) {
        problem = "holds an alias, {" + ValidUtf8(*alias) + "}, to a token it does not hold.";
        return false;
      }
      at = next;
    }
  }

  static double Number(const Node& c) {
    if (c.kind != Node::Kind::Number) return 0;  // "none": no amount of that component
    return std::isfinite(c.number) ? std::clamp(c.number, -1e4, 1e4) : 0;
  }

  static std::optional<std::string> ColourOf(const Node& value) {
    if (value.kind == Node::Kind::Text) return CssColour(value.text);
    if (!value.IsObject()) return std::nullopt;
    const std::string* space = value.Text("colorSpace");
    const Node* components = value.Field("components");
    if (!space || !components || components->kind != Node::Kind::Array || components->items.size() != 3) {
      const std::string* hex = value.Text("hex");
      return hex ? CssColour(*hex) : std::nullopt;
    }
    const Triple c = {Number(components->items[0]), Number(components->items[1]),
                      Number(components->items[2])};
    // The predefined RGB and XYZ spaces as color() names them, and the CSS functions' own.
    static const std::pair<const char*, ColourSpace> kFunctionSpaces[] = {{"lab", ColourSpace::Lab},
                                                                          {"lch", ColourSpace::Lch},
                                                                          {"oklab", ColourSpace::Oklab},
                                                                          {"oklch", ColourSpace::Oklch}};
    std::optional<Srgb> srgb;
    if (const auto predefined = ColorFunctionSpace(*space)) srgb = ToSrgb(*predefined, c);
    if (*space == "hsl") srgb = HslToSrgb(Hsl{c});
    if (*space == "hwb") srgb = HwbToSrgb(Hwb{c});
    for (const auto& [word, s] : kFunctionSpaces)
      if (*space == word) srgb = ToSrgb(s, c);
    if (!srgb) return std::nullopt;
    return ColourOfSrgb(GamutMapToSrgb(*srgb)).Hex();
  }

  // A group or token at `node`, its path so far, the type its groups give it.
  void Walk(const Node& node, const std::string& path, const std::string& type) {
    if (!problem.empty() || out.status == ListReadResult::Status::Refused) return;
    if (node.Field("$value")) {
      const Node* value = nullptr;
      std::string resolvedType;
      if (!Resolve(node, type, value, resolvedType)) return;
      const std::optional<std::string> hex = resolvedType == "color" ? ColourOf(*value) : std::nullopt;
      if (!hex) {
        ++otherTokens;
        return;
      }
      if (out.entries.size() >= kMaxListEntries) {
        out = RefusedRead(TooManyEntries());
        return;
      }
      out.entries.push_back({ListName(OwnName(node).value_or(path)), *hex});
      return;
    }
    std::string groupType = type;
    if (const std::string* t = node.Text("$type")) groupType = *t;
    for (const auto& [key, child] : node.members) {
      if (key.empty() || key[0] == '$' || !child.IsObject()) continue;
      Walk(child, path.empty() ? key : path + "." + key, groupType);
    }
  }
};

}  // namespace

ListWriteResult WriteDesignTokens(const ColourList& list, std::string_view title) {
  if (list.Empty()) return {{}, "The colour list is empty."};
  if (auto bad = FirstNonColour(list)) return {{}, *bad};
  // Kebab-case names, as the tools' default lint rules want them; the list's own where they
  // differ go under the extension.
  const std::vector<std::string> names = DesignNames(list);
  const std::string_view palette = title.empty() ? std::string_view("palette") : title;
  const std::string group = DesignName(palette);
  std::string text = "{\n  ";
  text.reserve(list.Count() * 160 + 64);
  AppendJsonString(text, group);
  text += ": {\n    \"$type\": \"color\"";
  if (group != palette) AppendOwnName(text, palette, "\n    ");
  for (std::size_t i = 0; i < list.Count(); ++i) {
    const ColourEntry& e = list.At(i);
    const Rgb c = *EntryRgb(e);
    std::string hex = HexOfRgb(c.red, c.green, c.blue);
    for (char& ch : hex) ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    text += ",\n    ";
    AppendJsonString(text, names[i]);
    text += ": {\n      \"$value\": {\"colorSpace\": \"srgb\", \"components\": [";
    AppendComponent(text, c.red);
    text += ", ";
    AppendComponent(text, c.green);
    text += ", ";
    AppendComponent(text, c.blue);
    text += "], \"hex\": \"#" + hex + "\"}";
    if (names[i] != e.name) AppendOwnName(text, e.name, "\n      ");
    text += "\n    }";
  }
  text += "\n  }\n}\n";
  return {std::move(text), {}};
}

ListReadResult ReadDesignTokens(std::string_view text) {
  TreeBuilder tree;
  const bool parsed = Json::sax_parse(text, &tree, Json::input_format_t::json, true, true);
  if (tree.tooDeep) return RefusedRead(TooDeep());
  const Node& root = tree.root;
  if (!parsed || !root.IsObject())
    return RefusedRead("is not a design tokens file: it is not a JSON object.");
  Reader reader(root);
  // A file of one group is one palette: the group's name is its title, not part of each name.
  const bool onePalette =
      root.members.size() == 1 && root.members[0].value.IsObject() && !root.members[0].value.Field("$value");
  if (onePalette) {
    reader.out.title = ListName(OwnName(root.members[0].value).value_or(root.members[0].key));
    reader.Walk(root.members[0].value, "", "");
  } else {
    reader.Walk(root, "", "");
  }
  if (!reader.problem.empty()) return RefusedRead(reader.problem);
  ListReadResult out = std::move(reader.out);
  if (out.status == ListReadResult::Status::Refused) return out;
  if (reader.otherTokens > 0)
    out.notices.push_back({std::to_string(reader.otherTokens) +
                               (reader.otherTokens == 1 ? " token" : " tokens") + " that " +
                               (reader.otherTokens == 1 ? "is" : "are") + " not a colour passed over.",
                           false});
  if (out.entries.empty() && out.status == ListReadResult::Status::Read) {
    out.status = ListReadResult::Status::Refused;
    out.reason = "holds no colour tokens.";
  }
  return out;
}

}  // namespace tintora
