// The frame: start-up, the ten windows, stay-on-top and its suspension, basic/advanced,
// closing, the about box and the hints.
#include <fstream>
#include <string>

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>

#include "app/about_box.h"
#include "app/frame.h"
#include "app/splash_screen.h"
#include "capture/pixel_capture.h"
#include "capture/screen_shot_window.h"
#include "colourizer/colourizer_preview_window.h"
#include "colourlist/adjust_window.h"
#include "colourlist/change_colour_name_dialogue.h"
#include "formats/save_as_options.h"
#include "harmony/wheel_options_window.h"
#include "mixer/hs_mixer.h"
#include "settings/default_folder_window.h"
#include "version.h"
#include "widgets/image_box.h"
#include "widgets/popup_ext.h"
#include "widgets/when_first_drawn.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

// Whether an image format plugin is loaded into this process (where the system says, in /proc).
bool ImageFormatPluginLoaded() {
  std::ifstream maps("/proc/self/maps");
  for (std::string line; std::getline(maps, line);)
    if (line.find("/imageformats/") != std::string::npos) return true;
  return false;
}

class FrameTest : public WindowTest {
 protected:
  void ClickImage(const char* name) { QTest::mouseClick(Find<ImageBox>(name), Qt::LeftButton); }
  bool Suspended() { return MainWindowProbe::OnTopSuspended(*form); }
};

TEST_F(FrameTest, StartsInBasicModeAndBuildsEachWindowOnceWhenFirstWanted) {
  EXPECT_EQ(form->windowTitle(), "Tintora v2.0");
  // Drawn whole, with no image format plugin loaded to ask about a picture of its own.
  form->grab();
  EXPECT_FALSE(ImageFormatPluginLoaded());
  const auto built = [this] {
    QStringList titles;
    for (QWidget* w : form->findChildren<QWidget*>())
      if (w->isWindow() && !w->windowTitle().isEmpty()) titles << w->windowTitle();
    titles.sort();
    return titles;
  };
  // Built with the main window: the data box; the splash at the first activation; the others
  // not yet.
  EXPECT_EQ(built(), (QStringList{"Program Data Box", "Splash"}));
  const std::pair<QWidget*, const char*> windows[] = {
      {static_cast<QWidget*>(form->ScreenShot()), "Screen Shot"},
      {static_cast<QWidget*>(form->NameDialogue()), "Colour Name"},
      {static_cast<QWidget*>(form->AboutBox()), "About"},
      {static_cast<QWidget*>(form->SplashScreen()), "Splash"},
      {static_cast<QWidget*>(form->Adjust()), "Adjust Selected Colours"},
      {static_cast<QWidget*>(form->ColourizerPreview()), "Text Colourizer Preview"},
      {static_cast<QWidget*>(form->DefaultFolder()), "Change Default Directory"},
      {static_cast<QWidget*>(form->WheelCustomizer()), "Customize Colour Wheel"},
      {static_cast<QWidget*>(form->SaveAsOptions()), "Save As Options"},
  };
  for (const auto& [window, caption] : windows) EXPECT_EQ(window->windowTitle(), caption);
  EXPECT_EQ(built().size(), std::size(windows) + 1);
  EXPECT_EQ(form->ScreenShot(), windows[0].first);  // built once
  // The program's icon in every size the desktops ask for, each read (none empty), once the
  // window is drawn.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !form->windowIcon().isNull(); }));
  const QList<QSize> sizes = form->windowIcon().availableSizes();
  EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
  EXPECT_FALSE(form->windowIcon().pixmap(256).isNull());
  EXPECT_TRUE(Find<QTabWidget>("PageControl1")->isHidden());
  EXPECT_EQ(Value(), "000000");
}

