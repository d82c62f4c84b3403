#include <io.h>
#include <windows.h>

#include <cstdio>

#include "convert/run_picker.h"
#include "core/io/windows_text.h"

namespace tintora {

namespace {

// The main program beside this one, which owns the screen.
std::wstring PickerPath() {
  std::wstring self(32768, L'\0');
  const DWORD n = ::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
  self.resize(n);
  const std::size_t slash = self.find_last_of(L"\\/");
  return (slash == std::wstring::npos ? std::wstring(L".") : self.substr(0, slash)) + L"\\tintora.exe";
}

}  // namespace

PickerRun RunPicker(const char*, int average, bool device) {
  PickerRun run;
  const std::wstring picker = PickerPath();
  run.picker = Utf8(picker);
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
    run.why = SystemReason(::GetLastError());
    return run;
  }
  ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  std::wstring commandLine =
      L"\"" + picker + L"\" --pick --average " + std::to_wstring(average) + (device ? L" --device" : L"");
  PROCESS_INFORMATION process{};
  const BOOL created = ::CreateProcessW(picker.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
  const DWORD error = ::GetLastError();
  ::CloseHandle(writeEnd);
  if (!created) {
    ::CloseHandle(readEnd);
    run.why = SystemReason(error);
    return run;
  }
  run.started = true;
  char buffer[256];
  DWORD n = 0;
  while (::ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0) run.output.append(buffer, n);
  ::CloseHandle(readEnd);
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  run.finished = ::GetExitCodeProcess(process.hProcess, &code) != 0;
  run.exitCode = static_cast<int>(code);
  ::CloseHandle(process.hProcess);
  ::CloseHandle(process.hThread);
  return run;
}

bool OutputIsTerminal() { return ::_isatty(::_fileno(stdout)) != 0; }

}  // namespace tintora
