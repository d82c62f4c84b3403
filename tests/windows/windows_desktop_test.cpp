// What only Windows has, tested as a Windows program under Wine on an X server: the hot key
// through RegisterHotKey (Wine grabs it on the X server, so xdotool presses it), the screen read
// through Qt's grab (GDI underneath), the clipboard as other programs see it, and where the
// settings file lives. xdotool and xclip are the X server's own programs, started from Windows.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>

#include "app/application.h"
#include "app/main_window.h"
#include "app/tintora_style.h"
#include "capture/pixel_capture.h"
#include "capture/platform/desktop.h"
#include "core/io/file_io.h"
#include "settings/settings_file.h"
#include "support/temp_dir.h"
#include "ui/fake_services.h"

namespace tintora::testing {
namespace {

// Dialogs from a script; the real screen, hot key and clipboard.
class WindowsServices : public FakeServices {
 public:
  WindowsServices() {
    realScreen = &desktop_.Screen();
    realHotKey = &desktop_.HotKey();
  }
  void SetClipboardText(const QString& text) override { QGuiApplication::clipboard()->setText(text); }

 private:
  Desktop desktop_;
};

// Starts a command on the X server's side: Wine starts a Unix program named by its whole path
// (a name without ".exe" would be looked for with it) but cannot wait for it, so the tests wait
// for what it does; what it prints goes to a file the test reads through Wine's Z: drive.
void RunX(const QString& command) {
  QProcess p;
  p.setCreateProcessArgumentsModifier(
      [](QProcess::CreateProcessArguments* a) { a->applicationName = L"Z:\\bin\\sh"; });
  p.setProgram("sh");
  p.setArguments({"-c", command});
  ASSERT_TRUE(p.startDetached()) << command.toStdString();
}

// What another program of the desktop finds on the clipboard.
QString XClipboard() {
  const QString file = QString("/tmp/tintora-clipboard-%1").arg(QCoreApplication::applicationPid());
  QFile::remove("Z:" + file);
  RunX("xclip -o -selection clipboard >" + file + ".part; mv " + file + ".part " + file);
  QTest::qWaitFor([&] { return QFile::exists("Z:" + file); }, 5000);
  QFile read("Z:" + file);
  read.open(QIODevice::ReadOnly);
  return QString::fromUtf8(read.readAll());
}

class WindowsDesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    swatch = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
    swatch->setAutoFillBackground(true);
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Window, QColor(0x33, 0x66, 0xCC));
    swatch->setPalette(pal);
    swatch->setGeometry(900, 600, 200, 200);
    swatch->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(swatch.get()));
    form = std::make_unique<MainWindow>(services);
    // The hot key these tests press: Alt+F8.
    ASSERT_FALSE(
        WriteFileAtomically(scratch.Path() / "tintora.ini",
                            "[External Colour]\r\nHotKeyALT=1\r\nActivePixelCaptureHotkeySuffix=6\r\n"));
    form->SetSettingsFile(QString::fromStdString(PathToUtf8(scratch.Path() / "tintora.ini")));
    form->StartUp({});
    form->show();
    form->move(0, 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::qWait(200);
  }
  void MovePointer(int x, int y) {
    RunX(QString("xdotool mousemove %1 %2").arg(x).arg(y));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QCursor::pos() == QPoint(x, y); }, 3000))
        << QCursor::pos().x() << "," << QCursor::pos().y();
  }
  QString Value() { return form->findChild<QLineEdit*>("HexHTMLEdit")->text(); }

  TempDir scratch;
  WindowsServices services;
  std::unique_ptr<QWidget> swatch;
  std::unique_ptr<MainWindow> form;
};

TEST_F(WindowsDesktopTest, LiveCaptureAndTheHotKeyTakeThePixelUnderThePointer) {
  ASSERT_TRUE(services.HotKey().CanGrabHotKey());
  form->Capture().PixelCaptureToggler();
  MovePointer(1000, 700);
  form->OnHeartbeat();  // reads the pixel, and registers Alt+F8
  EXPECT_EQ(form->findChild<QLineEdit*>("ColourSelectorEdit")->text(), "3366CC");
  EXPECT_EQ(Value(), "000000");
  RunX("xdotool key alt+F8");
  EXPECT_TRUE(QTest::qWaitFor([&] { return Value() == "3366CC"; }, 5000)) << Value().toStdString();
  // Capture off: the key is given back and does nothing.
  form->Capture().PixelCaptureToggler();
  form->findChild<QSlider*>("RedTrackBar")->setValue(1);
  form->OnHeartbeat();
  RunX("xdotool key alt+F8");
  QTest::qWait(500);
  EXPECT_EQ(Value(), "0166CC");
}

TEST_F(WindowsDesktopTest, CopiedValuesReachOtherProgramsClipboard) {
  form->findChild<QSlider*>("RedTrackBar")->setValue(0x12);
  form->findChild<QSlider*>("GreenTrackBar")->setValue(0x34);
  form->findChild<QSlider*>("BlueTrackBar")->setValue(0x56);
  form->findChild<QPushButton*>("CopyValueButton")->click();
  EXPECT_EQ(XClipboard(), "123456");
}

TEST(WindowsSettings, LiveInTheUsersApplicationDataFolder) {
  const QString path = DefaultSettingsFilePath();
  EXPECT_TRUE(path.endsWith("/AppData/Local/tintora/tintora.ini")) << path.toStdString();
  EXPECT_EQ(QDir::toNativeSeparators(path).front(), 'C');
}

}  // namespace
}  // namespace tintora::testing

int main(int argc, char** argv) {
  tintora::TintoraApplication app(argc, argv);
  tintora::ApplyTintoraLook();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
