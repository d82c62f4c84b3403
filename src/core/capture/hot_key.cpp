#include "core/capture/hot_key.h"

namespace tintora {

const std::array<HotKeyItem, 19>& HotKeyItems() {
  static const std::array<HotKeyItem, 19> items = {{
      {"F21", "F2", 0x71, "F2", 1},
      {"F31", "F3", 0x72, "F3", 2},
      {"F51", "F5", 0x74, "F5", 3},
      {"F61", "F6", 0x75, "F6", 4},
      {"F71", "F7", 0x76, "F7", 5},
      {"F81", "F8", 0x77, "F8", 6},
      {"F91", "F9", 0x78, "F9", 7},
      {"F111", "F11", 0x7A, "F11", 8},
      {"F121", "F12", 0x7B, "F12", 9},
      {"NumPad01", "Num Pad 0", 0x60, "NumPad0", 10},
      {"NumPad11", "Num Pad 1", 0x61, "NumPad1", 11},
      {"NumPad21", "Num Pad 2", 0x62, "NumPad2", 12},
      {"NumPad31", "Num Pad 3", 0x63, "NumPad3", 13},
      {"NumPad41", "Num Pad 4", 0x64, "NumPad4", 14},
      {"NumPad51", "Num Pad 5", 0x65, "NumPad5", 15},
      {"NumPad61", "Num Pad 6", 0x66, "NumPad6", 16},
      {"NumPad71", "Num Pad 7", 0x67, "NumPad7", 17},
      {"NumPad81", "Num Pad 8", 0x68, "NumPad8", 18},
      {"NumPad91", "Num Pad 9", 0x69, "NumPad9", 19},
  }};
  return items;
}

unsigned HotKeyModifiers(bool shift, bool ctrl, bool alt) {
  return (shift ? kModShift : 0) + (ctrl ? kModCtrl : 0) + (alt ? kModAlt : 0);
}

int HotKeyItemForSettingsIndex(int settingsIndex) {
  if (settingsIndex < 1 || settingsIndex > 19) return -1;
  return settingsIndex - 1;
}

std::string PixelCaptureHint(bool shift, bool ctrl, bool alt, const std::array<bool, 19>& checkedKeys) {
  std::string hint = "Pixel colour extractor.(";
  if (shift) hint += "SHIFT+";
  if (ctrl) hint += "CTRL+";
  if (alt) hint += "ALT+";
  for (std::size_t i = 0; i < checkedKeys.size(); ++i)
    if (checkedKeys[i]) hint += HotKeyItems()[i].hintName;
  return hint + ")\r\nRight click for desktop\r\nphoto capture.";
}

}  // namespace tintora
