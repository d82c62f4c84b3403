// What the POSIX file layer's two parts share: the steps of a careful write, and the in-place
// write of last resort (file_io_posix_in_place.cpp) with the recovery of one a crash cut short.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/io/file_io.h"

namespace tintora::posix_io {

// A step whose failure changes nothing: the error that follows (or none) is what is reported.
// (A cast to void does not quiet GCC for calls marked warn_unused_result.)
inline void BestEffort(int) {}

std::string Reason(int error);

// Everything or the reason why not.
std::optional<std::string> WriteAll(const WriteSteps& steps, int fd, std::string_view bytes);
// Syncs and closes; the descriptor is closed whatever the sync says.
std::optional<std::string> SyncAndClose(const WriteSteps& steps, int fd);
// A file's bytes without first putting back an interrupted save of it.
std::optional<std::string> ReadWholeFileUnchecked(const std::filesystem::path& path, std::string* error);
void RemoveStaleTemporaries(const std::filesystem::path& folder);

// For a writable file where nothing can be made beside it: the old bytes kept aside (an undo
// copy in the user's state folder) while the new ones are written over them.
std::optional<std::string> WriteInPlace(const WriteSteps& steps, const std::filesystem::path& target,
                                        std::string_view bytes);
// Puts back the old bytes of `target` if an in-place write of it was cut short.
void RecoverInterruptedSave(const std::filesystem::path& target);

}  // namespace tintora::posix_io
