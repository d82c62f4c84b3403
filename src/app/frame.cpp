#include "app/frame.h"

#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

#include "app/about_box.h"
#include "app/layout.h"
#include "app/splash_screen.h"
#include "capture/platform/screen_access.h"
#include "settings/tform9.h"
#include "widgets/centre.h"
#include "widgets/colour_list_model.h"
#include "widgets/debug_panel.h"
#include "widgets/guarded.h"
#include "widgets/image_box.h"
#include "widgets/list_saver.h"
#include "widgets/make.h"
#include "widgets/services.h"
#include "widgets/settings_store.h"
#include "widgets/stay_on_top.h"

namespace tintora {

FramePanes BuildFramePanes(QWidget* window) {
  FramePanes p;
  p.ColourSelectGroupBox =
      Make<QGroupBox>(window, "ColourSelectGroupBox", layout::kColourSelectGroupBox, {}, "Colour Selector");
  p.RGBValuesGroupBox =
      Make<QGroupBox>(window, "RGBValuesGroupBox", layout::kRGBValuesGroupBox, {}, "RGB Values");
  p.ColourViewerGroupBox =
      Make<QGroupBox>(window, "ColourViewerGroupBox", layout::kColourViewerGroupBox, {}, "Colour Viewer");
  p.ColourListGroupBox =
      Make<QGroupBox>(window, "ColourListGroupBox", layout::kColourListGroupBox, {}, "Colour List");
  p.ExternalColourSourcePanel =
      Make<QWidget>(window, "ExternalColourSourcePanel", layout::kExternalColourSourcePanel);
  p.PageControl1 = Make<QTabWidget>(window, "PageControl1", layout::kPageControl1);
  auto page = [&p](const char* name, const char* caption) {
    auto* w = Make<QWidget>(nullptr, name, {});
    p.PageControl1->addTab(w, caption);
    return w;
  };
  p.RGBTabSheet = page("RGBTabSheet", "RGB Colour Mixer");
  p.TabSheet2 = page("TabSheet2", "CMY Mixer");
  p.TabSheet1 = page("TabSheet1", "HS... Mixer");
  p.TextColourizerTabSheet = page("TextColourizerTabSheet", "Text Colourizer");
  p.LinksTabSheet = page("LinksTabSheet", "Links");
  p.DonatePanel = Make<QWidget>(window, "DonatePanel", layout::kDonatePanel);

  p.PageControl1->hide();
  p.ColourViewerGroupBox->hide();
  p.ColourListGroupBox->hide();
  p.DonatePanel->hide();
  return p;
}

Frame::Frame(QWidget* window, const FramePanes& panes, std::unique_ptr<TAboutBox> about,
             std::unique_ptr<TSplashScreen> splash, std::unique_ptr<TForm9> defaultDirectory,
             ColourListModel& list, ListSaver& saver, StayOnTop& onTop, SettingsStore& settings,
             Services& services)
    : window_(window),
      about_(std::move(about)),
      splash_(std::move(splash)),
      form9_(std::move(defaultDirectory)),
      list_(list),
      saver_(saver),
      onTop_(onTop),
      settings_(settings),
      services_(services),
      panes_(panes) {
  BuildIcons();
  onTop_.Follow(about_.get(), true);
  onTop_.KeepSuspendedWhileOpen(form9_.get());
  Link(ExpandImage, &ImageBox::Clicked, this, [this] { BasicAdvancedShowHide(); });
  Link(OnTopImage, &ImageBox::Clicked, this, [this] { OnTopToggler(); });
  Link(HelpImage, &ImageBox::Clicked, this, [this] { HelpImageClick(); });
  Link(ToolImage, &ImageBox::Clicked, this, [this] { ToolImageClick(); });
  Link(form9_.get(), &TForm9::DefaultDirChosen, this,
       [this](const QString& folder) { SetDefaultDir(folder); });
  Link(form9_.get(), &TForm9::Shown, this, [this] {
    onTop_.SuspendOnTop();
    window_->setEnabled(false);
  });
  Link(form9_.get(), &TForm9::Closed, this, [this] {
    window_->setEnabled(true);
    onTop_.RestoreOnTop();
  });
  // The data box and the debug panel share one place; they show and hide together.
  Link(DebugButton, &QPushButton::clicked, this,
       [this](bool) { DebugPanel_->setVisible(DebugPanel_->isHidden()); });
  Link(about_.get(), &TAboutBox::HelpRequested, this, [this] { RunHelp(); });
  Link(about_.get(), &TAboutBox::WebPageRequested, this,
       [this](const QString& address) { services_.OpenWithShell(address); });
}

Frame::~Frame() = default;

void Frame::BuildIcons() {
  // Frame icons, always visible at the right of the value pane.
  auto icon = [this](const char* name, const char* picture, const char* hint, int x) {
    auto* image = Make<ImageBox>(panes_.RGBValuesGroupBox, name, {x, 20, 16, 16}, hint);
    image->SetPicture(QImage(picture));
    image->setCursor(Qt::PointingHandCursor);
    return image;
  };
  ExpandImage = icon("ExpandImage", ":/glyphs/expand.png", "Basic/Advanced Mode", 184);
  ToolImage = icon("ToolImage", ":/glyphs/tool.png", "Save Settings As Default.", 204);
  HelpImage = icon("HelpImage", ":/glyphs/help.png", "About", 224);
  OnTopImage = icon("OnTopImage", ":/glyphs/untacked.png", "Enable/disable Stay On-Top mode.", 244);

  // Work controls for developers, hidden until the colour list's Ctrl+D shows the button.
  DebugButton = Make<QPushButton>(window_, "DebugButton", {500, 136, 76, 16}, {}, "Debug On/Off");
  DebugButton->hide();
  DebugPanel_ = new DebugPanel(window_);
  DebugPanel_->setGeometry(460, 156, 390, 196);
}

// ---------------------------------------------------------------- start-up and closing

void Frame::FormInitialize() {
  about_->SetWebPageAddress(kWebPageAddress);
  about_->SetSettingsFile(settings_.Path());
  about_->SetScreenBackend(services_.Screen().BackendName());
  FitToVisiblePanes();
  if (const QScreen* screen = window_->screen())
    window_->move(CentreOnScreen(screen->availableGeometry(), window_->size()));
  OnTopImage->SetPicture(QImage(":/glyphs/untacked.png"));
}

void Frame::FormActivate() {
  splash_->show();
  splash_->raise();
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
                              MessageIcon::Warning, MessageButtons::YesNo);
    // Closing would lose a list the user wanted kept; it stays until it is saved.
    if (answer == MessageAnswer::Yes)
      return saver_.FileSaveAs1Execute("Tintora v1.0: List Has Changed!") == SaveOutcome::Saved;
  }
  list_.NewList();
  return true;
}

