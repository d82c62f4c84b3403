// The frame of the main window: its panes and pages, the basic/advanced switch, stay-on-top
// with its glyph, the about box and splash window, hints and help, the developers' data box,
// and the questions at closing.
#pragma once

#include <memory>

#include <QObject>

#include "app/frame_panes.h"
#include "widgets/made_on_first_use.h"

class QPushButton;
class QWidget;

namespace tintora {

class ColourListModel;
class DebugPanel;
class ImageBox;
class ListSaver;
class Services;
class SettingsStore;
class StayOnTop;
class AboutWindow;
class DefaultFolderWindow;
class SplashWindow;

// The secondary windows the frame owns, and the shared objects it talks through.
struct FrameWindows {
  MadeOnFirstUse<AboutWindow> about;
  MadeOnFirstUse<SplashWindow> splash;
  MadeOnFirstUse<DefaultFolderWindow> defaultDirectory;
};
struct FrameParts {
  ColourListModel& list;
  ListSaver& saver;
  StayOnTop& onTop;
  SettingsStore& settings;
  Services& services;
};

class Frame : public QObject {
  Q_OBJECT
 public:
  // The address of the maker's web page, shown on the about box.
  static constexpr const char* kWebPageAddress = "https://tintora.org";

  Frame(QWidget* window, const FramePanes& panes, FrameWindows windows, const FrameParts& parts);
  ~Frame() override;

  const FramePanes& Panes() const { return panes_; }
  DebugPanel& Debug() const { return *DebugPanel_; }
  // The four frame icons in a row, for the value pane to place beside its field.
  QWidget* IconPanel() const { return iconPanel_; }

  // The frame's part of the start-up: the window fitted to its panes and centred on the
  // screen, and its glyph.
  void FormInitialize();
  // Whether the settings ask for stay-on-top at start.
  bool OnTopAtStart() const { return OnTopAtStart_; }
  void SetOnTopAtStart(bool on) { OnTopAtStart_ = on; }
  // The window where the settings put it, if that is on a screen there is.
  void PlaceWindow(int left, int top);
  // As the window first shows: in the middle of the pointer's screen, unless the settings put it.
  void CentreUnlessPlaced();
  bool AdvancedShown() const;
  // "Change Default Directory", starting at the dialogs' current folder.
  void ShowDefaultDirectory(const QString& folder);
  // The first activation shows the splash again.
  void FormActivate();
  bool FormCloseQuery();
  // False when the list the user wanted saved could not be saved: the window stays open.
  bool FormClose();

  void OnTopToggler();
  void BasicAdvancedShowHide();
  // The advanced panes, should they be hidden (the list must be in view).
  void ShowAdvancedPanes();
  void ToggleDebugButton();
  // The hints of the window's controls, or of those `within` one of its panes built later.
  void MultiLineHintInit(QWidget* within = nullptr);
  // Opens the manual; where it cannot be opened, a box owned by `owner` says where it is.
  void RunHelp(QWidget* owner = nullptr);
  // Heartbeat steps: the window back on top unless paused or one of our own windows is in
  // front by right; and off top once the mode is off.
  void KeepOnTop();
  // Whether the next tick has work here: stay-on-top is on or still to be taken off, or the
  // about box keeps the focus.
  bool NeedsTick() const;

  AboutWindow* AboutBox();
  // The about box if it is open, else null (asking does not build it).
  AboutWindow* OpenAboutBox() const;
  SplashWindow* SplashScreen();
  DefaultFolderWindow* DefaultFolder();

 signals:
  // The spanner icon, once the user said yes: the settings are to be written.
  void SaveSettingsRequested();
  // The window switched between its reduced and full form; is about to show the full one.
  void AdvancedChanged(bool advanced);
  void AdvancedShowing();

 public:
  // The window's size follows the panes that show (the chart strip comes and goes too).
  void FitToVisiblePanes();
  // The keyboard's way through the panes, as a reader's eye goes.
  void ChainReadingOrder();

 private:
  void BuildIcons();
  void HelpImageClick();
  void ToolImageClick();
  void SetDefaultDir(const QString& folder);

  QWidget* window_;
  MadeOnFirstUse<AboutWindow> about_;
  MadeOnFirstUse<SplashWindow> splash_;
  MadeOnFirstUse<DefaultFolderWindow> defaultFolder_;
  ColourListModel& list_;
  ListSaver& saver_;
  StayOnTop& onTop_;
  SettingsStore& settings_;
  Services& services_;
  FramePanes panes_;
  bool OnTopAtStart_ = false;
  bool placed_ = false;

  QWidget* iconPanel_ = nullptr;
  ImageBox* ExpandImage = nullptr;
  ImageBox* ToolImage = nullptr;
  ImageBox* HelpImage = nullptr;
  ImageBox* OnTopImage = nullptr;
  QPushButton* DebugButton = nullptr;
  DebugPanel* DebugPanel_ = nullptr;
};

}  // namespace tintora
