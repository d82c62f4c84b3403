// Whole-file reads and atomic writes. Every file Tintora writes goes to a temporary file in
// the same folder first and is renamed into place, so a failed save never damages the file
// that was there.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tintora {

// A path from UTF-8 text, on every platform.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

// The file's bytes, or nullopt with the system's reason in `error` (files above maxBytes are
// refused rather than read into memory).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string* error,
                                         std::uintmax_t maxBytes = 512ull * 1024 * 1024);

// Writes `bytes` to `path` atomically. Returns the system's reason on failure, nullopt on success;
// on failure the old file is untouched and no temporary file is left behind.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tintora
