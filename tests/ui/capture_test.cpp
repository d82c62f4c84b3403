// Active pixel capture with a synthetic screen and hot key, the snapshot window, the clipboard
// picture and the colour dialog's custom colours.
#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMenu>
#include <QTabWidget>
#include <functional>

#include "capture/screen_shot_window.h"
#include "colourlist/colour_list_view.h"
#include "core/capture/capture_maths.h"
#include "core/capture/hot_key.h"
#include "core/colour/notations.h"
#include "core/settings/ini_file.h"
#include "support/printers.h"
#include "widgets/colour_panel.h"
#include "widgets/image_box.h"
#include "widgets/popup_ext.h"
#include "widgets/speed_button.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

class CaptureTest : public WindowTest {
 protected:
  void BeforeStartUp() override {
    // The main window below the probes, and the hot key these tests were written for: Alt+F8.
    WriteFile("tintora.ini",
              "[Main]\r\nLeft=150\r\nTop=320\r\n[External Colour]\r\nHotKeyALT=1\r\n"
              "ActivePixelCaptureHotkeySuffix=6\r\n");
    // A desktop of four coloured quarters, with the main window well away from the probes (its
    // top edge below them).
    QImage& d = services.screen.desktop;
    d.fill(QColor(0x33, 0x66, 0xCC));
    for (int y = 0; y < 300; ++y)
      for (int x = 0; x < 400; ++x) d.setPixel(x, y, qRgb(0xFF, 0x80, 0x00));
    for (int y = 100; y < 112; ++y)
      for (int x = 100; x < 112; ++x) d.setPixel(x, y, qRgb(x, y, 7));  // a pattern to zoom into
  }
  SpeedButton* Button() { return Find<SpeedButton>("CaptureDesktopSpeedButton"); }
  void Release(Qt::MouseButton b) {
    QTest::mousePress(Button(), b);
    QTest::mouseRelease(Button(), b);
  }
  void CaptureOn() {
    if (!form->Capture().CaptureActive()) Release(Qt::RightButton);
  }
  void PointAt(int x, int y) {
    services.screen.cursor = QPoint(x, y);
    form->OnHeartbeat();
  }
  QString Hint() { return Button()->toolTip(); }
  QAction* Item(const char* name) { return form->findChild<QAction*>(name); }
  QString Selector() { return Text("ColourSelectorEdit"); }
  void ClickImageOnTop() { QTest::mouseClick(Find<ImageBox>("OnTopImage"), Qt::LeftButton); }
};

TEST_F(CaptureTest, TheRightButtonSwitchesCaptureAndTheHintFollows) {
  EXPECT_EQ(Hint(), "Snap photo of desktop.\nRight click for active\npixel capture.");
  EXPECT_FALSE(Item("ZoomViewOnOff1")->isEnabled());
  Release(Qt::RightButton);
  EXPECT_TRUE(form->Capture().CaptureActive());
  EXPECT_TRUE(Item("ZoomViewOnOff1")->isEnabled());
  EXPECT_EQ(Hint(), "Pixel colour extractor.(ALT+F8)\nRight click for desktop\nphoto capture.");
  Item("ZoomViewOnOff1")->setChecked(true);
  Release(Qt::RightButton);
  EXPECT_FALSE(form->Capture().CaptureActive());
  EXPECT_TRUE(Item("ZoomViewOnOff1")->isChecked());  // the check mark stays
  EXPECT_EQ(Hint(), "Snap photo of desktop.\nRight click for active\npixel capture.");
}

TEST_F(CaptureTest, HotKeyChoicesGiveModifiersKeysAndHints) {
  CaptureOn();
  Item("Alt1")->trigger();  // off: F8 alone
  EXPECT_EQ(Hint(), "Pixel colour extractor.(F8)\nRight click for desktop\nphoto capture.");
  form->OnHeartbeat();
  EXPECT_EQ(services.hotKey.modifiers, 0u);
  EXPECT_EQ(services.hotKey.virtualKey, 0x77u);
  Item("Shift1")->trigger();
  Item("Ctrl1")->trigger();
  Item("Alt1")->trigger();
  Item("NumPad51")->trigger();
  EXPECT_TRUE(Hint().startsWith("Pixel colour extractor.(SHIFT+CTRL+ALT+NumPad5)"));
  form->OnHeartbeat();
  EXPECT_EQ(services.hotKey.modifiers, 7u);
  EXPECT_EQ(services.hotKey.virtualKey, 0x65u);
  Item("NumPad51")->trigger();  // clicking the checked key keeps it
  EXPECT_TRUE(Item("NumPad51")->isChecked());
  EXPECT_FALSE(Item("F81")->isChecked());
}

