#include "app/main_window.h"

#include <initializer_list>
#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QGroupBox>
#include <QMimeData>

#include "app/about_box.h"
#include "app/application.h"
#include "app/frame.h"
#include "app/heartbeat.h"
#include "app/splash_screen.h"
#include "capture/pixel_capture.h"
#include "capture/recent_picks_menu.h"
#include "capture/screen_shot_window.h"
#include "capture/snapshots.h"
#include "colourizer/colourizer_preview_window.h"
#include "colourizer/text_colourizer.h"
#include "colourlist/adjust_window.h"
#include "colourlist/change_colour_name_dialogue.h"
#include "colourlist/colour_list_pane.h"
#include "core/io/file_io.h"
#include "core/settings/ini_file.h"
#include "formats/list_files.h"
#include "formats/save_as_options.h"
#include "harmony/harmony_colours.h"
#include "harmony/wheel_options_window.h"
#include "mixer/colour_selector.h"
#include "mixer/colour_viewer.h"
#include "mixer/hs_mixer.h"
#include "mixer/rgb_mixer.h"
#include "mixer/value_output.h"
#include "settings/default_folder_window.h"
#include "settings/settings_file.h"
#include "version.h"
#include "webpage/page_coordinator.h"
#include "widgets/accessible_names.h"
#include "widgets/centre.h"
#include "widgets/guarded.h"
#include "widgets/keyboard_menus.h"
#include "widgets/popup_ext.h"
#include "widgets/progress_display.h"
#include "widgets/services.h"
#include "widgets/when_first_drawn.h"

