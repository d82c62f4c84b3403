// The settings reader and writer: every key of the settings file applied to its room at start,
// in the file's order, and collected from the rooms when the user asks to keep them.
#include "app/frame.h"
#include "app/main_window.h"
#include "capture/pixel_capture.h"
#include "capture/recent_picks_menu.h"
#include "core/settings/settings_values.h"
#include "formats/list_files.h"
#include "harmony/harmony_colours.h"
#include "mixer/colour_selector.h"
#include "mixer/colour_viewer.h"
#include "mixer/rgb_mixer.h"
#include "mixer/value_output.h"

namespace tintora {

void MainWindow::LoadSettings() {
  const SettingsValues v = ReadSettings(settings_.File().Values());
  const bool advancedRoomsBuilt = listPane_ != nullptr;
  settingsRead_ = true;
  if (v.placed) frame_->PlaceWindow(v.left, v.top);
  files_->ApplySettings(v);
  values_->ApplySettings(v);
  if (v.advancedMode) frame_->ShowAdvancedPanes();  // builds the advanced rooms, with theirs
  if (v.onTop) frame_->SetOnTopAtStart(true);
  capture_->ApplySettings(v);
  recentPicks_->Load();
  selector_->ApplySettings(v);
  // The advanced rooms take theirs as they are built (BuildAdvancedRooms), or now if they are.
  if (advancedRoomsBuilt) ApplyAdvancedRoomSettings();
}

void MainWindow::ApplyAdvancedRoomSettings() {
  const SettingsValues v = ReadSettings(settings_.File().Values());
  rgbMixer_->ApplySettings(v);
  harmony_->ApplySchemeSettings(v);
  harmony_->ApplyShowSettings(v);
  viewer_->ApplySettings(v);
}

void MainWindow::SaveSettings() {
  BuildAdvancedRooms();
  SettingsValues v;
  v.left = pos().x();
  v.top = pos().y();
  values_->CollectSettings(v);
  v.advancedMode = frame_->AdvancedShown();
  v.onTop = onTop_.OnTopState();
  rgbMixer_->CollectSettings(v);
  selector_->CollectSettings(v);
  capture_->CollectSettings(v);
  harmony_->CollectSettings(v);
  viewer_->CollectSettings(v);
  settings_.Write([&](IniFile& ini) { return WriteSettings(ini, v); });
}

}  // namespace tintora
