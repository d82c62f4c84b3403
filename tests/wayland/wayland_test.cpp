// The real Wayland desktop: a headless sway with xdg-desktop-portal and its wlr backend, set up
// by wayland_test.sh around this program, which runs as the window does on such a desktop. The
// screen is sway's background in one colour; `slurp`, which the wlr backend runs to let the
// user point, is a stand-in that points at a fixed place, or cancels, or keeps the portal
// waiting, as the test asks through a file.
#include <cstdlib>
#include <fstream>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>

#include "app/about_box.h"
#include "capture/platform/desktop.h"
#include "capture/screen_shot_window.h"
#include "widgets/speed_button.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

// The background sway paints, as wayland_test.sh sets it. The wlr backend reads grim's picture
// as text-delimited PPM and trips over bytes such as 0x20 in the pixels: none of these is one.
constexpr char kBackground[] = "3A5F8C";

// Tells the stand-in slurp what to do next: "point", "cancel" or "hang".
void SlurpDoes(const char* what) {
  std::ofstream(std::getenv("TINTORA_TEST_SLURP_CONTROL"), std::ios::trunc) << what << '\n';
}

// Whether the stand-in has been run to do that.
bool SlurpRan(const char* what) {
  QFile log(QString(std::getenv("TINTORA_TEST_SLURP_CONTROL")) + ".log");
  return log.open(QIODevice::ReadOnly) && log.readAll().split('\n').contains(what);
}

class WaylandTest : public WindowTest {
 protected:
  void BeforeWindow() override {
    qunsetenv("TINTORA_SCREEN");  // the backend is chosen on its own
    SlurpDoes("point");
    desktop = std::make_unique<Desktop>();
    services.realScreen = &desktop->Screen();
    services.realHotKey = &desktop->HotKey();
  }
  void Release(Qt::MouseButton b) {
    SpeedButton* button = Find<SpeedButton>("CaptureDesktopSpeedButton");
    QTest::mousePress(button, b);
    QTest::mouseRelease(button, b);
  }

  std::unique_ptr<Desktop> desktop;
};

TEST_F(WaylandTest, ThePortalIsChosenOnItsOwnAndTheAboutBoxSaysSo) {
  EXPECT_EQ(QGuiApplication::platformName(), "wayland");
  EXPECT_EQ(desktop->Backend(), ScreenBackend::Portal);
  form->AboutBox()->show();
  EXPECT_TRUE(AboutText().contains("Screen colours are read through the desktop portal."))
      << AboutText().toStdString();
}

TEST_F(WaylandTest, TheSnapshotShowsTheDesktopWithoutTintorasWindow) {
  Release(Qt::LeftButton);
  ScreenShotWindow* shot = form->ScreenShot();
  ASSERT_TRUE(QTest::qWaitFor([&] { return shot->isVisible(); }, 15000));
  const QImage picture = shot->Picture().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(picture.size(), QSize(800, 600));
  // Nothing but the background: the window stood aside while the picture was taken.
  const QRgb background = QColor(QString("#") + kBackground).rgb();
  int others = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) others += picture.pixel(x, y) != background;
  EXPECT_EQ(others, 0);
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(WaylandTest, APickTakesTheColourUnderThePointAndACancelIsReported) {
  // Cancelled in the desktop's picker. This wlr backend runs `grim -g "$(slurp -p)"` and so
  // cannot tell a cancel from a failure: it answers "failed", which the window says as such.
  SlurpDoes("cancel");
  Release(Qt::RightButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !services.messages.empty(); }, 15000));
  EXPECT_TRUE(SlurpRan("cancel"));
  EXPECT_EQ(services.messages[0].text,
            "Pick Colour:\r\n\r\nThe desktop portal could not finish the request.");
  EXPECT_NE(Value(), kBackground);
  SlurpDoes("point");
  Release(Qt::RightButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Value() == kBackground; }, 15000)) << Value().toStdString();
  EXPECT_EQ(services.messages.size(), 1u);
}