TEST_F(CaptureTest, TheKeyIsHeldOnceAndReleasedWhenTheChoiceChanges) {
  form->OnHeartbeat();
  const int before = services.hotKey.registrations;
  for (int i = 0; i < 5; ++i) form->OnHeartbeat();
  EXPECT_EQ(services.hotKey.registrations, before);  // asking again for the same costs nothing
  Item("F91")->trigger();
  EXPECT_EQ(services.hotKey.virtualKey, 0x77u);  // held until the next tick
  form->OnHeartbeat();
  EXPECT_EQ(services.hotKey.registrations, before + 1);
  EXPECT_EQ(services.hotKey.virtualKey, 0x78u);
  form.reset();  // at exit every key is given back
  EXPECT_FALSE(services.hotKey.held);
}

TEST_F(CaptureTest, ChangingTheKeyWhileCaptureIsOffKeepsTheSnapshotHint) {
  Item("F21")->trigger();
  EXPECT_EQ(Hint(), "Snap photo of desktop.\nRight click for active\npixel capture.");
  CaptureOn();
  EXPECT_EQ(Hint(), "Pixel colour extractor.(ALT+F2)\nRight click for desktop\nphoto capture.");
}

TEST_F(CaptureTest, StoredKeyIndicesOutsideTheMenuChangeNothing) {
  for (int bad : {0, 25}) {
    form->Capture().CheckHotKeyItem(bad);
    EXPECT_TRUE(Item("F81")->isChecked()) << bad;
  }
  form->Capture().CheckHotKeyItem(15);
  EXPECT_TRUE(Item("NumPad51")->isChecked());
  EXPECT_FALSE(Item("F81")->isChecked());
}

TEST_F(CaptureTest, EachTickShowsThePixelUnderTheMouseAndTheHotKeyCommitsIt) {
  PointAt(10, 10);
  EXPECT_EQ(Selector(), "000000");  // capture is off: nothing read
  CaptureOn();
  PointAt(10, 10);
  EXPECT_EQ(Selector(), "FF8000");
  PointAt(600, 100);
  EXPECT_EQ(Selector(), "3366CC");
  EXPECT_EQ(Value(), "000000");
  form->OnHeartbeat();
  services.hotKey.Press(kModAlt, 0x77);
  EXPECT_EQ(Value(), "3366CC");
  PointAt(10, 10);
  Release(Qt::RightButton);  // capture off: the key does nothing
  services.hotKey.Press(kModAlt, 0x77);
  EXPECT_EQ(Value(), "3366CC");
}

// What the hot key and the snapshot take joins the recent picks, newest first, in the settings
// file; choosing one makes it active again.
TEST_F(CaptureTest, PicksFromTheScreenAreKeptAndOfferedAgain) {
  QMenu* recent = form->findChild<QMenu*>("RecentPicks1");
  ASSERT_TRUE(recent);
  EXPECT_FALSE(recent->isEnabled());  // nothing picked yet
  CaptureOn();
  for (const QPoint at : {QPoint(10, 10), QPoint(600, 100), QPoint(10, 10)}) {
    PointAt(at.x(), at.y());
    services.hotKey.Press(kModAlt, 0x77);
  }
  Release(Qt::RightButton);
  Release(Qt::LeftButton);  // the snapshot
  ASSERT_TRUE(form->ScreenShot()->isVisible());
  QTest::mouseClick(&form->ScreenShot()->Image(), Qt::LeftButton, {}, QPoint(101, 100));
  QStringList shown;
  for (QAction* item : recent->actions()) shown << item->text();
  EXPECT_EQ(shown, QStringList({"#656407", "#FF8000", "#3366CC"}));
  EXPECT_EQ(IniFile(settingsPath.toStdString()).ReadString("External Colour", "RecentPicks", "?"),
            "656407,FF8000,3366CC");
  recent->actions().last()->trigger();
  EXPECT_EQ(Value(), "3366CC");
}

