// The desktop portal backend against a stand-in portal on a private session bus (started by
// fake_portal.py around this program): the real window, offscreen, asking it for colours,
// pictures and a global shortcut, and every way the portal can fail to oblige.
#include <filesystem>

#include <QCheckBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>

#include "app/about_box.h"
#include "capture/platform/desktop.h"
#include "capture/screen_shot_window.h"
#include "widgets/popup_ext.h"
#include "widgets/speed_button.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

// One call to the stand-in's control interface; its answer's arguments.
QVariantList Control(const char* method, const QVariantList& arguments = {}) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      "org.freedesktop.portal.Desktop", "/org/tintora/FakePortal", "org.tintora.FakePortal", method);
  call.setArguments(arguments);
  const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
  EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << method << ": " << reply.errorMessage().toStdString();
  return reply.arguments();
}

QStringList PortalLog() {
  const QVariantList answer = Control("Log");
  return answer.isEmpty() ? QStringList() : answer.first().toStringList();
}

class PortalTest : public WindowTest {
 protected:
  void BeforeWindow() override {
    qputenv("TINTORA_SCREEN", "portal");
    qunsetenv("TINTORA_PORTAL_TIMEOUT_MS");
    std::filesystem::create_directories(scratch->Path() / "tmp");
    qputenv("TMPDIR", QByteArray::fromStdString((scratch->Path() / "tmp").string()));
    Control("Reset");
    BeforeDesktop();
    desktop = std::make_unique<Desktop>();
    services.realScreen = &desktop->Screen();
    services.realHotKey = &desktop->HotKey();
  }
  void TearDown() override {
    WindowTest::TearDown();
    qunsetenv("TMPDIR");
  }
  virtual void BeforeDesktop() {}
  void BeforeStartUp() override {
    WriteFile("tintora.ini", "[External Colour]\r\nHotKeyALT=1\r\nActivePixelCaptureHotkeySuffix=6\r\n");
  }
  void Release(Qt::MouseButton b) {
    SpeedButton* button = Find<SpeedButton>("CaptureDesktopSpeedButton");
    QTest::mousePress(button, b);
    QTest::mouseRelease(button, b);
  }
  QString Selector() { return Text("ColourSelectorEdit"); }
  // Waits until the stand-in has logged a line starting with `line`.
  bool Logged(const QString& line, int ms = 3000) {
    return QTest::qWaitFor(
        [&] {
          const QStringList log = PortalLog();
          return std::any_of(log.begin(), log.end(), [&](const QString& l) { return l.startsWith(line); });
        },
        ms);
  }

  std::unique_ptr<Desktop> desktop;
};

TEST_F(PortalTest, ThePortalIsTheBackendAndTheAboutBoxSaysSo) {
  EXPECT_EQ(desktop->Backend(), ScreenBackend::Portal);
  EXPECT_TRUE(services.Screen().PicksOnRequest());
  EXPECT_FALSE(services.Screen().CanReadScreen());
  form->AboutBox()->show();  // what the user opens to find out
  EXPECT_TRUE(AboutText().contains("Screen colours are read through the desktop portal."));
  form->OnHeartbeat();
  EXPECT_TRUE(Find<SpeedButton>("CaptureDesktopSpeedButton")
                  ->toolTip()
                  .startsWith("Snap photo of desktop.\nRight click to pick a"));
}

TEST_F(PortalTest, AStoredLiveCaptureWaitsForADesktopThatHasIt) {
  // Live capture cannot run here; the stored choice stays for the next X11 session.
  WriteFile("tintora.ini", "[External Colour]\r\nActivePixelCapture=1\r\nHotKeyALT=1\r\n");
  form->LoadSettings();
  EXPECT_FALSE(form->Capture().CaptureActive());
  form->SaveSettings();
  EXPECT_NE(ReadFile(settingsPath).find("ActivePixelCapture=1"), std::string::npos);
}

TEST_F(PortalTest, ARightClickPicksOneColourWhichIsTakenAndIndexed) {
  Control("SetColour", {0.2, 0.4, 0.6});
  Find<QCheckBox>("AutoIndexCheckBox")->setChecked(true);
  Find<QCheckBox>("AutoCopyCheckBox")->setChecked(true);
  Release(Qt::RightButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Value() == "336699"; }, 3000)) << Value().toStdString();
  EXPECT_EQ(Selector(), "336699");
  ASSERT_EQ(form->List().Entries().size(), 1u);
  EXPECT_EQ(form->List().Entries()[0].value, "336699");
  EXPECT_EQ(services.clipboardText, "336699");
  EXPECT_FALSE(form->Capture().CaptureActive());  // no live capture to switch on here
  EXPECT_TRUE(services.messages.empty());
  // The request carried a handle token, and the answer came on the path made from it.
  EXPECT_TRUE(PortalLog().first().startsWith("PickColor tintora"));
}