TEST_F(WaylandTest, APortalThatNeverAnswersIsGivenUpOnTime) {
  qputenv("TINTORA_PORTAL_TIMEOUT_MS", "1500");
  SlurpDoes("hang");
  QElapsedTimer asked;
  asked.start();
  Release(Qt::RightButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !services.messages.empty(); }, 10000));
  EXPECT_GE(asked.elapsed(), 1500);
  EXPECT_EQ(services.messages[0].text,
            "Pick Colour:\r\n\r\nThe desktop portal did not answer within 2 seconds.");
  qunsetenv("TINTORA_PORTAL_TIMEOUT_MS");
}

// Run by wayland_test.sh on its own, without a session bus: a Wayland desktop with no portal.
using NoPortalTest = WaylandTest;

TEST_F(NoPortalTest, TheWindowSaysThereIsNoScreenAccess) {
  EXPECT_EQ(desktop->Backend(), ScreenBackend::None);
  form->AboutBox()->show();
  EXPECT_TRUE(AboutText().contains("nothing (this desktop gives no screen access)"))
      << AboutText().toStdString();
  // Live capture can be switched on, and its hint says there is nothing to capture here.
  Release(Qt::RightButton);
  EXPECT_TRUE(Find<SpeedButton>("CaptureDesktopSpeedButton")->toolTip().contains("does not let programs"))
      << Find<SpeedButton>("CaptureDesktopSpeedButton")->toolTip().toStdString();
}

// Run by wayland_test.sh on KDE's compositor (kwin, virtual) with KDE's portal backend, the one in
// this Debian that offers GlobalShortcuts.
using KdeShortcutsTest = WaylandTest;

// Presses a global shortcut as KDE's shortcut daemon would: it invokes the shortcut of that
// name in whichever component the portal registered it in. False when none has it.
bool PressGlobalShortcut(const QString& name) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  const QDBusMessage components = bus.call(QDBusMessage::createMethodCall(
      "org.kde.kglobalaccel", "/kglobalaccel", "org.kde.KGlobalAccel", "allComponents"));
  if (components.arguments().isEmpty()) return false;
  for (const QDBusObjectPath& path : qdbus_cast<QList<QDBusObjectPath>>(components.arguments().first())) {
    const QDBusMessage names = bus.call(QDBusMessage::createMethodCall(
        "org.kde.kglobalaccel", path.path(), "org.kde.kglobalaccel.Component", "shortcutNames"));
    if (names.arguments().isEmpty() || !names.arguments().first().toStringList().contains(name)) continue;
    QDBusMessage invoke = QDBusMessage::createMethodCall("org.kde.kglobalaccel", path.path(),
                                                         "org.kde.kglobalaccel.Component", "invokeShortcut");
    invoke << name << QString();
    return bus.call(invoke).type() == QDBusMessage::ReplyMessage;
  }
  return false;
}

TEST_F(KdeShortcutsTest, TheHotKeyIsOfferedAndBoundThroughThePortal) {
  ASSERT_EQ(desktop->Backend(), ScreenBackend::Portal);
  ASSERT_TRUE(QTest::qWaitFor([&] { return services.HotKey().CanGrabHotKey(); }, 10000))
      << "the portal offers no GlobalShortcuts";
  form->OnHeartbeat();  // binds the key chosen in the menu
  QTest::qWait(1000);   // the portal's answer
  EXPECT_TRUE(services.messages.empty());
  EXPECT_FALSE(Find<SpeedButton>("CaptureDesktopSpeedButton")->toolTip().endsWith("global hot key."));
}

TEST_F(KdeShortcutsTest, APressedHotKeyAsksForAPick) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return services.HotKey().CanGrabHotKey(); }, 10000));
  qputenv("TINTORA_PORTAL_TIMEOUT_MS", "2000");
  form->OnHeartbeat();
  if (!QTest::qWaitFor([] { return PressGlobalShortcut("pick-colour"); }, 3000))
    GTEST_SKIP() << "KDE's portal hands a new binding to System Settings for the user to confirm, "
                    "so no shortcut can be pressed without a person; the stand-in portal test presses it";
  // The press asks the portal for a pick, which waits for a click nobody makes here: either
  // the portal says it cannot, or the request runs out of time. Both show the press arrived.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !services.messages.empty(); }, 10000));
  EXPECT_TRUE(services.messages[0].text.startsWith("Pick Colour:"))
      << services.messages[0].text.toStdString();
  qunsetenv("TINTORA_PORTAL_TIMEOUT_MS");
}

}  // namespace
}  // namespace tintora::testing