// While capturing, the arrow keys nudge the pointer (Shift: ten pixels) onto a one-pixel line;
// a text field keeps its arrows, and with capture off nothing moves.
TEST_F(CaptureTest, TheArrowKeysNudgeThePointerWhileCapturing) {
  CaptureOn();
  PointAt(100, 100);
  QWidget* slider = Slider("RedTrackBar");
  const struct {
    QWidget* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QPoint to;
  } presses[] = {
      {slider, Qt::Key_Right, Qt::NoModifier, {101, 100}},
      {slider, Qt::Key_Down, Qt::ShiftModifier, {101, 110}},
      {slider, Qt::Key_Left, Qt::NoModifier, {100, 110}},
      {slider, Qt::Key_Up, Qt::NoModifier, {100, 109}},
      {Find<QLineEdit>("ColourSelectorEdit"), Qt::Key_Left, Qt::NoModifier, {100, 109}},
  };
  for (const auto& p : presses) {
    p.focus->setFocus();
    QTest::keyClick(p.focus, p.key, p.modifiers);
    EXPECT_EQ(services.screen.cursor, p.to) << p.focus->objectName().toStdString() << " " << p.key;
  }
  const int red = Slider("RedTrackBar")->value();
  form->OnHeartbeat();
  EXPECT_EQ(Selector(), "646D07");  // the pattern's pixel at (100, 109)
  Release(Qt::RightButton);         // capture off: the slider takes its arrow again
  slider->setFocus();
  QTest::keyClick(slider, Qt::Key_Right);
  EXPECT_EQ(services.screen.cursor, QPoint(100, 109));
  EXPECT_NE(Slider("RedTrackBar")->value(), red);
}

TEST_F(CaptureTest, AFailedReadLeavesTheSelectorAlone) {
  CaptureOn();
  PointAt(10, 10);
  PointAt(5000, 5000);  // beyond the desktop: the invalid colour
  EXPECT_EQ(Selector(), "FF8000");
  services.screen.readable = false;
  PointAt(600, 100);
  EXPECT_EQ(Selector(), "FF8000");
}

TEST_F(CaptureTest, TheActiveMainWindowIsSkippedRightEdgeIncluded) {
  CaptureOn();
  PointAt(10, 10);
  ASSERT_TRUE(form->isActiveWindow());
  const QRect f = form->frameGeometry();
  const int reads = services.screen.pixelReads;
  PointAt(f.left() + f.width(), f.top() + 5);
  EXPECT_EQ(services.screen.pixelReads, reads);
  EXPECT_EQ(Selector(), "FF8000");
  PointAt(f.left() + f.width() + 1, f.top() + 5);
  EXPECT_EQ(services.screen.pixelReads, reads + 1);
}

TEST_F(CaptureTest, TheZoomViewMagnifiesTheBlockWithMarkers) {
  CaptureOn();
  Item("ZoomViewOnOff1")->setChecked(true);
  PointAt(106, 106);
  ImageBox* zoom = Find<ImageBox>("ZoomImage");
  EXPECT_FALSE(zoom->isHidden());
  EXPECT_EQ(Selector(), QString::fromStdString(RGBDecToHex(106, 106, 7)));  // the centre keeps its colour
  const QImage& shown = zoom->Picture();
  ASSERT_EQ(shown.size(), QSize(50, 50));
  auto at = [&](int bx, int by) { return shown.pixel((bx * 50 + 25) / 12, (by * 50 + 25) / 12); };
  EXPECT_EQ(at(6, 6), qRgb(106, 106, 7));
  EXPECT_EQ(at(5, 5), qRgb(255, 255, 255));
  EXPECT_EQ(at(7, 7), qRgb(255, 255, 255));
  EXPECT_EQ(at(6, 5), qRgb(0, 0, 0));
  EXPECT_EQ(at(5, 6), qRgb(0, 0, 0));
  EXPECT_EQ(at(0, 0), qRgb(100, 100, 7));
  // Over the active main window the zoom hides and the selector keeps its colour.
  PointAt(form->frameGeometry().center().x(), form->frameGeometry().center().y());
  EXPECT_TRUE(zoom->isHidden());
  // The zoom view switched off, and capture switched off: the selector shows its colour again.
  const std::function<void()> stops[] = {[this] { Item("ZoomViewOnOff1")->setChecked(false); },
                                         [this] { Release(Qt::RightButton); }};
  for (const auto& stop : stops) {
    CaptureOn();
    Item("ZoomViewOnOff1")->setChecked(true);
    PointAt(106, 106);
    ASSERT_FALSE(zoom->isHidden());
    stop();
    PointAt(107, 107);
    EXPECT_TRUE(zoom->isHidden());
  }
}

