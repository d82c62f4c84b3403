// The capture hot key: the keys on offer, the modifier flags and the capture button's hint.
#pragma once

#include <array>
#include <string>

namespace tintora {

struct HotKeyItem {
  const char* name;      // the menu item, e.g. "F81"
  const char* caption;   // "F8", "Num Pad 5"
  unsigned virtualKey;   // Windows virtual-key code, the stored value
  const char* hintName;  // "F8", "NumPad5"
  int settingsIndex;     // 1..19
};

// The nineteen keys in menu order (F1, F4 and F10 are not offered).
const std::array<HotKeyItem, 19>& HotKeyItems();

// Modifier flags as the platform's hot keys take them.
inline constexpr unsigned kModAlt = 1, kModCtrl = 2, kModShift = 4;

unsigned HotKeyModifiers(bool shift, bool ctrl, bool alt);

// The item checked by a stored settings index, or -1 for 0 and anything above 19.
int HotKeyItemForSettingsIndex(int settingsIndex);

// The capture button's hint while capture is on, e.g. "Pixel colour extractor.(ALT+F8)\r\n
// Right click for desktop\r\nphoto capture." `checkedKeys` holds one flag per item.
std::string PixelCaptureHint(bool shift, bool ctrl, bool alt, const std::array<bool, 19>& checkedKeys);

// The hint while capture is off.
inline constexpr const char* kSnapshotHint =
    "Snap photo of desktop.\r\nRight click for active\r\npixel capture.";

// The hint where the desktop picks colours on request instead (a Wayland session).
inline constexpr const char* kPickOnRequestHint =
    "Snap photo of desktop.\r\nRight click to pick a\r\ncolour from the screen.\r\nMiddle click: hot key.";

}  // namespace tintora
