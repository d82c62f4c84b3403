// Text from Windows' wide-character world, for the Windows system files (built on Windows only).
#pragma once

#include <string>

namespace tintora {

std::string Utf8(const std::wstring& wide);
// The system's words for an error code, without the full stop and line break it ends them with.
std::string SystemReason(unsigned long error);

}  // namespace tintora