// ---------------------------------------------------------------- stay on top

void Frame::OnTopToggler() {
  onTop_.OnTopToggler();
  OnTopImage->SetPicture(QImage(onTop_.OnTopState() ? ":/glyphs/tacked.png" : ":/glyphs/untacked.png"));
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

// ---------------------------------------------------------------- basic and advanced

void Frame::BasicAdvancedShowHide() {
  const bool show = panes_.PageControl1->isHidden();
  for (QWidget* pane :
       {static_cast<QWidget*>(panes_.PageControl1), static_cast<QWidget*>(panes_.ColourViewerGroupBox),
        static_cast<QWidget*>(panes_.ColourListGroupBox)})
    pane->setVisible(show);
  FitToVisiblePanes();
  emit AdvancedChanged(show);
}

void Frame::ShowAdvancedPanes() {
  if (panes_.PageControl1->isHidden()) BasicAdvancedShowHide();
}

void Frame::FitToVisiblePanes() {
  const FramePanes& p = panes_;
  QRect bounds;
  for (QWidget* pane : {static_cast<QWidget*>(p.ColourSelectGroupBox),
                        static_cast<QWidget*>(p.RGBValuesGroupBox), p.ExternalColourSourcePanel,
                        static_cast<QWidget*>(p.PageControl1), static_cast<QWidget*>(p.ColourViewerGroupBox),
                        static_cast<QWidget*>(p.ColourListGroupBox), p.DonatePanel})
    if (!pane->isHidden()) bounds = bounds.united(pane->geometry());
  window_->setFixedSize(bounds.right() + 1 + layout::kMargin, bounds.bottom() + 1 + layout::kMargin);
}

// ---------------------------------------------------------------- about, debug

void Frame::HelpImageClick() {
  about_->adjustSize();
  about_->move(CentreOver(window_->frameGeometry(), about_->size()));
  about_->show();
  about_->raise();
}

void Frame::ToolImageClick() {
  onTop_.SuspendOnTop();
  services_.Beep(BeepKind::Exclamation);
  const MessageAnswer answer = services_.ShowMessage(
      window_, "Save Settings:\r\n\r\nWould you like to save your\r\ncurrent settings as default?",
      MessageIcon::Warning, MessageButtons::YesNo);
  if (answer == MessageAnswer::Yes) emit SaveSettingsRequested();
  onTop_.RestoreOnTop();
}

// ---------------------------------------------------------------- settings of the frame

void Frame::PlaceWindow(int left, int top) {
  QList<QRect> screens;
  if (QScreen* primary = QGuiApplication::primaryScreen()) screens << primary->availableGeometry();
  for (QScreen* screen : QGuiApplication::screens())
    if (screen != QGuiApplication::primaryScreen()) screens << screen->availableGeometry();
  window_->move(PlaceOnScreens(QPoint(left, top), window_->frameGeometry().size(), screens));
}

bool Frame::AdvancedShown() const { return !panes_.PageControl1->isHidden(); }

void Frame::ShowDefaultDirectory(const QString& folder) {
  form9_->move(CentreOver(window_->frameGeometry(), form9_->size()));
  form9_->ShowAt(folder);
}

void Frame::SetDefaultDir(const QString& folder) {
  settings_.WriteString("Start", "DefaultDir", folder);
  onTop_.SuspendOnTop();
  services_.ShowMessage(window_, "Changes will take effect the next time\r\nyou restart Tintora.",
                        MessageIcon::Information, MessageButtons::Ok);
  onTop_.RestoreOnTop();
}

void Frame::ToggleDebugButton() { DebugButton->setVisible(DebugButton->isHidden()); }

}  // namespace tintora
