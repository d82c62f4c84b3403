// The user's settings as the settings file holds them: every section and key, its default when
// the key is missing (or not a number where a number belongs), and the writer that keeps them.
#pragma once

#include <string>
#include <vector>

#include "core/colour/rgb8.h"

namespace tintora {

class IniFile;
class IniValues;

struct SettingsValues {
  // "Main": the main window's top-left corner, and whether the file holds one (a first start
  // has none: the window then opens in the middle of the screen).
  int left = 0, top = 0;
  bool placed = false;
  // "Start": where the file dialogs open (empty: the documents folder's "Tintora Colours"), and
  // the list to open again at start.
  std::string defaultDir, autoOpen;
  // "RGB Values"
  bool decimal = false, html = false, ieColourNames = false, bgr = false, autoCopy = false;
  bool advancedMode = false, onTop = false;
  // "RGB Mixer"
  bool webSafeGrid = false;
  // "Colour Selector": basePaletteUnlocked is the file's "BasePaletteLock" (true: unlocked).
  bool getAllAsWebsafe = false, basePaletteUnlocked = false, webSafePalette = false;
  // "External Colour"
  bool activePixelCapture = false, zoomView = false;
  bool hotKeyShift = false, hotKeyCtrl = false, hotKeyAlt = false;
  int hotKeySuffix = 0;               // 1..19 name a key of the hot-key menu; anything else none
  int sampleSize = 1;                 // a pick's square, 1, 3, 5, 7 or 9 pixels across; anything else 1
  bool ignoreDisplayProfile = false;  // picks give the screen's own values, not the profile's sRGB
  bool autoOpenActive = false;
  // "Colour Viewer"
  bool showComplimentary = false, complimentaryWebSafe = false;
  int complimentaryStyle = 0;  // 1..6 name a harmony scheme; anything else none
  bool large = false;
  // "Colour Wheel": only a positive number of divisions makes the section count.
  int divisions = 0;
  bool wheelOutline = false, colourBorders = false;

  bool operator==(const SettingsValues&) const = default;
};

SettingsValues ReadSettings(const IniValues& ini);

// The keys "Save Settings As Default" writes, in its order: all but "Start", "Colour Wheel"
// and "AutoOpenActive", which their own commands write. False when a key could not be written
// (the keys before it are written, the others not tried).
bool WriteSettings(IniFile& ini, const SettingsValues& values);

// Names of the keys written by their own commands.
inline constexpr const char* kStartSection = "Start";
inline constexpr const char* kExternalColourSection = "External Colour";

// The colours last picked from the screen ("RecentPicks" in "External Colour"), written as each
// pick is made, by the window and by tintora-colour --pick alike.
std::vector<Rgb8> RecentPicksOf(const IniValues& ini);
// Adds a pick to the file's list (in a transaction of the file, so two programs picking at
// once both count). False when the file could not be written.
bool AddRecentPick(IniFile& ini, Rgb8 picked);

}  // namespace tintora