namespace tintora {

namespace {

// A secondary window of `owner`'s, built when first wanted, its controls named for screen
// readers as the main window's are.
template <class Window>
MadeOnFirstUse<Window> Secondary(QWidget* owner) {
  return MadeOnFirstUse<Window>([owner] {
    auto window = std::make_unique<Window>(owner);
    NameControlsForScreenReaders(window.get());
    return window;
  });
}

// Panes filled after the window's own controls were named and given their hints get theirs.
void NameAndHintLatePanes(Frame& frame, std::initializer_list<QWidget*> panes) {
  for (QWidget* pane : panes) {
    NameControlsForScreenReaders(pane);
    frame.MultiLineHintInit(pane);
  }
}

}  // namespace

MainWindow::MainWindow(Services& services, QWidget* parent)
    : QWidget(parent), services_(services), settings_(DefaultSettingsFilePath(), this, onTop_, services) {
  setObjectName("Form1");
  setWindowTitle(kProductTitle);
  // Single border: system menu and minimise box, no maximise, no resizing.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setAcceptDrops(true);
  services_.SetStayOnTop(&onTop_);
  SetHandlerErrorReporter([this](const QString& message) {
    services_.ShowMessage(this, message, MessageIcon::Error, MessageButtons::Ok);
  });

  // The secondary windows. Each is owned by this window (a window manager or compositor keeps
  // it above it), and by the room that shows it, which deletes it before this window goes; each
  // is built when first wanted. The splash shows with this window, at its first activation: a
  // window owned by another is only shown once its owner is.
  auto screenShotWindow = Secondary<ScreenShotWindow>(this);
  auto about = Secondary<AboutWindow>(this);
  auto splash = Secondary<SplashWindow>(this);
  auto defaultFolder = Secondary<DefaultFolderWindow>(this);
  auto saveAsOptions = Secondary<SaveAsOptionsWindow>(this);

  const FramePanes panes = BuildFramePanes(this);
  qApp->installEventFilter(new WindowsOnScreen(this));
  progress_ = new ProgressDisplay(panes.ColourListGroupBox);
  files_ = std::make_unique<ListFiles>(panes.ExternalColourSourcePanel, this, std::move(saveAsOptions),
                                       ListFilesParts{list_, *progress_, onTop_, services_, settings_},
                                       GetMyDocDir() + "/Tintora Colours");
  frame_ = std::make_unique<tintora::Frame>(
      this, panes, FrameWindows{std::move(about), std::move(splash), std::move(defaultFolder)},
      FrameParts{list_, *files_, onTop_, settings_, services_});
  files_->SetDebugPanel(&frame_->Debug());
  values_ = std::make_unique<ValueOutput>(panes.RGBValuesGroupBox, active_, notation_, selection_, onTop_,
                                          services_);
  values_->PlaceBesideValue(frame_->IconPanel());
  selector_ = std::make_unique<ColourSelectorPane>(panes.ColourSelectGroupBox, active_, selection_, onTop_,
                                                   services_);
  capture_ = std::make_unique<PixelCapture>(panes.ExternalColourSourcePanel, selector_->ZoomHost(), this,
                                            selection_, frame_->Debug(), onTop_, services_);
  snapshots_ = std::make_unique<tintora::Snapshots>(
      panes.ExternalColourSourcePanel, this, std::move(screenShotWindow), selection_, onTop_, services_);
  new KeyboardMenus(this);
  selector_->SelectorMenu()->addSeparator();
  selector_->SelectorMenu()->addActions(capture_->ZoomActions());
  selector_->SelectorMenu()->addMenu(capture_->SampleMenu());
  selector_->SelectorMenu()->addAction(capture_->DisplayProfileAction());
  values_->Menu()->addAction(capture_->ScreenValueAction());
  snapshots_->SetColourManagement(&capture_->Management());
  recentPicks_ = new RecentPicksMenu(selector_->ZoomHost(), selection_, settings_);
  selector_->SelectorMenu()->addMenu(recentPicks_->Menu());
  Wire();
  NameControlsForScreenReaders(this);

  heartbeat_ = new Heartbeat(
      this, [this] { OnHeartbeat(); }, [this] { return HeartbeatNeeded(); });
}

MainWindow::~MainWindow() {
  // The rooms go first, while everything they talk through still stands.
  pageColours_.reset();
  colourizer_.reset();
  snapshots_.reset();
  capture_.reset();
  listPane_.reset();
  harmony_.reset();
  viewer_.reset();
  selector_.reset();
  hsMixer_.reset();
  rgbMixer_.reset();
  values_.reset();
  frame_.reset();
  files_.reset();
  SetHandlerErrorReporter(nullptr);
}

void MainWindow::Wire() {
  ValueOutput* values = values_.get();
  tintora::Frame* frame = frame_.get();
  Link(&selection_, &ColourSelection::CopyRequested, values, [values] { values->CopyValueToClip(); });
  Link(capture_.get(), &PixelCapture::TickWanted, this, [this] { heartbeat_->Wake(); });
  Link(&onTop_, &StayOnTop::Toggled, this, [this](bool) { heartbeat_->Wake(); });
  Link(frame, &Frame::AdvancedShowing, this, [this] { BuildToolPages(); });
  Link(frame, &Frame::SaveSettingsRequested, this, [this] { SaveSettings(); });
  Link(files_.get(), &ListFiles::ChangeDefaultDirectoryRequested, frame,
       [this, frame] { frame->ShowDefaultDirectory(files_->OpenDialogFolder()); });
  // A list read in is shown in the colour list, whose pane is built for it if need be.
  Link(files_.get(), &ListFiles::ListLoaded, this, [this] { ListPane().ShowLoadedList(); });
  // Every colour taken from the screen joins the recent picks.
  const auto picked = [this](Rgb8 colour) { recentPicks_->Add(colour); };
  Link(capture_.get(), &PixelCapture::Picked, this, picked);
  Link(snapshots_.get(), &tintora::Snapshots::Picked, this, picked);
  Link(capture_.get(), &PixelCapture::SampleSizeChanged, snapshots_.get(),
       [this](int size) { snapshots_->SetSampleSize(size); });
  Link(capture_.get(), &PixelCapture::SnapshotRequested, snapshots_.get(),
       [this] { snapshots_->CaptureDesktop(); });
}

void MainWindow::BuildAdvancedRooms() {
  if (listPane_) return;
  const FramePanes& panes = frame_->Panes();
  rgbMixer_ = std::make_unique<tintora::RgbMixer>(panes.RGBTabSheet, panes.CmyTabSheet, active_, onTop_);
  hsMixer_ = std::make_unique<tintora::HsMixer>(panes.HsTabSheet, active_);
  viewer_ = std::make_unique<ColourViewer>(panes.ColourViewerGroupBox, active_, selection_);
  harmony_ = std::make_unique<HarmonyColours>(panes.ColourViewerGroupBox, viewer_->SwatchHost(), this,
                                              Secondary<WheelOptionsWindow>(this),
                                              HarmonyParts{active_, selection_, onTop_, settings_});
  viewer_->PlaceUnder(harmony_->CaptionLabel(), harmony_->WebSafeMark());
  listPane_ = std::make_unique<ColourListPane>(
      panes.ColourListGroupBox, this, Secondary<ChangeColourNameDialogue>(this),
      Secondary<AdjustWindow>(this),
      ColourListPaneParts{list_, active_, selection_, notation_, *progress_, frame_->Debug(), onTop_,
                          services_, *files_});
  WireAdvancedRooms();
  hsMixer_->DrawStrips();
  NameAndHintLatePanes(*frame_, {panes.RGBTabSheet, panes.CmyTabSheet, panes.HsTabSheet,
                                 panes.ColourViewerGroupBox, panes.ColourListGroupBox});
  if (settingsRead_) ApplyAdvancedRoomSettings();
}

void MainWindow::WireAdvancedRooms() {
  tintora::HsMixer* hs = hsMixer_.get();
  HarmonyColours* harmony = harmony_.get();
  ColourViewer* viewer = viewer_.get();
  ColourListPane* list = listPane_.get();
  tintora::Frame* frame = frame_.get();
  Link(hs, &HsMixer::WorkingValuesChanged, harmony,
       [harmony](const HsWorkingValues& v) { harmony->SetWorkingValues(v); });
  Link(harmony, &HarmonyColours::MarkersChanged, hs,
       [hs](const std::vector<int>& offsets) { hs->SetHarmonyMarkers(offsets); });
  Link(harmony, &HarmonyColours::ComplementsShown, list,
       [list](bool on) { list->SetComplementsOffered(on); });
  Link(harmony, &HarmonyColours::ViewerRescaleRequested, viewer,
       [viewer] { viewer->ColourSelectorPanelReScale(); });
  Link(harmony, &HarmonyColours::SampleResetRequested, viewer,
       [viewer] { viewer->ColourViewPanelDblClick(); });
  Link(harmony, &HarmonyColours::WheelShown, viewer, [viewer](bool shown) { viewer->SetWheelRoom(shown); });
  Link(viewer, &ColourViewer::LayoutChanged, harmony,
       [harmony](bool large) { harmony->SetLargeViewer(large); });
  Link(list, &ColourListPane::ComplementsWanted, harmony, [harmony] { harmony->IndexComplements(); });
  Link(list, &ColourListPane::SaveRequested, files_.get(), [this] { files_->SaveSpeedButtonClick(); });
  Link(list, &ColourListPane::SaveOptionsRequested, files_.get(),
       [this] { files_->SaveSpeedButtonMouseUp(Qt::RightButton); });
  Link(list, &ColourListPane::DebugButtonToggleRequested, frame, [frame] { frame->ToggleDebugButton(); });
  Link(list, &ColourListPane::CalculateControlsToggleRequested, hs, [hs] { hs->ToggleCalculateControls(); });
  Link(list, &ColourListPane::InViewRequested, frame, [frame] { frame->ShowAdvancedPanes(); });
  Link(hs, &HsMixer::TickWanted, this, [this] { heartbeat_->Wake(); });
  QWidget* sources = frame->Panes().ExternalColourSourcePanel;
  Link(list, &ColourListPane::NameDialogueActive, this,
       [sources](bool active) { sources->setEnabled(!active); });
  Link(snapshots_.get(), &Snapshots::SnapshotStarting, hs, [hs] { hs->HideForSnapshot(); });
  Link(snapshots_.get(), &Snapshots::SnapshotFinished, hs, [hs] { hs->ShowAfterSnapshot(); });
  Link(snapshots_.get(), &Snapshots::CustomColoursAccepted, list,
       [list](const CustomColourSlots& customSlots) { list->AppendCustomColours(customSlots); });
}

void MainWindow::BuildToolPages() {
  if (colourizer_) return;
  BuildAdvancedRooms();  // the Links page shows its colour vision in the viewer
  const FramePanes& panes = frame_->Panes();
  colourizer_ = std::make_unique<TextColourizer>(
      panes.TextColourizerTabSheet, panes.DonatePanel, this, Secondary<ColourizerPreviewWindow>(this),
      ColourizerParts{active_, frame_->Debug(), onTop_, services_});
  pageColours_ = std::make_unique<PageCoordinator>(panes.LinksTabSheet, active_, selection_, notation_,
                                                   onTop_, services_);
  TextColourizer* colourizer = colourizer_.get();
  tintora::Frame* frame = frame_.get();
  ColourViewer* viewer = viewer_.get();
  Link(frame, &Frame::AdvancedChanged, colourizer, [colourizer](bool on) { colourizer->SetAdvanced(on); });
  Link(colourizer, &TextColourizer::ChartShownChanged, frame, [frame] { frame->FitToVisiblePanes(); });
  Link(pageColours_.get(), &PageCoordinator::VisionChanged, viewer,
       [viewer](ColourVision vision) { viewer->SetVision(vision); });
  NameAndHintLatePanes(*frame, {panes.TextColourizerTabSheet, panes.LinksTabSheet, panes.DonatePanel});
}

// ---------------------------------------------------------------- start-up

void MainWindow::StartUp(const QStringList& arguments) {
  commandLineArguments_ = arguments;
  ProgramStarting = true;
  FormInitialize();
  if (frame_->OnTopAtStart()) frame_->OnTopToggler();
}

void MainWindow::FormInitialize() {
  capture_->DeskTopPixelCaptInit();
  frame_->FormInitialize();
  for (ColourComponent n : kRgbComponents) selector_->PalettePanelUpdate(n);
  values_->CombinedColourValueUpdate();
  frame_->MultiLineHintInit();
  LoadSettings();
}

void MainWindow::FormActivate() {
  if (!ProgramStarting) return;
  ProgramStarting = false;
  frame_->FormActivate();
}

bool MainWindow::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) Guarded([this] { FormActivate(); });
  return QWidget::event(e);
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!ProgramStarting || startFilesOpened_) return;
  startFilesOpened_ = true;
  frame_->CentreUnlessPlaced();
  // What does not show in the first picture waits for it: the icon, the advanced panes' rooms
  // and the tool pages. Then the lists named on the command line open, whether or not the
  // window is ever given the focus (a window manager may refuse it, or there may be none).
  WhenFirstDrawn(this, [this, files = std::exchange(commandLineArguments_, {})] {
    SetProgramIcon();
    BuildToolPages();
    // Lists named on the command line, or else the one auto-load remembers (not both: the
    // remembered one would be added to what the user asked for).
    if (!files.isEmpty()) {
      files_->OpenCommandLineFiles(files);
    } else {
      files_->AutoOpenFileOnStartup();
    }
  });
}

