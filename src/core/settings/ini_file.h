// Private-profile INI access: the file read once into its keys (IniValues), every write on disk
// at once.
//
// Section and key names match case-insensitively and are written exactly as given (names such
// as "RGB Values" and "Hex/Decimal" stay byte-exact). A write keeps every other line of the file
// as it was and replaces the file atomically.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tintora {

// The keys of a settings file as it was when read: one read and one pass over its lines,
// however many keys are then looked up.
class IniValues {
 public:
  explicit IniValues(std::string_view text);
  // A missing section or key gives the default. Values are trimmed and lose one pair of
  // surrounding quotes, as the platform's INI reader does; the first section of a name counts,
  // and the first line of a key in it.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // A value that is not an integer gives the default.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  // True for any non-zero integer.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;

 private:
  std::optional<std::string_view> Lookup(std::string_view section, std::string_view key) const;
  std::unordered_map<std::string, std::string> values_;  // by "SECTION\nKEY", upper case
};

class IniFile {
 public:
  explicit IniFile(std::filesystem::path path);
  IniFile(IniFile&&) noexcept;
  ~IniFile();

  const std::filesystem::path& Path() const { return path_; }

  // The file's keys, read now; a missing or unreadable file has none.
  IniValues Values() const;
  // One key, the file read for it (IniValues for more than one).
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    return Values().ReadString(section, key, def);
  }
  int ReadInteger(std::string_view section, std::string_view key, int def) const {
    return Values().ReadInteger(section, key, def);
  }
  bool ReadBool(std::string_view section, std::string_view key, bool def) const {
    return Values().ReadBool(section, key, def);
  }

  // Several writes as one change of the file: it is read once, under a lock on its folder that
  // other Tintoras take too, changed by `writes`, and written once, so two Tintoras saving at
  // the same moment leave one's complete settings and every other line, never a blend. False
  // when `writes` is, or when the file cannot be written (the old file is then untouched).
  bool Transaction(const std::function<bool(IniFile&)>& writes);

  // Returns false when the file could not be written (the old file is then untouched). Inside
  // a transaction the change waits for the transaction's end.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInteger(std::string_view section, std::string_view key, int value);
  bool WriteBool(std::string_view section, std::string_view key, bool value);

  // The system's reason for the last failed write.
  const std::string& LastError() const { return lastError_; }

 private:
  struct Pending;

  std::filesystem::path path_;
  std::string lastError_;
  std::unique_ptr<Pending> pending_;  // the file's lines while a transaction runs
};

}  // namespace tintora
