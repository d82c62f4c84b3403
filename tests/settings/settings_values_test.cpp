#include "core/settings/settings_values.h"

#include <gtest/gtest.h>

#include "core/io/file_io.h"
#include "core/settings/ini_file.h"
#include "support/temp_dir.h"

namespace tintora {
namespace {

using testing::TempDir;

TEST(SettingsValues, WhatTheWriterKeepsTheReaderGivesBack) {
  TempDir dir;
  IniFile ini(dir / "tintora.ini");
  SettingsValues v;
  v.left = -1200;  // a monitor left of the primary one
  v.top = 40;
  v.placed = true;
  v.decimal = v.bgr = v.autoCopy = v.advancedMode = v.onTop = v.webSafeGrid = true;
  v.basePaletteUnlocked = v.webSafePalette = v.activePixelCapture = v.hotKeyCtrl = true;
  v.hotKeySuffix = 15;
  v.showComplimentary = v.large = true;
  v.complimentaryStyle = 5;
  ASSERT_TRUE(WriteSettings(ini, v));
  EXPECT_EQ(ReadSettings(ini.Values()), v);
  // The keys of their own commands are not the writer's.
  for (const char* key : {"DefaultDir", "AutoOpen"}) EXPECT_EQ(ini.ReadString("Start", key, "none"), "none");
  EXPECT_EQ(ini.ReadString("External Colour", "AutoOpenActive", "none"), "none");
  EXPECT_EQ(ini.ReadString("Colour Wheel", "Divisions", "none"), "none");
}

TEST(SettingsValues, BadValuesReadAsTheirDefaults) {
  const struct {
    const char* name;
    std::string file;
  } cases[] = {
      {"garbage", "\x01\x02 nonsense\r\n[Main\r\n=5\r\n[RGB Values]\r\nHTML=yes\r\nBGR=\r\n"},
      {"binary", std::string("\0\xFF[Main]\0Left=9", 16)},
      {"empty", ""},
      {"not numbers", "[Main]\r\nLeft=abc\r\nTop=1e3\r\n[Colour Viewer]\r\nComplimentaryStyle=x\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    ASSERT_FALSE(WriteFileAtomically(dir / "tintora.ini", c.file).has_value());
    EXPECT_EQ(ReadSettings(IniFile(dir / "tintora.ini").Values()), SettingsValues{});
  }
}

TEST(SettingsValues, NumbersOutOfRangeAreReadAsWrittenForTheirRoomsToRefuse) {
  TempDir dir;
  ASSERT_FALSE(WriteFileAtomically(
                   dir / "tintora.ini",
                   "\xEF\xBB\xBF[Main]\rLeft=99999\r[External Colour]\rActivePixelCaptureHotkeySuffix=400\r"
                   "[Colour Wheel]\rDivisions=-4\r[Main]\rLeft=1\r")
                   .has_value());
  const SettingsValues v = ReadSettings(IniFile(dir / "tintora.ini").Values());
  EXPECT_EQ(v.left, 99999);  // the first of two sections counts
  EXPECT_EQ(v.hotKeySuffix, 400);
  EXPECT_EQ(v.divisions, -4);
}

}  // namespace
}  // namespace tintora