// What shows only in the advanced window (the rooms of the mixers, the viewer and the list, and
// the Text Colourizer and Links pages) is built once the window is drawn, or as it grows if that
// comes first, and once: grown, the window's tabs are the size they would be either way.
TEST_F(FrameTest, TheAdvancedPanesAreBuiltOnceTheWindowIsDrawnOrAsItGrows) {
  const auto pages = [](const MainWindow& w) {
    qsizetype found = 0;
    for (const char* name : {"RedTrackBar", "HSIMixerPanel", "ColourViewPanel", "CompColLabel",
                             "CustomColourListBox", "TextToColourMemo", "SampleBrowserPanel"})
      found += w.findChildren<QWidget*>(name).size();
    return found;
  };
  MainWindow later(services);
  EXPECT_EQ(pages(later), 0);
  later.StartUp({});
  later.show();
  EXPECT_EQ(pages(later), 0) << "built before the window was drawn";
  EXPECT_TRUE(QTest::qWaitFor([&] { return pages(later) == 7; }));
  // With their hints, as the window's own controls have theirs.
  auto* html = later.findChild<QWidget*>("ResultRichEdit");
  EXPECT_TRUE(html->toolTip().startsWith("Right Click to set text options")) << html->toolTip().toStdString();
  EXPECT_EQ(later.findChild<QWidget*>("TextToColourMemo")->toolTipDuration(), 3000);
  auto* red = later.findChild<QWidget*>("RedTrackBar");
  EXPECT_TRUE(red->toolTip().startsWith("Slide to increase")) << red->toolTip().toStdString();
  EXPECT_FALSE(red->accessibleName().isEmpty());
  later.Frame().ShowAdvancedPanes();
  EXPECT_EQ(pages(later), 7);
  MainWindow growing(services);
  growing.Frame().ShowAdvancedPanes();
  EXPECT_EQ(pages(growing), 7);
  EXPECT_EQ(growing.findChild<QTabWidget*>("PageControl1")->sizeHint(),
            Find<QTabWidget>("PageControl1")->sizeHint());
}

TEST_F(FrameTest, BasicAdvancedTwiceRestoresTheLayoutAndTheWindowFollowsThePanes) {
  // What the window holds (on a screen too small for it the window stops at the screen's size
  // and scrolls).
  QWidget* contents = Find<QWidget>("WindowContents");
  const QSize basic = contents->size();
  ClickImage("ExpandImage");
  EXPECT_FALSE(Find<QTabWidget>("PageControl1")->isHidden());
  EXPECT_FALSE(Find<QGroupBox>("ColourViewerGroupBox")->isHidden());
  EXPECT_FALSE(Find<QGroupBox>("ColourListGroupBox")->isHidden());
  const QSize advanced = contents->size();
  EXPECT_GT(advanced.width(), basic.width());
  EXPECT_GT(advanced.height(), basic.height());
  EXPECT_EQ(form->minimumSize(), form->maximumSize());  // no resizing by hand
  ClickImage("ExpandImage");
  EXPECT_TRUE(Find<QTabWidget>("PageControl1")->isHidden());
  EXPECT_EQ(contents->size(), basic);
}