// ---------------------------------------------------------------- the heartbeat

void MainWindow::OnHeartbeat() {
  const bool advancedRooms = listPane_ != nullptr;  // built just after the first picture
  // The floating mixer can only be docked back, never closed.
  if (advancedRooms) hsMixer_->KeepFloatingUncloseable();
  // On top while the mode is on and not suspended; off top once it is off.
  frame_->KeepOnTop();
  // The keyboard focus stays inside an open dialog: the colour name dialog first, else the
  // about box; the wheel's options keep it too.
  ChangeColourNameDialogue* naming = advancedRooms ? listPane_->OpenNameDialogue() : nullptr;
  if (!(naming && naming->KeepFocus(onTop_.OnTopState())))
    if (AboutWindow* about = frame_->OpenAboutBox()) about->KeepFocus();
  if (advancedRooms) harmony_->KeepOptionsFocus(this);
  // The capture hot key held, and the pixel under the mouse read.
  capture_->HoldHotKey();
  capture_->CaptureTick();
  // Strips marked by slider drags are redrawn at most once a tick.
  if (advancedRooms) hsMixer_->RedrawMarkedStrips();
  heartbeat_->RestUnlessNeeded();
}

bool MainWindow::HeartbeatNeeded() const {
  return capture_->NeedsTick() || frame_->NeedsTick() ||
         (listPane_ && (hsMixer_->NeedsTick() || listPane_->OpenNameDialogue() || harmony_->OptionsOpen()));
}

