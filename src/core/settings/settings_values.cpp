#include "core/settings/settings_values.h"

#include "core/capture/capture_maths.h"
#include "core/capture/recent_picks.h"
#include "core/colour/conversion_error.h"
#include "core/settings/ini_file.h"

namespace tintora {

namespace {

// Each boolean key once, with its section, so the reader and the writer cannot disagree.
struct BoolKey {
  const char* section;
  const char* key;
  bool SettingsValues::*field;
  bool written;  // by "Save Settings As Default"
};

constexpr BoolKey kBools[] = {
    {"RGB Values", "Hex/Decimal", &SettingsValues::decimal, true},
    {"RGB Values", "HTML", &SettingsValues::html, true},
    {"RGB Values", "IEColourNames", &SettingsValues::ieColourNames, true},
    {"RGB Values", "BGR", &SettingsValues::bgr, true},
    {"RGB Values", "AutoCopy", &SettingsValues::autoCopy, true},
    {"RGB Values", "AdvancedMode", &SettingsValues::advancedMode, true},
    {"RGB Values", "OnTop", &SettingsValues::onTop, true},
    {"RGB Mixer", "WebSafeGrid", &SettingsValues::webSafeGrid, true},
    {"Colour Selector", "GetAllAsWebsafe", &SettingsValues::getAllAsWebsafe, true},
    {"Colour Selector", "BasePaletteLock", &SettingsValues::basePaletteUnlocked, true},
    {"Colour Selector", "WebSafePalette", &SettingsValues::webSafePalette, true},
    {"External Colour", "ActivePixelCapture", &SettingsValues::activePixelCapture, true},
    {"External Colour", "ZoomViewON", &SettingsValues::zoomView, true},
    {"External Colour", "HotKeySHIFT", &SettingsValues::hotKeyShift, true},
    {"External Colour", "HotKeyCTRL", &SettingsValues::hotKeyCtrl, true},
    {"External Colour", "HotKeyALT", &SettingsValues::hotKeyAlt, true},
    {"External Colour", "IgnoreDisplayProfile", &SettingsValues::ignoreDisplayProfile, true},
    {"External Colour", "AutoOpenActive", &SettingsValues::autoOpenActive, false},
    {"Colour Viewer", "ShowComplimentary", &SettingsValues::showComplimentary, true},
    {"Colour Viewer", "ComplimentaryWebSafe", &SettingsValues::complimentaryWebSafe, true},
    {"Colour Viewer", "Large", &SettingsValues::large, true},
    {"Colour Wheel", "WheelOutline", &SettingsValues::wheelOutline, false},
    {"Colour Wheel", "ColourBorders", &SettingsValues::colourBorders, false},
};

}  // namespace

SettingsValues ReadSettings(const IniValues& ini) {
  SettingsValues v;
  v.left = ini.ReadInteger("Main", "Left", 0);
  v.top = ini.ReadInteger("Main", "Top", 0);
  v.placed =
      TryStrToInt(ini.ReadString("Main", "Left", "")) && TryStrToInt(ini.ReadString("Main", "Top", ""));
  v.defaultDir = ini.ReadString(kStartSection, "DefaultDir", "");
  v.autoOpen = ini.ReadString(kStartSection, "AutoOpen", "");
  for (const BoolKey& k : kBools) v.*k.field = ini.ReadBool(k.section, k.key, false);
  v.hotKeySuffix = ini.ReadInteger(kExternalColourSection, "ActivePixelCaptureHotkeySuffix", 0);
  v.sampleSize = SampleSizeOrOne(ini.ReadInteger(kExternalColourSection, "SampleSize", 1));
  v.complimentaryStyle = ini.ReadInteger("Colour Viewer", "ComplimentaryStyle", 0);
  v.divisions = ini.ReadInteger("Colour Wheel", "Divisions", 0);
  return v;
}

bool WriteSettings(IniFile& ini, const SettingsValues& v) {
  auto bools = [&](const char* section) {
    for (const BoolKey& k : kBools)
      if (k.written && std::string_view(k.section) == section && !ini.WriteBool(k.section, k.key, v.*k.field))
        return false;
    return true;
  };
  return ini.WriteInteger("Main", "Left", v.left) && ini.WriteInteger("Main", "Top", v.top) &&
         bools("RGB Values") && bools("RGB Mixer") && bools("Colour Selector") && bools("External Colour") &&
         ini.WriteInteger(kExternalColourSection, "ActivePixelCaptureHotkeySuffix", v.hotKeySuffix) &&
         ini.WriteInteger(kExternalColourSection, "SampleSize", v.sampleSize) &&
         ini.WriteBool("Colour Viewer", "ShowComplimentary", v.showComplimentary) &&
         ini.WriteBool("Colour Viewer", "ComplimentaryWebSafe", v.complimentaryWebSafe) &&
         ini.WriteInteger("Colour Viewer", "ComplimentaryStyle", v.complimentaryStyle) &&
         ini.WriteBool("Colour Viewer", "Large", v.large);
}

namespace {
constexpr const char* kRecentPicksKey = "RecentPicks";
}

std::vector<Rgb8> RecentPicksOf(const IniValues& ini) {
  return ReadRecentPicks(ini.ReadString(kExternalColourSection, kRecentPicksKey, ""));
}

bool AddRecentPick(IniFile& ini, Rgb8 picked) {
  return ini.Transaction([picked](IniFile& file) {
    const std::vector<Rgb8> recent = WithPick(RecentPicksOf(file.Values()), picked);
    return file.WriteString(kExternalColourSection, kRecentPicksKey, RecentPicksText(recent));
  });
}

}  // namespace tintora
