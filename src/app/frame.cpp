#include "app/frame.h"

#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

#include "app/about_box.h"
#include "app/splash_screen.h"
#include "capture/platform/screen_access.h"
#include "settings/default_folder_window.h"
#include "version.h"
#include "widgets/centre.h"
#include "widgets/colour_list_model.h"
#include "widgets/debug_panel.h"
#include "widgets/guarded.h"
#include "widgets/image_box.h"
#include "widgets/layouts.h"
#include "widgets/list_saver.h"
#include "widgets/make.h"
#include "widgets/popup_ext.h"
#include "widgets/services.h"
#include "widgets/settings_store.h"
#include "widgets/stay_on_top.h"
#include "widgets/window_scroller.h"

namespace tintora {

Frame::Frame(QWidget* window, const FramePanes& panes, FrameWindows windows, const FrameParts& parts)
    : window_(window),
      about_(std::move(windows.about)),
      splash_(std::move(windows.splash)),
      defaultFolder_(std::move(windows.defaultDirectory)),
      list_(parts.list),
      saver_(parts.saver),
      onTop_(parts.onTop),
      settings_(parts.settings),
      services_(parts.services),
      panes_(panes) {
  BuildIcons();
  Link(ExpandImage, &ImageBox::Clicked, this, [this] { BasicAdvancedShowHide(); });
  Link(OnTopImage, &ImageBox::Clicked, this, [this] { OnTopToggler(); });
  Link(HelpImage, &ImageBox::Clicked, this, [this] { HelpImageClick(); });
  Link(ToolImage, &ImageBox::Clicked, this, [this] { ToolImageClick(); });
  defaultFolder_.OnMade([this](DefaultFolderWindow& folders) {
    Link(&folders, &DefaultFolderWindow::DefaultDirChosen, this,
         [this](const QString& folder) { SetDefaultDir(folder); });
    // While it is open the main window waits for it (it is window-modal).
    Link(&folders, &DefaultFolderWindow::Shown, this, [this] { onTop_.SuspendOnTop(); });
    Link(&folders, &DefaultFolderWindow::Closed, this, [this] { onTop_.RestoreOnTop(); });
  });
  // The data box and the debug panel share one place; they show and hide together.
  Link(DebugButton, &QPushButton::clicked, this,
       [this](bool) { DebugPanel_->setVisible(DebugPanel_->isHidden()); });
  // The page now shown is laid out: the keyboard goes through it in reading order.
  Link(panes_.MixerPages, &QTabWidget::currentChanged, this, [this](int) { ChainReadingOrder(); });
  // F1 opens the manual from anywhere in the window.
  Link(AddWindowShortcut(window_, "HelpContents1", "&Help", QKeySequence::HelpContents), &QAction::triggered,
       this, [this](bool) { RunHelp(window_); });
  about_.OnMade([this](AboutWindow& about) {
    onTop_.Follow(&about, true);
    Link(&about, &AboutWindow::HelpRequested, this, [this, &about] { RunHelp(&about); });
    Link(&about, &AboutWindow::WebPageRequested, this,
         [this](const QString& address) { services_.OpenWithShell(address); });
    about.SetWebPageAddress(kWebPageAddress);
    about.SetSettingsFile(settings_.Path());
    about.SetScreenBackend(services_.Screen().BackendName());
  });
}

Frame::~Frame() = default;

AboutWindow* Frame::AboutBox() { return about_.get(); }
SplashWindow* Frame::SplashScreen() { return splash_.get(); }
DefaultFolderWindow* Frame::DefaultFolder() { return defaultFolder_.get(); }
AboutWindow* Frame::OpenAboutBox() const { return about_.Visible() ? about_.IfMade() : nullptr; }

void Frame::BuildIcons() {
  // Frame icons, always visible at the right of the value pane.
  iconPanel_ = Make<QWidget>(panes_.RGBValuesGroupBox, "FrameIconPanel");
  QHBoxLayout* row = RowOn(iconPanel_, true);
  auto icon = [this](const char* name, const char* picture, const char* hint) {
    auto* image = Make<ImageBox>(iconPanel_, name, hint);
    image->SetGlyph(picture);
    image->setCursor(Qt::PointingHandCursor);
    image->setFocusPolicy(Qt::TabFocus);
    return image;
  };
  ExpandImage = icon("ExpandImage", ":/glyphs/expand.svg", "Basic/Advanced Mode");
  ToolImage = icon("ToolImage", ":/glyphs/tool.svg", "Save Settings As Default.");
  HelpImage = icon("HelpImage", ":/glyphs/help.svg", "About");
  OnTopImage = icon("OnTopImage", ":/glyphs/untacked.svg", "Enable/disable Stay On-Top mode.");
  for (ImageBox* image : {ExpandImage, ToolImage, HelpImage, OnTopImage}) row->addWidget(image);

  // Work controls for developers, hidden until the colour list's Ctrl+D shows the button; the
  // data box is a small window of its own beside the main one.
  DebugButton = Make<QPushButton>(window_, "DebugButton", {}, "Debug On/Off");
  static_cast<QGridLayout*>(panes_.Scroller->Contents()->layout())
      ->addWidget(DebugButton, 2, 0, 1, 2, Qt::AlignRight);
  DebugButton->hide();
  DebugPanel_ = new DebugPanel(window_);
}

// ---------------------------------------------------------------- start-up and closing

void Frame::FormInitialize() {
  FitToVisiblePanes();
  OnTopImage->SetGlyph(":/glyphs/untacked.svg");
}

void Frame::FormActivate() {
  splash_->show();
  splash_->raise();
  // The splash is looked at, not typed into: the keyboard stays with the main window.
  window_->activateWindow();
}

bool Frame::FormCloseQuery() {
  onTop_.SuspendOnTop();
  const MessageAnswer answer = services_.ShowMessage(window_, "Are you sure you want to exit?",
                                                     MessageIcon::Warning, MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) {
    onTop_.RestoreOnTop();
    return false;
  }
  return true;  // stay-on-top stays suspended while the program ends
}

bool Frame::FormClose() {
  if (list_.ListChanged()) {
    services_.Beep(BeepKind::Exclamation);
    const MessageAnswer answer =
        services_.ShowMessage(window_, "Colour List Has Changed!  Do you want to save it?",
                              MessageIcon::Warning, MessageButtons::SaveDiscardCancel);
    // Cancel keeps the program open with nothing lost; so does a save that did not happen.
    if (answer == MessageAnswer::Cancel) return false;
    if (answer == MessageAnswer::Yes)
      return saver_.SaveAsExecute(QString(kProductTitle) + ": List Has Changed!") == SaveOutcome::Saved;
  }
  list_.NewList();
  return true;
}

// ---------------------------------------------------------------- stay on top

void Frame::OnTopToggler() {
  onTop_.OnTopToggler();
  OnTopImage->SetGlyph(onTop_.OnTopState() ? ":/glyphs/tacked.svg" : ":/glyphs/untacked.svg");
}

void Frame::KeepOnTop() {
  QWidget* active = QApplication::activeWindow();
  if (onTop_.OnTopState() && !onTop_.OnTopSuspended() && !onTop_.InFrontByRight(active)) {
    // An option window may have taken the style away while it was open; topmost again.
    ApplyStayOnTop(window_, true);
    services_.KeepOnTop(window_);
  }
  if (window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint) && !onTop_.OnTopState())
    ApplyStayOnTop(window_, false);
}

