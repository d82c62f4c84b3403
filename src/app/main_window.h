// MainWindow, the main window. It builds the rooms (one controller per pane or window), hands
// each the shared objects it talks through (the active colour, the colour selection, the
// notation, the colour list, stay-on-top and the services), wires their signals together, and
// runs the start-up and the 50 ms heartbeat. The behaviour lives in the rooms.
#pragma once

#include <memory>

#include <QStringList>
#include <QWidget>

#include "widgets/active_colour_holder.h"
#include "widgets/colour_list_model.h"
#include "widgets/colour_selection.h"
#include "widgets/notation.h"
#include "widgets/settings_store.h"
#include "widgets/stay_on_top.h"

namespace tintora {

class ColourListPane;
class ColourSelectorPane;
class ColourViewer;
class Frame;
class HarmonyColours;
class Heartbeat;
class HsMixer;
class ListFiles;
class PixelCapture;
class ProgressDisplay;
class RecentPicksMenu;
class RgbMixer;
class Services;
class Snapshots;
class AboutWindow;
class ChangeColourNameDialogue;
class WheelOptionsWindow;
class ScreenShotWindow;
class AdjustWindow;
class ColourizerPreviewWindow;
class TextColourizer;
class PageCoordinator;
class DefaultFolderWindow;
class SaveAsOptionsWindow;
class SplashWindow;
class ValueOutput;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(Services& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Once the windows exist: the palettes, strips, value and hints made, the settings read,
  // stay-on-top taken up if they ask; the lists named in `arguments` open at the first show.
  void StartUp(const QStringList& arguments);
  void FormInitialize();
  void FormActivate();  // the first activation shows the splash again
  void OnHeartbeat();   // every 50 ms while one of its steps has work (see Heartbeat)
  bool HeartbeatNeeded() const;

  // The settings file (tests point it elsewhere), its reader (the last step of FormInitialize)
  // and its writer (the spanner icon).
  void SetSettingsFile(const QString& path) { settings_.SetPath(path); }
  void LoadSettings();
  void SaveSettings();

  const ColourList& List() const { return list_.List(); }
  const ColourListModel& ListModel() const { return list_; }
  ActiveColourHolder& Active() { return active_; }
  ColourSelection& Selection() { return selection_; }
  StayOnTop& OnTop() { return onTop_; }

  // The rooms (those of the advanced panes built when first wanted: BuildAdvancedRooms).
  tintora::Frame& Frame() const { return *frame_; }
  ValueOutput& Values() const { return *values_; }
  tintora::RgbMixer& RgbMixer() { return BuildAdvancedRooms(), *rgbMixer_; }
  tintora::HsMixer& HsMixer() { return BuildAdvancedRooms(), *hsMixer_; }
  ColourSelectorPane& Selector() const { return *selector_; }
  ColourViewer& Viewer() { return BuildAdvancedRooms(), *viewer_; }
  HarmonyColours& Harmony() { return BuildAdvancedRooms(), *harmony_; }
  ColourListPane& ListPane() { return BuildAdvancedRooms(), *listPane_; }
  ListFiles& Files() const { return *files_; }
  PixelCapture& Capture() const { return *capture_; }
  tintora::Snapshots& Snapshots() const { return *snapshots_; }
  TextColourizer& Colourizer() { return BuildToolPages(), *colourizer_; }
  PageCoordinator& PageColours() { return BuildToolPages(), *pageColours_; }

  // The secondary windows, each built the first time it is asked for.
  ScreenShotWindow* ScreenShot() const;
  ChangeColourNameDialogue* NameDialogue();
  AboutWindow* AboutBox() const;
  SplashWindow* SplashScreen() const;
  AdjustWindow* Adjust();
  ColourizerPreviewWindow* ColourizerPreview();
  DefaultFolderWindow* DefaultFolder() const;
  WheelOptionsWindow* WheelCustomizer();
  SaveAsOptionsWindow* SaveAsOptions() const;

 signals:
  void Closed();  // the main window has closed; the program ends

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Wire();
  // What shows only when advanced, built once, just after the first picture or as the window
  // grows: the rooms of the mixers, viewer and colour list (with settings), then the tool pages.
  void BuildToolPages();
  void BuildAdvancedRooms();
  void WireAdvancedRooms();
  void ApplyAdvancedRoomSettings();  // as the settings file has them

  Services& services_;
  QStringList commandLineArguments_;
  bool ProgramStarting = false, startFilesOpened_ = false, settingsRead_ = false;

  // Declared before the rooms, so the rooms are gone before what they talk through.
  ActiveColourHolder active_;
  ColourSelection selection_{active_};
  Notation notation_;
  ColourListModel list_;
  StayOnTop onTop_{this};
  SettingsStore settings_;

  std::unique_ptr<TextColourizer> colourizer_;
  std::unique_ptr<PageCoordinator> pageColours_;
  std::unique_ptr<ListFiles> files_;
  std::unique_ptr<tintora::Frame> frame_;
  std::unique_ptr<ValueOutput> values_;
  std::unique_ptr<tintora::RgbMixer> rgbMixer_;
  std::unique_ptr<tintora::HsMixer> hsMixer_;
  std::unique_ptr<ColourSelectorPane> selector_;
  std::unique_ptr<ColourViewer> viewer_;
  std::unique_ptr<HarmonyColours> harmony_;
  std::unique_ptr<ColourListPane> listPane_;
  std::unique_ptr<PixelCapture> capture_;
  RecentPicksMenu* recentPicks_ = nullptr;  // owned by the selector's pane
  std::unique_ptr<tintora::Snapshots> snapshots_;
  Heartbeat* heartbeat_ = nullptr;
  ProgressDisplay* progress_ = nullptr;  // the list's, shared with its files
};

}  // namespace tintora