TEST_F(PortalTest, EndingsOtherThanAColour) {
  struct Case {
    const char* mode;
    const char* timeout;  // TINTORA_PORTAL_TIMEOUT_MS, or null
    QString message;      // empty: nothing is said
  };
  const Case cases[] = {
      {"cancel", nullptr, ""},
      {"fail", nullptr, "Pick Colour:\r\n\r\nThe desktop portal could not finish the request."},
      {"error", nullptr,
       "Pick Colour:\r\n\r\nThe desktop portal refused the request: Access denied by the test"},
      {"silent", "1000", "Pick Colour:\r\n\r\nThe desktop portal did not answer within 1 second."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    Control("Reset");
    Control("SetMode", {"pick", c.mode});
    Control("SetColour", {1.0, 1.0, 1.0});
    if (c.timeout) qputenv("TINTORA_PORTAL_TIMEOUT_MS", c.timeout);
    services.messages.clear();
    Find<QCheckBox>("AutoIndexCheckBox")->setChecked(true);
    QElapsedTimer asked;
    asked.start();
    Release(Qt::RightButton);
    ASSERT_TRUE(Logged("PickColor"));
    if (c.message.isEmpty()) {
      QTest::qWait(300);  // long past the stand-in's answer
    } else {
      ASSERT_TRUE(QTest::qWaitFor([&] { return !services.messages.empty(); }, 5000));
      // The time-out gives the portal all its time, never less.
      if (c.timeout) {
        EXPECT_GE(asked.elapsed(), std::stoi(c.timeout));
      }
      QTest::qWait(100);  // room for a second message, which must not come
    }
    qunsetenv("TINTORA_PORTAL_TIMEOUT_MS");
    EXPECT_EQ(Selector(), "000000");
    EXPECT_TRUE(form->List().Entries().empty());
    if (c.message.isEmpty()) {
      EXPECT_TRUE(services.messages.empty());
    } else {
      ASSERT_EQ(services.messages.size(), 1u);
      EXPECT_EQ(services.messages[0].text, c.message);
    }
    // A portal that never answered is told to drop the request.
    EXPECT_EQ(PortalLog().contains("Close request"), std::string(c.mode) == "silent");
  }
}

TEST_F(PortalTest, TheSnapshotIsThePortalsPictureAndItsScratchCopyIsRemoved) {
  struct Case {
    bool inTemp;
  };
  for (const Case c : {Case{true}, Case{false}}) {
    SCOPED_TRACE(c.inTemp ? "in the temporary folder" : "among the user's files");
    const QString folder = c.inTemp ? QDir::tempPath() + "/portal-made"
                                    : QString::fromStdString((scratch->Path() / "Pictures").string());
    QDir().mkpath(folder);
    const QString picture = folder + "/Screenshot.png";
    Control("WritePicture", {picture, 40, 30});
    Release(Qt::LeftButton);
    ScreenShotWindow* shot = form->ScreenShot();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shot->isVisible(); }, 5000));
    ASSERT_EQ(shot->Picture().size(), QSize(40, 30));
    EXPECT_EQ(shot->Picture().pixel(7, 3), qRgb(7, 3, 0x5A));
    EXPECT_EQ(shot->Picture().pixel(39, 29), qRgb(39, 29, 0x5A));
    EXPECT_EQ(QFile::exists(picture), !c.inTemp);
    EXPECT_TRUE(PortalLog().contains("Screenshot interactive=False"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(services.messages.empty());
    shot->hide();
  }
}

TEST_F(PortalTest, ASnapshotThePortalCannotTakeIsSaidOnceAndTheWindowComesBack) {
  Control("SetMode", {"shot", "error"});
  Release(Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !services.messages.empty(); }, 5000));
  QTest::qWait(100);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text,
            "Screen Shot:\r\n\r\nThe desktop portal refused the request: Access denied by the test");
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form->ScreenShot()->isVisible());
}

TEST_F(PortalTest, TheHotKeyIsBoundThroughGlobalShortcutsAndPicksWhenPressed) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return services.HotKey().CanGrabHotKey(); }, 3000));
  form->OnHeartbeat();
  ASSERT_TRUE(Logged("Bind pick-colour ALT+F8"));
  Control("SetColour", {1.0, 0.0, 0.5});
  Find<QCheckBox>("AutoIndexCheckBox")->setChecked(true);
  Control("Press", {"pick-colour"});
  ASSERT_TRUE(QTest::qWaitFor([&] { return Value() == "FF0080"; }, 3000)) << Value().toStdString();
  EXPECT_EQ(form->List().Entries().size(), 1u);
  // Another key: the old session goes, a new one is bound.
  form->findChild<QAction*>("F91")->trigger();
  form->OnHeartbeat();
  ASSERT_TRUE(Logged("Bind pick-colour ALT+F9"));
  EXPECT_TRUE(PortalLog().contains("Close session"));
  // A press for some other program's shortcut is not ours.
  Control("Press", {"something-else"});
  QTest::qWait(200);
  EXPECT_EQ(form->List().Entries().size(), 1u);
  // The middle button opens the hot-key menu, which claims nothing.
  bool unavailableShown = true;
  PopupMenu::SetExecHook([&](PopupMenu* menu, const QPoint&) -> QAction* {
    unavailableShown = menu->findChild<QAction*>("HotKeyUnavailable1")->isVisible();
    return nullptr;
  });
  Release(Qt::MiddleButton);
  EXPECT_FALSE(unavailableShown);
}

class PortalWithoutShortcutsTest : public PortalTest {
 protected:
  void BeforeDesktop() override { Control("SetShortcutsVersion", {0u}); }
};

TEST_F(PortalWithoutShortcutsTest, TheMenuAndTheHintSayThereIsNoHotKey) {
  QTest::qWait(300);  // the portal's answer about its version
  form->OnHeartbeat();
  EXPECT_FALSE(services.HotKey().CanGrabHotKey());
  EXPECT_FALSE(PortalLog().contains("CreateSession"));
  EXPECT_TRUE(Find<SpeedButton>("CaptureDesktopSpeedButton")->toolTip().endsWith("global hot key."));
  QString opened;
  bool unavailableShown = false;
  PopupMenu::SetExecHook([&](PopupMenu* menu, const QPoint&) -> QAction* {
    opened = menu->objectName();
    unavailableShown = menu->findChild<QAction*>("HotKeyUnavailable1")->isVisible();
    return nullptr;
  });
  Release(Qt::MiddleButton);
  EXPECT_EQ(opened, "ActivePixHotKeyPopupExt");
  EXPECT_TRUE(unavailableShown);
}

}  // namespace
}  // namespace tintora::testing
