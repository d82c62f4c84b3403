// The colour profile Windows holds for a monitor: GetICMProfileW on the monitor's device
// context names the profile file, which is read once for each file it names. The name is asked
// again at most once a second, so a profile chosen in Colour Management reaches the next picks
// without a device context being made every capture tick.
#include <windows.h>

#include <chrono>
#include <map>
#include <string>

#include <QFile>

#include "capture/platform/screen_access.h"

namespace tintora {

namespace {

// A profile with tables runs to a few hundred KiB; a file far past that is no display profile.
constexpr qint64 kMaxProfileBytes = 16 << 20;

std::wstring ProfilePathOf(const wchar_t* device) {
  HDC dc = ::CreateDCW(device, device, nullptr, nullptr);
  if (!dc) return {};
  wchar_t path[MAX_PATH + 1] = {};
  DWORD size = MAX_PATH;
  const BOOL found = ::GetICMProfileW(dc, &size, path);
  ::DeleteDC(dc);
  return found ? std::wstring(path) : std::wstring();
}

QByteArray ProfileFile(const std::wstring& path) {
  QFile file(QString::fromStdWString(path));
  if (path.empty() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxProfileBytes) return {};
  return file.read(kMaxProfileBytes);
}

}  // namespace

QByteArray QtScreenAccess::ColourProfile(QPoint position) {
  struct Known {
    std::chrono::steady_clock::time_point asked;
    std::wstring path;
    QByteArray bytes;
  };
  static std::map<std::wstring, Known> known;  // by monitor device name; the GUI thread's own
  MONITORINFOEXW monitor{};
  monitor.cbSize = sizeof monitor;
  if (!::GetMonitorInfoW(::MonitorFromPoint(POINT{position.x(), position.y()}, MONITOR_DEFAULTTONEAREST),
                         &monitor))
    return {};
  Known& k = known[monitor.szDevice];
  const auto now = std::chrono::steady_clock::now();
  if (k.asked.time_since_epoch().count() != 0 && now - k.asked < std::chrono::seconds(1)) return k.bytes;
  k.asked = now;
  const std::wstring path = ProfilePathOf(monitor.szDevice);
  if (path != k.path) {
    k.path = path;
    k.bytes = ProfileFile(path);
  }
  return k.bytes;
}

}  // namespace tintora
