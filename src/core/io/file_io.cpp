#include "core/io/file_io.h"

#include <cstdio>

#include "core/colour/number_text.h"

namespace tintora {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

std::optional<long> TemporaryFileWriter(std::string_view name) {
  constexpr std::string_view kPrefix = ".tintora-", kSuffix = ".tmp";
  constexpr std::size_t kTagDigits = 8;
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return std::nullopt;
  name = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  const std::size_t dash = name.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash > 9 || name.size() - dash - 1 != kTagDigits)
    return std::nullopt;
  long pid = 0;
  for (char c : name.substr(0, dash)) {
    if (c < '0' || c > '9') return std::nullopt;
    pid = pid * 10 + (c - '0');
  }
  for (char c : name.substr(dash + 1))
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return std::nullopt;
  return pid;
}

namespace {

std::string SizeText(std::uintmax_t bytes) {
  char text[32];
  if (bytes >= 1024ull * 1024 * 1024)
    std::snprintf(text, sizeof text, "%.1f GB", static_cast<double>(bytes) / (1024.0 * 1024 * 1024));
  else if (bytes >= 1024 * 1024)
    std::snprintf(text, sizeof text, "%llu MB", static_cast<unsigned long long>(bytes / (1024 * 1024)));
  else
    std::snprintf(text, sizeof text, "%llu KB", static_cast<unsigned long long>((bytes + 1023) / 1024));
  return text;
}

}  // namespace

std::optional<std::string> ReadFailed(std::string* error, ReadFailure* failure, ReadFailure kind,
                                      std::string why) {
  if (error) *error = std::move(why);
  if (failure) *failure = kind;
  return std::nullopt;
}

std::string TooLargeText(std::uintmax_t size, std::uintmax_t maxBytes) {
  // Just past the limit, the rounded sizes read alike: then the bytes say it.
  if (SizeText(size) == SizeText(maxBytes))
    return "is too large (" + GroupedNumber(size) + " bytes; Tintora reads files of at most " +
           GroupedNumber(maxBytes) + " bytes).";
  return "is too large (" + SizeText(size) + "; Tintora reads files of at most " + SizeText(maxBytes) + ").";
}

WriteSteps& CurrentWriteSteps() {
  static WriteSteps steps = SystemWriteSteps();
  return steps;
}

}  // namespace tintora
