#include "core/formats/design_tokens.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/colour/colour_spaces.h"
#include "core/colour/css_colour.h"
#include "core/colour/notations.h"
#include "core/formats/css.h"
#include "core/formats/design_systems.h"
#include "core/formats/json_tree.h"
#include "core/io/text_codec.h"

namespace tintora {

namespace {

// Design tools chain a handful of aliases. Each token follows its own chain, so a file of
// long chains costs their lengths squared: past this it is taken for a broken or hostile file.
constexpr std::size_t kMaxAliasChain = 64;

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
  const auto written = std::to_chars(text, text + sizeof text, level / 255.0, std::chars_format::fixed, 4);
  std::string_view t(text, static_cast<std::size_t>(written.ptr - text));
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

// The name Tintora kept under the extension, where a token's or group's had to differ.
std::optional<std::string> OwnName(const JsonTree& tree, const JsonNode& node) {
  if (const JsonNode* ext = tree.Field(node, "$extensions"))
    if (const JsonNode* own = tree.Field(*ext, kExtension))
      if (const auto n = tree.Text(*own, "name")) return std::string(*n);
  return std::nullopt;
}

struct Reader {
  explicit Reader(const JsonTree& document) : tree(document), root(document.Root()) {}
  const JsonTree& tree;
  const JsonNode& root;
  ListReadResult out;
  std::size_t otherTokens = 0;
  std::string problem;  // a cycle or an alias to nowhere: the file is refused

  // The node an alias's path names, or null.
  const JsonNode* Find(std::string_view path) const {
    const JsonNode* node = &root;
    while (node && node->IsObject()) {
      const std::size_t dot = path.find('.');
      node = tree.Field(*node, path.substr(0, dot));
      if (!node || dot == std::string_view::npos) return node;
      path.remove_prefix(dot + 1);
    }
    return nullptr;
  }

  static std::optional<std::string_view> AliasOf(const JsonNode& value) {
    if (value.kind != JsonNode::Kind::Text) return std::nullopt;
    const std::string_view s = value.Text();
    if (s.size() < 3 || s.front() != '{' || s.back() != '}') return std::nullopt;
    return s.substr(1, s.size() - 2);
  }

  // The token's value and type with its aliases followed; false when a chain loops or leads
  // nowhere (the problem says which) or there is no value.
  bool Resolve(const JsonNode& token, std::string_view type, const JsonNode*& value,
               std::string_view& resolvedType) {
    std::vector<const JsonNode*> seen;  // a chain of aliases is short; most tokens have none
    const JsonNode* at = &token;
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
      if (const auto t = tree.Text(*at, "$type")) type = *t;
      const JsonNode* v = tree.Field(*at, "$value");
      if (!v) return false;
      const auto alias = AliasOf(*v);
      if (!alias) {
        value = v;
        resolvedType = type;
        return true;
      }
      const JsonNode* next = Find(*alias);
      if (!next || !next->IsObject()) {
        problem = "holds an alias, {" + ValidUtf8(*alias) + "}, to a token it does not hold.";
        return false;
      }
      at = next;
    }
  }

  static double Number(const JsonNode& c) {
    if (c.kind != JsonNode::Kind::Number) return 0;  // "none": no amount of that component
    return std::isfinite(c.Number()) ? std::clamp(c.Number(), -1e4, 1e4) : 0;
  }

  std::optional<std::string> ColourOf(const JsonNode& value) const {
    if (value.kind == JsonNode::Kind::Text) return CssColour(value.Text());
    if (!value.IsObject()) return std::nullopt;
    const auto space = tree.Text(value, "colorSpace");
    const JsonNode* components = tree.Field(value, "components");
    if (!space || !components || components->kind != JsonNode::Kind::Array || components->count != 3) {
      const auto hex = tree.Text(value, "hex");
      return hex ? CssColour(*hex) : std::nullopt;
    }
    const std::span<const JsonNode> items = tree.Children(*components);
    const Triple c = {Number(items[0]), Number(items[1]), Number(items[2])};
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
  void Walk(const JsonNode& node, const std::string& path, std::string_view type) {
    if (!problem.empty() || out.status == ListReadResult::Status::Refused) return;
    if (tree.Field(node, "$value")) {
      const JsonNode* value = nullptr;
      std::string_view resolvedType;
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
      out.entries.push_back({ListName(OwnName(tree, node).value_or(path)), *hex});
      return;
    }
    std::string_view groupType = type;
    if (const auto t = tree.Text(node, "$type")) groupType = *t;
    for (const JsonNode& child : tree.Children(node)) {
      const std::string_view key = child.Key();
      if (key.empty() || key[0] == '$' || !child.IsObject()) continue;
      Walk(child, path.empty() ? std::string(key) : path + "." + std::string(key), groupType);
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
  JsonRefusal why = JsonRefusal::NotJson;
  const std::optional<JsonTree> tree = JsonTree::Parse(text, {.nesting = kMaxNesting}, why);
  if (why == JsonRefusal::TooDeep) return RefusedRead(TooDeep());
  if (why == JsonRefusal::TooLarge)
    return RefusedRead("is too large: it holds more than " + std::to_string(JsonLimits{}.values / 1'000'000) +
                       " million JSON values.");
  if (!tree || !tree->Root().IsObject())
    return RefusedRead("is not a design tokens file: it is not a JSON object.");
  const JsonNode& root = tree->Root();
  Reader reader(*tree);
  // A file of one group is one palette: the group's name is its title, not part of each name.
  const JsonNode* only = root.count == 1 ? &tree->Children(root)[0] : nullptr;
  const bool onePalette = only && only->IsObject() && !tree->Field(*only, "$value");
  if (onePalette) {
    reader.out.title = ListName(OwnName(*tree, *only).value_or(std::string(only->Key())));
    reader.Walk(*only, "", "");
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
