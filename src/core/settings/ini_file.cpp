#include "core/settings/ini_file.h"

#include <algorithm>
#include <deque>
#include <unordered_set>
#include <vector>

#include "core/colour/conversion_error.h"
#include "core/io/file_io.h"
#include "core/io/lines.h"
#include "core/io/text_codec.h"

namespace tintora {

namespace {

// INI files are small; anything larger than this is not ours and is treated as missing.
constexpr std::uintmax_t kMaxIniBytes = 4 * 1024 * 1024;

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

// The file's lines as views of its text, with the lines a write puts in kept beside them: a
// file of millions of blank lines costs a view each, once. Made in place and never moved (the
// views point into it).
struct ParsedFile {
  explicit ParsedFile(std::string decoded) : text(std::move(decoded)) {
    // The line ends a file uses: CR LF, LF alone or CR alone; new files get CR LF.
    if (text.find("\r\n") == std::string::npos) {
      if (text.find('\n') != std::string::npos)
        eol = "\n";
      else if (text.find('\r') != std::string::npos)
        eol = "\r";
    }
    ForEachLine(text, [&](std::string_view line) { lines.push_back(line); });
    endsWithEol = text.empty() || text.back() == '\n' || text.back() == '\r';
  }
  ParsedFile(const ParsedFile&) = delete;
  ParsedFile& operator=(const ParsedFile&) = delete;

  // A line of the write's own, kept as long as the file.
  std::string_view Own(std::string line) { return added.emplace_back(std::move(line)); }

  std::string text;
  std::deque<std::string> added;
  std::vector<std::string_view> lines;
  std::string eol = "\r\n";
  bool endsWithEol = true;
};

std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() != '[') return std::nullopt;
  const auto close = t.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key, value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';') return std::nullopt;
  const auto eq = t.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(t.substr(0, eq)), Trim(t.substr(eq + 1))};
}

std::optional<std::string> ReadBytes(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return std::nullopt;
  std::string error;
  return ReadWholeFile(path, &error, kMaxIniBytes);
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Written back in the encoding it came in: a UTF-8 file (with its byte order mark, if it had
// one) stays UTF-8 even when everything would fit the code page, so no other line changes.
std::string EncodeLike(std::string_view original, const std::string& text) {
  const bool bom = original.substr(0, 3) == kUtf8Bom;
  const bool wide = std::any_of(original.begin(), original.end(), [](char c) { return (c & 0x80) != 0; });
  if ((bom || wide) && IsValidUtf8(original)) return (bom ? std::string(kUtf8Bom) : std::string()) + text;
  return EncodeFileText(text);
}

// A value on one line: line breaks would split the file's structure.
std::string OneLine(std::string_view v) {
  std::string out(v);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

std::string KeyOf(std::string_view section, std::string_view key) {
  std::string k;
  k.reserve(section.size() + key.size() + 1);
  for (char c : section) k += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
  k += '\n';
  for (char c : key) k += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
  return k;
}

}  // namespace

IniValues::IniValues(std::string_view text) {
  std::string_view section;  // the one being read, while it is the first of its name
  bool reading = false;
  std::unordered_set<std::string> seen;  // the sections met, upper case
  ForEachLine(text, [&](std::string_view line) {
    if (auto name = SectionName(line)) {
      // The first section of a name is the one that counts, as on the platform.
      reading = seen.insert(KeyOf(*name, {})).second;
      section = *name;
      return;
    }
    if (!reading) return;
    if (auto kv = ParseKeyLine(line)) {
      std::string_view v = kv->value;
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      values_.emplace(KeyOf(section, kv->key), v);  // the first line of a key counts
    }
  });
}

std::optional<std::string_view> IniValues::Lookup(std::string_view section, std::string_view key) const {
  const auto found = values_.find(KeyOf(section, key));
  if (found == values_.end()) return std::nullopt;
  return std::string_view(found->second);
}

std::string IniValues::ReadString(std::string_view section, std::string_view key,
                                  std::string_view def) const {
  return std::string(Lookup(section, key).value_or(def));
}

int IniValues::ReadInteger(std::string_view section, std::string_view key, int def) const {
  const auto v = Lookup(section, key);
  if (!v) return def;
  return TryStrToInt(std::string(*v)).value_or(def);
}

bool IniValues::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

IniValues IniFile::Values() const {
  auto bytes = ReadBytes(path_);
  return IniValues(bytes ? DecodeFileText(*bytes) : std::string());
}

namespace {

// Puts `key=value` in its section: over the key's line where it has one, after the section's
// last line where it has not, in a new section at the end where there is none.
void SetKey(ParsedFile& f, std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view newLine = f.Own(std::string(key) + "=" + OneLine(value));
  std::optional<std::size_t> sectionStart;  // index of the header line
  std::size_t lastContent = 0;              // last non-blank line of the section
  for (std::size_t i = 0; i < f.lines.size(); ++i) {
    if (auto name = SectionName(f.lines[i])) {
      if (sectionStart) break;
      if (SameName(*name, section)) {
        sectionStart = i;
        lastContent = i;
      }
      continue;
    }
    if (!sectionStart) continue;
    if (!Trim(f.lines[i]).empty()) lastContent = i;
    if (auto kv = ParseKeyLine(f.lines[i]); kv && SameName(kv->key, key)) {
      f.lines[i] = newLine;
      return;
    }
  }
  if (sectionStart) {
    f.lines.insert(f.lines.begin() + static_cast<std::ptrdiff_t>(lastContent + 1), newLine);
    // A file that ended without a line break keeps ending that way, unless its end is new.
    if (lastContent + 2 == f.lines.size()) f.endsWithEol = true;
    return;
  }
  if (!f.lines.empty() && !Trim(f.lines.back()).empty()) f.lines.emplace_back();
  f.lines.push_back(f.Own("[" + std::string(section) + "]"));
  f.lines.push_back(newLine);
  f.endsWithEol = true;
}

std::string Join(const ParsedFile& f) {
  std::string text;
  text.reserve(f.text.size() + 64 * f.added.size());
  for (std::size_t i = 0; i < f.lines.size(); ++i) {
    text += f.lines[i];
    if (i + 1 < f.lines.size() || f.endsWithEol) text += f.eol;
  }
  return text;
}

}  // namespace

struct IniFile::Pending {
  explicit Pending(std::string bytes) : original(std::move(bytes)), file(DecodeFileText(original)) {}
  std::string original;
  ParsedFile file;
};

IniFile::IniFile(IniFile&&) noexcept = default;
IniFile::~IniFile() = default;

bool IniFile::Transaction(const std::function<bool(IniFile&)>& writes) {
  if (pending_) return writes(*this);  // already inside one
  FolderLock lock(path_.parent_path());
  // A file that is there but cannot be read (too large to be ours, no rights) is not replaced
  // by one holding only our keys.
  std::error_code ec;
  auto bytes = ReadBytes(path_);
  if (!bytes && std::filesystem::exists(path_, ec)) {
    lastError_ = "The file cannot be read";
    return false;
  }
  pending_ = std::make_unique<Pending>(std::move(bytes).value_or(""));
  const bool wanted = writes(*this);
  const std::unique_ptr<Pending> done = std::move(pending_);
  if (!wanted) return false;
  if (auto error = WriteFileAtomically(path_, EncodeLike(done->original, Join(done->file)))) {
    lastError_ = *error;
    return false;
  }
  lastError_.clear();
  return true;
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (!pending_) return Transaction([&](IniFile& f) { return f.WriteString(section, key, value); });
  SetKey(pending_->file, section, key, value);
  return true;
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

}  // namespace tintora
