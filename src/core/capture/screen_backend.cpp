#include "core/capture/screen_backend.h"

#include <algorithm>
#include <cmath>

#include "core/capture/hot_key.h"
#include "core/colour/notations.h"

namespace tintora {

ScreenBackend ChooseScreenBackend(std::string_view platform, std::string_view override, bool x11Built,
                                  const std::function<bool()>& portalAnswers) {
  if (override == "x11") return x11Built ? ScreenBackend::X11 : ScreenBackend::None;
  if (override == "portal") return ScreenBackend::Portal;
  if (override == "none") return ScreenBackend::None;
  if (platform == "xcb") return x11Built ? ScreenBackend::X11 : ScreenBackend::Qt;
  if (platform.starts_with("wayland"))
    return portalAnswers && portalAnswers() ? ScreenBackend::Portal : ScreenBackend::None;
  return ScreenBackend::Qt;
}

const char* ScreenBackendName(ScreenBackend backend) {
  switch (backend) {
    case ScreenBackend::X11:
      return "X11";
    case ScreenBackend::Portal:
      return "the desktop portal";
    case ScreenBackend::Qt:
      return "Qt's screen grab";
    case ScreenBackend::None:
      break;
  }
  return "nothing (this desktop gives no screen access)";
}

PortalOutcome PortalOutcomeOf(unsigned responseCode) {
  if (responseCode == 0) return PortalOutcome::Done;
  if (responseCode == 1) return PortalOutcome::Cancelled;
  return PortalOutcome::Failed;
}

std::string PortalRequestPath(std::string_view uniqueName, std::string_view token) {
  std::string sender(uniqueName.starts_with(':') ? uniqueName.substr(1) : uniqueName);
  std::replace(sender.begin(), sender.end(), '.', '_');
  return "/org/freedesktop/portal/desktop/request/" + sender + "/" + std::string(token);
}

Rgb8 PortalColour(double red, double green, double blue) {
  auto component = [](double v) -> std::uint8_t {
    if (!(v > 0)) return 0;  // also a NaN
    if (v >= 1) return 255;
    return static_cast<std::uint8_t>(std::lround(v * 255));
  };
  return {component(red), component(green), component(blue)};
}

std::string PortalTrigger(unsigned modifiers, unsigned virtualKey) {
  std::string key;
  if (virtualKey >= 0x70 && virtualKey <= 0x7B) key = "F" + std::to_string(virtualKey - 0x70 + 1);
  if (virtualKey >= 0x60 && virtualKey <= 0x69) key = "KP_" + std::to_string(virtualKey - 0x60);
  const bool offered = std::any_of(HotKeyItems().begin(), HotKeyItems().end(),
                                   [&](const HotKeyItem& item) { return item.virtualKey == virtualKey; });
  if (key.empty() || !offered) return {};
  std::string trigger;
  if (modifiers & kModShift) trigger += "SHIFT+";
  if (modifiers & kModCtrl) trigger += "CTRL+";
  if (modifiers & kModAlt) trigger += "ALT+";
  return trigger + key;
}

bool IsPortalScratchFile(std::string_view path, std::string_view tempFolder) {
  while (tempFolder.size() > 1 && tempFolder.ends_with('/')) tempFolder.remove_suffix(1);
  if (tempFolder.empty() || path.size() <= tempFolder.size() + 1) return false;
  if (!path.starts_with(tempFolder) || path[tempFolder.size()] != '/') return false;
  // Nothing in the rest may climb back out.
  std::string_view rest = path.substr(tempFolder.size() + 1);
  while (!rest.empty()) {
    const std::size_t slash = rest.find('/');
    const std::string_view part = rest.substr(0, slash);
    if (part == ".." || part == ".") return false;
    if (slash == std::string_view::npos) break;
    rest.remove_prefix(slash + 1);
  }
  return !path.ends_with('/');
}

}  // namespace tintora