// A 5 x 5 sample averages the light of the square under the pointer, by every route that reads
// the screen, and the magnifier outlines it.
TEST_F(CaptureTest, ASampleSquareIsAveragedInLinearLightByEveryRoute) {
  QImage& d = services.screen.desktop;
  for (int y = 200; y < 211; ++y)
    for (int x = 200; x < 211; ++x) d.setPixel(x, y, (x + y) % 2 == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
  EXPECT_TRUE(Item("Sample1x1")->isChecked());  // one pixel unless asked
  Item("Sample5x5")->trigger();
  EXPECT_EQ(form->Capture().SampleSize(), 5);
  CaptureOn();
  PointAt(206, 206);  // a white centre: 13 white, 12 black
  EXPECT_EQ(Selector(), "BFBFBF");
  PointAt(205, 206);  // a black centre: 12 white, 13 black
  EXPECT_EQ(Selector(), "B8B8B8");
  Item("ZoomViewOnOff1")->setChecked(true);
  PointAt(206, 206);
  EXPECT_EQ(Selector(), "BFBFBF");
  // The sampled square outlined in the magnified picture: black, then white inside it.
  const QImage& shown = Find<ImageBox>("ZoomImage")->Picture();
  const int row = kZoomShown / 2 + 1;
  int black = -1;
  for (int x = 14; x < 20 && black < 0; ++x)
    if (shown.pixel(x, row) == qRgb(0, 0, 0) && shown.pixel(x + 1, row) == qRgb(255, 255, 255)) black = x;
  EXPECT_GE(black, 0) << "no outline left of the square's middle";
  Item("ZoomViewOnOff1")->setChecked(false);
  Release(Qt::RightButton);  // capture off
  // The snapshot's click takes the same square.
  Release(Qt::LeftButton);
  ASSERT_TRUE(form->ScreenShot()->isVisible());
  QTest::mouseClick(&form->ScreenShot()->Image(), Qt::LeftButton, {}, QPoint(206, 206));
  EXPECT_EQ(Value(), "BFBFBF");
  // Kept in the settings file, under a key of its own.
  form->SaveSettings();
  EXPECT_EQ(IniFile(settingsPath.toStdString()).ReadString("External Colour", "SampleSize", "?"), "5");
}

TEST_F(CaptureTest, ALeftClickWhileCapturingOpensTheHotKeyMenu) {
  CaptureOn();
  QString opened;
  PopupMenu::SetExecHook([&](PopupMenu* menu, const QPoint&) -> QAction* {
    opened = menu->objectName();
    return nullptr;
  });
  Release(Qt::LeftButton);
  EXPECT_EQ(opened, "ActivePixHotKeyPopupExt");
}

TEST_F(CaptureTest, ASnapshotWaitsThenShowsTheDesktopToPickFrom) {
  ClickImageOnTop();
  QElapsedTimer clock;
  clock.start();
  Release(Qt::LeftButton);
  EXPECT_GE(clock.elapsed(), 1500);
  ScreenShotWindow* shot = form->ScreenShot();
  ASSERT_TRUE(shot->isVisible());
  EXPECT_EQ(shot->windowTitle(), "Screen Shot");
  EXPECT_EQ(shot->Picture().size(), QSize(800, 600));
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));  // on top again
  // Placement from the main window's bounds.
  const QRect m = form->frameGeometry();
  EXPECT_EQ(shot->width(), m.width() - qRound(m.width() / 4.0));
  // Picking: hover previews, a left click commits and copies.
  Find<QCheckBox>("AutoCopyCheckBox")->setChecked(true);
  QTest::mouseMove(&shot->Image(), QPoint(10, 10));
  EXPECT_EQ(Selector(), "FF8000");
  QTest::mouseClick(&shot->Image(), Qt::LeftButton, {}, QPoint(500, 500));
  EXPECT_EQ(Value(), "3366CC");
  EXPECT_EQ(services.clipboardText, "3366CC");
  PopupMenu::SetExecHook(
      [](PopupMenu* menu, const QPoint&) { return menu->findChild<QAction*>("CopyToClipboard1"); });
  QTest::mousePress(&shot->Image(), Qt::RightButton, {}, QPoint(3, 3));
  ASSERT_TRUE(services.clipboardImage.has_value());
  EXPECT_EQ(services.clipboardImage->size(), QSize(800, 600));
}