// ---------------------------------------------------------------- closing, drops

void MainWindow::closeEvent(QCloseEvent* event) {
  bool mayClose = false;
  Guarded([&] { mayClose = frame_->FormCloseQuery(); });
  if (!mayClose) {
    event->ignore();
    return;
  }
  Guarded([&] { files_->AutoOpenNameSave(); });
  bool closes = true;
  Guarded([&] { closes = frame_->FormClose(); });
  if (!closes) {
    onTop_.RestoreOnTop();
    event->ignore();
    return;
  }
  event->accept();
  emit Closed();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  QStringList files;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) files << url.toLocalFile();
  event->acceptProposedAction();
  Guarded([&] { files_->WMDropFiles(files); });
}

// ---------------------------------------------------------------- the secondary windows

ScreenShotWindow* MainWindow::ScreenShot() const { return snapshots_->ScreenShot(); }
ChangeColourNameDialogue* MainWindow::NameDialogue() { return ListPane().NameDialogue(); }
AboutWindow* MainWindow::AboutBox() const { return frame_->AboutBox(); }
SplashWindow* MainWindow::SplashScreen() const { return frame_->SplashScreen(); }
AdjustWindow* MainWindow::Adjust() { return ListPane().Adjust(); }
DefaultFolderWindow* MainWindow::DefaultFolder() const { return frame_->DefaultFolder(); }
WheelOptionsWindow* MainWindow::WheelCustomizer() { return Harmony().Options(); }
SaveAsOptionsWindow* MainWindow::SaveAsOptions() const { return files_->SaveAsOptions(); }
ColourizerPreviewWindow* MainWindow::ColourizerPreview() { return Colourizer().Preview(); }

}  // namespace tintora