bool Frame::NeedsTick() const {
  return onTop_.OnTopState() || window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint) || about_.Visible();
}

// ---------------------------------------------------------------- basic and advanced

void Frame::BasicAdvancedShowHide() {
  const bool show = panes_.MixerPages->isHidden();
  if (show) emit AdvancedShowing();
  for (QWidget* pane :
       {static_cast<QWidget*>(panes_.MixerPages), static_cast<QWidget*>(panes_.ColourViewerGroupBox),
        static_cast<QWidget*>(panes_.ColourListGroupBox)})
    pane->setVisible(show);
  FitToVisiblePanes();
  emit AdvancedChanged(show);
}

void Frame::ShowAdvancedPanes() {
  if (panes_.MixerPages->isHidden()) BasicAdvancedShowHide();
}

void Frame::FitToVisiblePanes() {
  // The layout sizes the window to the panes that show; this makes it do so at once, and keeps
  // it on its screen.
  panes_.Scroller->FitWindow();
  ChainReadingOrder();
}

void Frame::ChainReadingOrder() {
  const FramePanes& p = panes_;
  ChainTabOrder({p.ColourSelectGroupBox, p.RGBValuesGroupBox, p.ExternalColourSourcePanel, p.MixerPages,
                 p.ColourViewerGroupBox, p.ColourListGroupBox, p.DonatePanel});
}

// ---------------------------------------------------------------- about, debug

void Frame::HelpImageClick() {
  about_->SetSettingsFile(settings_.Path());  // tests, and only tests, point it elsewhere later
  about_->adjustSize();
  about_->move(CentreOver(window_->frameGeometry(), about_->size()));
  about_->show();
  about_->raise();
}

void Frame::ToolImageClick() {
  services_.Beep(BeepKind::Exclamation);
  const MessageAnswer answer = services_.ShowMessage(
      window_, "Save Settings:\r\n\r\nWould you like to save your\r\ncurrent settings as default?",
      MessageIcon::Warning, MessageButtons::YesNo);
  if (answer == MessageAnswer::Yes) emit SaveSettingsRequested();
}

// ---------------------------------------------------------------- settings of the frame

void Frame::CentreUnlessPlaced() {
  if (placed_) return;
  // The first start opens on the screen the pointer is on, in its middle, at the size its
  // panes have once the style has polished them.
  FitToVisiblePanes();
  const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
  if (!screen) screen = window_->screen();
  if (screen) window_->move(CentreOnScreen(screen->availableGeometry(), window_->frameGeometry().size()));
}

void Frame::PlaceWindow(int left, int top) {
  placed_ = true;
  QList<QRect> screens;
  if (QScreen* primary = QGuiApplication::primaryScreen()) screens << primary->availableGeometry();
  for (QScreen* screen : QGuiApplication::screens())
    if (screen != QGuiApplication::primaryScreen()) screens << screen->availableGeometry();
  window_->move(PlaceOnScreens(QPoint(left, top), window_->frameGeometry().size(), screens));
  KeepOnScreen(window_);
}

bool Frame::AdvancedShown() const { return !panes_.MixerPages->isHidden(); }

void Frame::ShowDefaultDirectory(const QString& folder) {
  defaultFolder_->move(CentreOver(window_->frameGeometry(), defaultFolder_->size()));
  defaultFolder_->ShowAt(folder);
}

void Frame::SetDefaultDir(const QString& folder) {
  settings_.WriteString("Start", "DefaultDir", folder);
  services_.ShowMessage(window_, "Changes will take effect the next time\r\nyou restart Tintora.",
                        MessageIcon::Information, MessageButtons::Ok);
}

void Frame::ToggleDebugButton() { DebugButton->setVisible(DebugButton->isHidden()); }

}  // namespace tintora