TEST_F(CaptureTest, TheClipboardPictureOrASayingThatThereIsNone) {
  QTest::mouseClick(Find<SpeedButton>("CopyFromClipSpeedButton"), Qt::LeftButton);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text,
            "Retrieve From Clipboard:\r\n\r\nThere is no bitmap image on the clipboard.");
  EXPECT_EQ(services.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(services.beeps.back(), BeepKind::Information);
  QImage picture(20, 10, QImage::Format_ARGB32);
  picture.fill(QColor(1, 2, 3));
  services.clipboardImage = picture;
  QTest::mouseClick(Find<SpeedButton>("CopyFromClipSpeedButton"), Qt::LeftButton);
  EXPECT_TRUE(form->ScreenShot()->isVisible());
  EXPECT_EQ(form->ScreenShot()->windowTitle(), "Clipboard Image");
  EXPECT_EQ(form->ScreenShot()->Picture().format(), QImage::Format_RGB32);
}

TEST_F(CaptureTest, TheColourDialogSetsTheColourAndOffersItsCustomColours) {
  CustomColourSlots after{};
  after[0] = Rgb8::OfLevels(255, 0, 0);
  after[2] = Rgb8::OfLevels(0x12, 0x34, 0x56);
  after[3] = Rgb8::OfLevels(0, 0, 255);
  services.colourDialogAnswer = Rgb8::OfLevels(10, 20, 30);
  services.colourDialogSlots = after;
  services.answers = {MessageAnswer::No};
  SetRgb(200, 100, 50);
  QTest::mouseClick(Find<SpeedButton>("WinPaletteSpeedButton"), Qt::LeftButton);
  EXPECT_EQ(services.colourDialogOpenedOn.back(), Rgb8::OfLevels(200, 100, 50));  // on the active colour
  EXPECT_EQ(Value(), "0A141E");
  EXPECT_EQ(Selector(), "0A141E");  // the selector's text says what its swatch shows
  EXPECT_EQ(services.messages.back().text,
            "Common Palette Custom Colour Copy:\r\n\r\nWould you like to append the\r\ncustom colours to "
            "your list?");
  EXPECT_EQ(services.beeps.back(), BeepKind::Question);
  EXPECT_TRUE(form->List().Empty());
  // No keeps the slots for the next opening; Yes appends and empties them.
  services.colourDialogSlots.reset();
  services.answers = {MessageAnswer::Yes};
  QTest::mouseClick(Find<SpeedButton>("WinPaletteSpeedButton"), Qt::LeftButton);
  EXPECT_EQ(services.colourDialogOpenedWith.back(), after);
  EXPECT_EQ(form->List().Entries(),
            std::vector<ColourEntry>({{"ColorA", "FF0000"}, {"ColorC", "123456"}, {"ColorD", "0000FF"}}));
  EXPECT_EQ(Find<ColourListView>("CustomColourListBox")->currentIndex().row(), 2);
  EXPECT_FALSE(Find<QTabWidget>("PageControl1")->isHidden());
  EXPECT_EQ(form->Snapshots().CustomColours(), CustomColourSlots{});
  EXPECT_EQ(Label("ColourListTotalLabel"), "Total:3");
}

TEST_F(CaptureTest, OneWhiteSlotIsStillAColour) {
  CustomColourSlots after{};
  after[0] = Rgb8{255, 255, 255};
  services.colourDialogAnswer = Rgb8{};
  services.colourDialogSlots = after;
  services.answers = {MessageAnswer::Yes};
  QTest::mouseClick(Find<SpeedButton>("WinPaletteSpeedButton"), Qt::LeftButton);
  EXPECT_EQ(form->List().Entries(), std::vector<ColourEntry>({{"ColorA", "FFFFFF"}}));
}

TEST_F(CaptureTest, CancellingTheColourDialogAsksNothing) {
  services.colourDialogAnswer.reset();
  QTest::mouseClick(Find<SpeedButton>("WinPaletteSpeedButton"), Qt::LeftButton);
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(Value(), "000000");
}

}  // namespace
}  // namespace tintora::testing
