#include "core/settings/ini_file.h"

#include <algorithm>
#include <vector>

#include "core/colour/conversion_error.h"
#include "core/formats/file_io.h"
#include "core/formats/text_codec.h"

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

struct ParsedFile {
  std::vector<std::string> lines;
  std::string eol = "\r\n";
  bool endsWithEol = true;
};

// The line ends a file uses: CR LF, LF alone or CR alone; new files get CR LF.
ParsedFile Split(const std::string& text) {
  ParsedFile f;
  if (text.find("\r\n") == std::string::npos) {
    if (text.find('\n') != std::string::npos) {
      f.eol = "\n";
    } else if (text.find('\r') != std::string::npos) {
      f.eol = "\r";
    }
  }
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      f.lines.push_back(text.substr(start));
      f.endsWithEol = false;
      break;
    }
    f.lines.push_back(text.substr(start, end - start));
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return f;
}

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

std::optional<std::string> ReadText(const std::filesystem::path& path) {
  auto bytes = ReadBytes(path);
  if (!bytes) return std::nullopt;
  return DecodeFileText(*bytes);
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

}  // namespace

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

std::optional<std::string> IniFile::Lookup(std::string_view section, std::string_view key) const {
  const auto text = ReadText(path_);
  if (!text) return std::nullopt;
  const ParsedFile f = Split(*text);
  bool inSection = false;
  bool seenSection = false;
  for (const std::string& line : f.lines) {
    if (auto name = SectionName(line)) {
      // The first section of a name is the one that counts, as on the platform.
      if (inSection) return std::nullopt;
      inSection = !seenSection && SameName(*name, section);
      seenSection = seenSection || inSection;
      continue;
    }
    if (!inSection) continue;
    if (auto kv = ParseKeyLine(line); kv && SameName(kv->key, key)) {
      std::string_view v = kv->value;
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      return std::string(v);
    }
  }
  return std::nullopt;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  if (auto v = Lookup(section, key)) return *v;
  return std::string(def);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  const auto v = Lookup(section, key);
  if (!v) return def;
  return TryStrToInt(*v).value_or(def);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

namespace {

// Puts `key=value` in its section: over the key's line where it has one, after the section's
// last line where it has not, in a new section at the end where there is none.
void SetKey(ParsedFile& f, std::string_view section, std::string_view key, std::string_view value) {
  const std::string newLine = std::string(key) + "=" + OneLine(value);
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
  f.lines.push_back("[" + std::string(section) + "]");
  f.lines.push_back(newLine);
  f.endsWithEol = true;
}

std::string Join(const ParsedFile& f) {
  std::string text;
  for (std::size_t i = 0; i < f.lines.size(); ++i) {
    text += f.lines[i];
    if (i + 1 < f.lines.size() || f.endsWithEol) text += f.eol;
  }
  return text;
}

}  // namespace

struct IniFile::Pending {
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
  pending_ = std::make_unique<Pending>();
  pending_->original = std::move(bytes).value_or("");
  pending_->file = Split(DecodeFileText(pending_->original));
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