TEST_F(FrameTest, StayOnTopTogglesTheWindowsAndItsGlyph) {
  const QString untacked = Find<ImageBox>("OnTopImage")->Glyph();
  ClickImage("OnTopImage");
  EXPECT_TRUE(MainWindowProbe::OnTopState(*form));
  EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(static_cast<QWidget*>(form->AboutBox())->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_NE(Find<ImageBox>("OnTopImage")->Glyph(), untacked);
  EXPECT_TRUE(form->isVisible());
  ClickImage("OnTopImage");
  EXPECT_FALSE(MainWindowProbe::OnTopState(*form));
  EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(Find<ImageBox>("OnTopImage")->Glyph(), untacked);
}

TEST_F(FrameTest, APopupSuspendsStayOnTopWhileItIsUp) {
  ClickImage("OnTopImage");
  bool suspendedDuringMenu = false;
  PopupMenu::SetExecHook([&](PopupMenu*, const QPoint&) -> QAction* {
    suspendedDuringMenu = Suspended();
    return nullptr;
  });
  emit Slider("RedTrackBar")->customContextMenuRequested(QPoint(1, 1));
  EXPECT_TRUE(suspendedDuringMenu);
  EXPECT_FALSE(Suspended());

  // With stay-on-top off there is nothing to suspend.
  ClickImage("OnTopImage");
  emit Slider("RedTrackBar")->customContextMenuRequested(QPoint(1, 1));
  EXPECT_FALSE(suspendedDuringMenu);
}

// A load that meets several boxes (two warnings about the file, then the refusal) keeps the main
// window down for every one of them, and lets it up again only when the load is over; every
// box belongs to the main window.
TEST_F(FrameTest, BoxesInsideASuspendedCommandKeepTheMainWindowDownUntilItEnds) {
  ClickImage("OnTopImage");
  std::string aco("\x00\x02\x00\x03", 4);
  for (const char* space : {"\x00\x03", "\x00\x07", "\x00\x00"})  // Pantone and Lab: a warning each
    aco += std::string(space, 2) + std::string(8, '\0') + std::string("\x00\x00\x00\x01\x00\x00", 6);
  aco.resize(aco.size() - 3);  // cut inside the last name: after the warnings, the cut-short notice
  const QString path = WriteFile("two.aco", aco);
  std::vector<bool> suspendedDuringBox;
  services.whileShowing = [&](const ShownMessage&) { suspendedDuringBox.push_back(Suspended()); };
  services.fileAnswers.push_back(FileDialogAnswer{path, 3});
  QTest::mouseClick(Find<QWidget>("LoadSpeedButton"), Qt::LeftButton);
  ASSERT_GE(services.messages.size(), 3u);
  for (std::size_t i = 0; i < suspendedDuringBox.size(); ++i) {
    EXPECT_TRUE(suspendedDuringBox[i]) << services.messages[i].text.toStdString();
    EXPECT_EQ(services.messages[i].owner, form.get());
  }
  EXPECT_FALSE(Suspended());
  EXPECT_TRUE(MainWindowProbe::OnTopState(*form));
}

// The default-folder window stays on top; the message after it must not open behind it.
TEST_F(FrameTest, TheDefaultFolderMessageComesAfterItsWindowHasClosed) {
  form->Frame().ShowDefaultDirectory(QString::fromStdString(scratch->Path().string()));
  DefaultFolderWindow* defaultFolder = form->DefaultFolder();
  ASSERT_TRUE(defaultFolder->isVisible());
  bool defaultFolderOpen = true;
  services.whileShowing = [&](const ShownMessage&) { defaultFolderOpen = defaultFolder->isVisible(); };
  QTest::mouseClick(defaultFolder->findChild<QPushButton*>("Button1"), Qt::LeftButton);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_TRUE(services.messages[0].text.startsWith("Changes will take effect"));
  EXPECT_FALSE(defaultFolderOpen);
  EXPECT_FALSE(MainWindowWaits());
}

// The heartbeat rests while no step has work, wakes for each job without waiting for input,
// keeps going while the job lasts and rests again after it.
TEST_F(FrameTest, TheHeartbeatRestsUntilAStepHasWork) {
  auto* timer = form->findChild<QTimer*>("Timer1");
  struct Job {
    const char* name;
    std::function<void()> start, end;
    bool lasts = true;  // false: one tick does the work
  };
  const Job jobs[] = {
      {"capture", [&] { form->Capture().PixelCaptureToggler(); },
       [&] { form->Capture().PixelCaptureToggler(); }},
      {"stay on top", [&] { form->OnTop().OnTopToggler(); }, [&] { form->OnTop().OnTopToggler(); }},
      {"about box", [&] { form->AboutBox()->show(); }, [&] { form->AboutBox()->hide(); }},
      {"colour name", [&] { form->NameDialogue()->show(); }, [&] { form->NameDialogue()->hide(); }},
      {"wheel options", [&] { form->WheelCustomizer()->show(); }, [&] { form->WheelCustomizer()->hide(); }},
      {"floating mixer", [&] { form->HsMixer().UndockMixer(form->geometry().bottomRight()); },
       [&] { form->HsMixer().HSIDockPanelDockDrop(); }},
      {"strips to redraw",
       [&] {
         Find<QCheckBox>("ActiveSpecCheckBox")->setChecked(true);
         Find<QSlider>("SaturationTrackBar")->setValue(17);
       },
       [] {}, false},
      {"a key another program holds",
       [&] {
         services.hotKey.takenElsewhere = true;
         form->Capture().SetupHotkeys();
       },
       [&] { services.hotKey.takenElsewhere = false; }},
      {"the desktop offering keys later",
       [&] {
         services.hotKey.supported = false;
         form->OnHeartbeat();
         timer->stop();
         services.hotKey.BecomeAvailable();
       },
       [] {}, false},
  };
  form->OnHeartbeat();
  ASSERT_FALSE(timer->isActive()) << "busy with nothing to do";
  for (const Job& job : jobs) {
    SCOPED_TRACE(job.name);
    job.start();
    EXPECT_TRUE(timer->isActive()) << "not woken";
    form->OnHeartbeat();
    EXPECT_EQ(timer->isActive(), job.lasts) << "rested with work to do, or kept going after it";
    job.end();
    form->OnHeartbeat();
    form->OnHeartbeat();  // a floating mixer's window leaves a tick behind
    EXPECT_FALSE(timer->isActive()) << "kept going after the job";
  }
}

TEST_F(FrameTest, TheTickKeepsTheWindowOnTopOnlyWhenNotSuspended) {
  ClickImage("OnTopImage");
  const int before = services.keepOnTopCalls;
  form->OnTop().SuspendOnTop();
  form->OnHeartbeat();
  EXPECT_EQ(services.keepOnTopCalls, before);
  form->OnTop().RestoreOnTop();
  form->OnHeartbeat();
  const bool mainActive = QApplication::activeWindow() == form.get();
  EXPECT_EQ(services.keepOnTopCalls, before + (mainActive ? 0 : 1));
}

TEST_F(FrameTest, AnsweringNoToTheExitQuestionKeepsTheProgramRunning) {
  ClickImage("OnTopImage");
  bool suspendedDuringQuestion = false;
  services.whileShowing = [&](const ShownMessage&) { suspendedDuringQuestion = Suspended(); };
  services.answers = {MessageAnswer::No};
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, "Are you sure you want to exit?");
  EXPECT_EQ(services.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(suspendedDuringQuestion);
  EXPECT_FALSE(Suspended());
  EXPECT_TRUE(MainWindowProbe::OnTopState(*form));  // stay-on-top as before

  services.answers = {MessageAnswer::Yes};
  EXPECT_TRUE(form->close());
}

TEST_F(FrameTest, TheAboutBoxOpensOnceCentredOverTheWindowAndHoldsTheFocus) {
  ClickImage("HelpImage");
  ClickImage("HelpImage");
  auto* about = form->AboutBox();
  ASSERT_TRUE(about->isVisible());
  ASSERT_TRUE(WaitActive(about));
  EXPECT_EQ(about->findChild<QLabel*>("VersionLabel")->text(), QString("Version ") + kVersion);
  EXPECT_EQ(about->findChild<QLabel*>("ProductName")->text(), "Tintora v2.0");
  // Centred over the main window, unless that would put part of it off the screen.
  const QRect main = form->frameGeometry(), area = about->screen()->availableGeometry();
  if (about->frameGeometry().left() > area.left() && about->frameGeometry().right() < area.right()) {
    EXPECT_LE(std::abs(about->geometry().center().x() - main.center().x()), 2);
  }
  // The heartbeat is driven by hand from here: a tick of its own could take the focus back
  // before the main window's activation is seen.
  form->findChild<QTimer*>("Timer1")->stop();
  form->activateWindow();  // the user clicks back into the main window...
  ASSERT_TRUE(WaitActive(form.get()));
  form->OnHeartbeat();  // ...and the next tick takes the focus back into the about box
  ASSERT_TRUE(WaitActive(about));
  EXPECT_TRUE(about->findChild<QPlainTextEdit*>("Memo1")->hasFocus());
  auto* help = about->findChild<QPushButton*>("Button1");
  QTest::mouseClick(help, Qt::LeftButton);  // "Help!": the manual beside the program
  ASSERT_EQ(services.opened.size(), 1u);
  EXPECT_TRUE(QDir::fromNativeSeparators(services.opened[0]).endsWith("help/index.html"))
      << services.opened[0].toStdString();
  EXPECT_TRUE(services.messages.empty());
  // Where nothing opens it, the program says where the manual is instead of doing nothing.
  services.shellOpens = false;
  QTest::mouseClick(help, Qt::LeftButton);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_TRUE(QDir::fromNativeSeparators(services.messages[0].text).contains("help/index.html"))
      << services.messages[0].text.toStdString();
  about->close();
}

TEST_F(FrameTest, TheSplashClosesByItselfAndReturnsAtTheFirstActivation) {
  SplashWindow* splash = form->SplashScreen();
  const auto* timer = splash->findChild<QTimer*>("Timer1");
  EXPECT_EQ(timer->interval(), 3000);
  EXPECT_TRUE(timer->isActive());
  EXPECT_TRUE(splash->isVisible());  // shown again by the first activation
  splash->OnCloseTimer();
  EXPECT_FALSE(splash->isVisible());
  form->FormActivate();  // only the first activation does anything
  EXPECT_FALSE(splash->isVisible());
}

// Work held back for a window's first picture runs once, after the window is painted; and for
// a window that is never drawn (started minimised), at the latest time it was given.
TEST(WhenFirstDrawnTest, RunsOnceAfterTheFirstPaintOrAtTheLatest) {
  struct Canvas : QWidget {
    int paints = 0;
    void paintEvent(QPaintEvent*) override { ++paints; }
  };
  Canvas shown;
  shown.show();
  int runs = 0, paintsBefore = -1;
  WhenFirstDrawn(&shown, [&] { ++runs, paintsBefore = shown.paints; });
  EXPECT_EQ(runs, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return runs == 1; }));
  EXPECT_GE(paintsBefore, 1) << "ran before the first paint";
  shown.update();
  QTest::qWait(50);
  EXPECT_EQ(runs, 1);

  QWidget unshown;
  unshown.winId();
  int late = 0;
  WhenFirstDrawn(
      &unshown, [&] { ++late; }, std::chrono::milliseconds(20));
  EXPECT_TRUE(QTest::qWaitFor([&] { return late == 1; }));
}

}  // namespace
}  // namespace tintora::testing
