// Capture against a real X server (Xvfb): a window of a known colour, the pointer moved over it
// and keys pressed with xdotool, the hot key grabbed on the root window.
#include <cmath>

#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSlider>
#include <QTest>

#include "app/application.h"
#include "app/main_window.h"
#include "app/splash_screen.h"
#include "app/tintora_style.h"
#include "capture/pixel_capture.h"
#include "capture/platform/screen_access.h"
#include "core/capture/capture_maths.h"
#include "core/colour/notations.h"
#include "core/io/file_io.h"
#include "support/root_profile.h"
#include "support/temp_dir.h"
#include "ui/fake_services.h"
#include "widgets/image_box.h"

namespace tintora::testing {
namespace {

// Dialogs from a script, but the real screen and the real global hot key.
class X11Services : public FakeServices {
 public:
  X11Services() {
    realScreen = &desktop_.Screen();
    realHotKey = &desktop_.HotKey();
  }

 private:
  Desktop desktop_;
};

void Xdotool(const QStringList& args) {
  QProcess p;
  p.start("xdotool", args);
  ASSERT_TRUE(p.waitForFinished(5000)) << args.join(' ').toStdString();
  ASSERT_EQ(p.exitCode(), 0) << args.join(' ').toStdString();
}

// Whether another program could grab this key on the root window now (then nobody holds it).
bool Grabbable(const char* keysymName, std::uint16_t mods) {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(c);
  const unsigned keysym = std::string(keysymName) == "F8" ? 0xFFC5 : 0xFFC6;  // F8, F9
  xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
  const xcb_keycode_t code = codes ? codes[0] : 0;
  free(codes);
  xcb_generic_error_t* error = xcb_request_check(
      c, xcb_grab_key_checked(c, 1, root, mods, code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
  const bool ok = error == nullptr;
  free(error);
  xcb_ungrab_key(c, code, root, mods);
  xcb_key_symbols_free(symbols);
  xcb_disconnect(c);
  return ok;
}

class X11CaptureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server";
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
    form->SetSettingsFile(QString::fromStdString((scratch.Path() / "tintora.ini").string()));
    form->StartUp({});
    form->show();
    form->move(0, 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::qWait(100);
  }
  void MovePointer(int x, int y) {
    Xdotool({"mousemove", QString::number(x), QString::number(y)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QCursor::pos() == QPoint(x, y); }, 3000));
  }
  QString Selector() { return form->findChild<QLineEdit*>("ColourSelectorEdit")->text(); }
  QString Value() { return form->findChild<QLineEdit*>("HexHTMLEdit")->text(); }

  TempDir scratch;
  X11Services services;
  std::unique_ptr<QWidget> swatch;
  std::unique_ptr<MainWindow> form;
};

TEST_F(X11CaptureTest, TheHotKeyTakesThePixelUnderThePointer) {
  ASSERT_TRUE(services.HotKey().CanGrabHotKey());
  form->Capture().PixelCaptureToggler();
  MovePointer(1000, 700);
  form->OnHeartbeat();  // reads the pixel, and grabs Alt+F8
  EXPECT_EQ(Selector(), "3366CC");
  EXPECT_EQ(Value(), "000000");
  EXPECT_FALSE(Grabbable("F8", XCB_MOD_MASK_1));  // we hold it

  Xdotool({"key", "alt+F8"});
  EXPECT_TRUE(QTest::qWaitFor([&] { return Value() == "3366CC"; }, 3000)) << Value().toStdString();

  // Capture off: the same key does nothing.
  form->Capture().PixelCaptureToggler();
  form->findChild<QSlider*>("RedTrackBar")->setValue(1);
  Xdotool({"key", "alt+F8"});
  QTest::qWait(300);
  EXPECT_EQ(Value(), "0166CC");
}

TEST_F(X11CaptureTest, TheX11ReaderReadsThePointerPixelsAndBlocks) {
  ScreenAccess& screen = services.Screen();
  const Rgb8 blue{0x33, 0x66, 0xCC};
  MovePointer(1000, 700);
  EXPECT_EQ(screen.CursorPos(), QPoint(1000, 700));
  EXPECT_EQ(screen.PixelAt({1000, 700}), blue);
  // At rest the pixel comes with the pointer's position; it must still follow the screen.
  QPalette pal = swatch->palette();
  pal.setColor(QPalette::Window, QColor(0x10, 0x20, 0x30));
  swatch->setPalette(pal);
  swatch->repaint();
  QTest::qWait(100);
  EXPECT_EQ(screen.CursorPos(), QPoint(1000, 700));
  EXPECT_EQ(screen.PixelAt({1000, 700}), (Rgb8{0x10, 0x20, 0x30}));
  // A pointer that moved reads where it is now, not where it was.
  MovePointer(850, 700);
  EXPECT_EQ(screen.CursorPos(), QPoint(850, 700));
  EXPECT_NE(screen.PixelAt({850, 700}), (Rgb8{0x10, 0x20, 0x30}));
  // A block across the swatch's left edge, and one hanging over the screen's corner.
  const QImage edge = screen.GrabRect(QRect(894, 700, 12, 12));
  ASSERT_EQ(edge.size(), QSize(12, 12));
  EXPECT_EQ(edge.pixel(6, 6), qRgb(0x10, 0x20, 0x30));
  EXPECT_NE(edge.pixel(5, 6), qRgb(0x10, 0x20, 0x30));
  // At rest the block comes with the pointer's position, as the pixel does, and follows the
  // screen just the same.
  EXPECT_EQ(screen.CursorPos(), QPoint(850, 700));
  EXPECT_EQ(screen.GrabRect(QRect(894, 700, 12, 12)), edge);
  pal.setColor(QPalette::Window, QColor(0x40, 0x50, 0x60));
  swatch->setPalette(pal);
  swatch->repaint();
  QTest::qWait(100);
  EXPECT_EQ(screen.CursorPos(), QPoint(850, 700));
  EXPECT_EQ(screen.GrabRect(QRect(894, 700, 12, 12)).pixel(6, 6), qRgb(0x40, 0x50, 0x60));
  const QImage corner = screen.GrabRect(QRect(1274, 1018, 12, 12));
  EXPECT_EQ(corner.pixel(11, 11), qRgb(0, 0, 0));
  EXPECT_EQ(screen.PixelAt({5000, 5000}), std::nullopt);
}

TEST_F(X11CaptureTest, AChangedKeyReleasesTheOldOne) {
  form->OnHeartbeat();
  ASSERT_FALSE(Grabbable("F8", XCB_MOD_MASK_1));
  form->findChild<QAction*>("F91")->trigger();
  form->OnHeartbeat();
  EXPECT_TRUE(Grabbable("F8", XCB_MOD_MASK_1));   // given back
  EXPECT_FALSE(Grabbable("F9", XCB_MOD_MASK_1));  // the new one held
  form.reset();
  EXPECT_TRUE(Grabbable("F9", XCB_MOD_MASK_1));  // and given back at exit
}

// The root window's profile set, and the window's connection given time to hear of it.
void SetRootProfile(const QByteArray& icc) {
  ASSERT_TRUE(
      testing::SetRootProfile(std::string_view(icc.constData(), static_cast<std::size_t>(icc.size()))));
  QTest::qWait(50);
}

// LittleCMS's own calculator: the sRGB colour a device colour shows through a profile.
QString Transicc(const char* profile, int red, int green, int blue) {
  QProcess p;
  p.start("transicc", {"-i", profile, "-o", "*sRGB", "-t", "1", "-n"});
  if (!p.waitForStarted(5000)) return {};
  p.write(QString("%1 %2 %3\n").arg(red).arg(green).arg(blue).toLatin1());
  p.closeWriteChannel();
  p.waitForFinished(5000);
  const QStringList v = QString::fromLatin1(p.readAllStandardOutput()).simplified().split(' ');
  if (v.size() < 3) return {};
  return QString::fromStdString(BGRIntToRGBHEX(
      ColourFromRgb(qRound(v[0].toDouble()), qRound(v[1].toDouble()), qRound(v[2].toDouble()))));
}

// Within one per channel of each other.
bool Near(const QString& a, const QString& b) {
  const int x = RGBHEXToBGRInt(a.toStdString()), y = RGBHEXToBGRInt(b.toStdString());
  return std::abs(RedOf(x) - RedOf(y)) <= 1 && std::abs(GreenOf(x) - GreenOf(y)) <= 1 &&
         std::abs(BlueOf(x) - BlueOf(y)) <= 1;
}

TEST_F(X11CaptureTest, TheDisplaysProfileTurnsPicksIntoTheColourShown) {
  constexpr const char* kWideGamut = "/usr/share/color/icc/compatibleWithAdobeRGB1998.icc";
  QFile file(kWideGamut);
  if (!file.open(QIODevice::ReadOnly)) GTEST_SKIP() << kWideGamut << " is not here (icc-profiles-free)";
  const QString expected = Transicc(kWideGamut, 0x80, 0x64, 0x50);
  if (expected.isEmpty()) GTEST_SKIP() << "transicc did not answer (liblcms2-utils)";
  const QByteArray icc = file.readAll();
  struct Removed {  // whatever happens, the next tests see a screen without a profile
    ~Removed() { SetRootProfile({}); }
  } removed;
  QPalette pal = swatch->palette();
  pal.setColor(QPalette::Window, QColor(0x80, 0x64, 0x50));
  swatch->setPalette(pal);
  swatch->repaint();
  auto* button = form->findChild<QWidget*>("CaptureDesktopSpeedButton");
  auto* screenValue = form->findChild<QAction*>("CopyScreenValue1");
  ASSERT_TRUE(button && screenValue);
  form->Capture().PixelCaptureToggler();
  MovePointer(1000, 700);
  form->OnHeartbeat();
  ASSERT_EQ(Selector(), "806450");  // no profile: the screen's own value

  SetRootProfile(icc);
  form->OnHeartbeat();
  EXPECT_TRUE(Near(Selector(), expected))
      << Selector().toStdString() << " vs transicc " << expected.toStdString();
  EXPECT_NE(Selector(), "806450");
  EXPECT_TRUE(button->toolTip().contains("colour-managed: ")) << button->toolTip().toStdString();
  ASSERT_TRUE(screenValue->isEnabled());
  screenValue->trigger();
  EXPECT_EQ(services.ClipboardText(), "#806450");

  // Turned off in the menu, and on again.
  QAction* useProfile = form->findChild<QAction*>("UseDisplayProfile1");
  useProfile->trigger();
  form->OnHeartbeat();
  EXPECT_EQ(Selector(), "806450");
  EXPECT_FALSE(button->toolTip().contains("colour-managed"));
  useProfile->trigger();
  form->OnHeartbeat();
  EXPECT_TRUE(Near(Selector(), expected));

  // A broken profile is ignored with the reason; a removed one leaves the values raw.
  SetRootProfile(icc.left(100));
  form->OnHeartbeat();
  EXPECT_EQ(Selector(), "806450");
  EXPECT_TRUE(button->toolTip().contains("display profile ignored: ")) << button->toolTip().toStdString();
  SetRootProfile(icc);
  form->OnHeartbeat();
  EXPECT_TRUE(Near(Selector(), expected));
  SetRootProfile({});
  form->OnHeartbeat();
  EXPECT_EQ(Selector(), "806450");
  EXPECT_FALSE(screenValue->isEnabled());
  EXPECT_FALSE(button->toolTip().contains("colour-managed"));
}

// Under a scale factor of 2 (run with QT_SCALE_FACTOR=2): positions are logical, and the pixel
// read is the device pixel under the logical position, in the plain read and in the zoom.
TEST(X11HiDpi, TheDevicePixelUnderTheLogicalPositionIsRead) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server";
  if (QGuiApplication::primaryScreen()->devicePixelRatio() != 2.0)
    GTEST_SKIP() << "runs with QT_SCALE_FACTOR=2";
  // A swatch at logical (300, 200), device (600, 400), on the server's black root.
  QWidget swatch(nullptr, Qt::Window | Qt::FramelessWindowHint);
  swatch.setAutoFillBackground(true);
  QPalette pal = swatch.palette();
  pal.setColor(QPalette::Window, QColor(0x33, 0x66, 0xCC));
  swatch.setPalette(pal);
  swatch.setGeometry(300, 200, 100, 100);
  swatch.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&swatch));
  QTest::qWait(100);

  X11Services services;
  ASSERT_EQ(services.Screen().BackendName(), "X11");
  const Rgb8 blue{0x33, 0x66, 0xCC};
  // The swatch's left edge: device x 600. Reading the logical x as a device one (300), or the
  // device pixel left of it (599), gives the root's black.
  Xdotool({"mousemove", "600", "500"});
  ASSERT_TRUE(QTest::qWaitFor([&] { return QCursor::pos() == QPoint(300, 250); }, 3000))
      << QCursor::pos().x() << "," << QCursor::pos().y();
  QtScreenAccess qtReader;  // the Windows path, here on X11
  for (ScreenAccess* reader : {&services.Screen(), static_cast<ScreenAccess*>(&qtReader)}) {
    SCOPED_TRACE(reader->BackendName().toStdString());
    EXPECT_EQ(reader->CursorPos(), QPoint(300, 250));
    EXPECT_EQ(reader->PixelAt({300, 250}), blue);
    EXPECT_EQ(reader->PixelAt({299, 250}), Rgb8{});
    const QImage block = reader->GrabRect(QRect(294, 244, 12, 12));
    ASSERT_EQ(block.size(), QSize(12, 12));
    EXPECT_EQ(block.pixel(6, 6), qRgb(0x33, 0x66, 0xCC));
    EXPECT_EQ(block.pixel(5, 6), qRgb(0, 0, 0));
    const QImage desktop = reader->GrabPrimaryScreen();  // the snapshot
    ASSERT_EQ(desktop.size(), QSize(640, 512));
    EXPECT_EQ(desktop.devicePixelRatio(), 1.0);
    EXPECT_EQ(desktop.pixel(300, 250), qRgb(0x33, 0x66, 0xCC));
    EXPECT_EQ(desktop.pixel(299, 250), qRgb(0, 0, 0));
  }

  // The window's own capture, magnified: the zoom's centre is the swatch, the pixel left of it is not.
  TempDir scratch;
  MainWindow form(services);
  form.SetSettingsFile(QString::fromStdString((scratch.Path() / "tintora.ini").string()));
  form.StartUp({});
  form.SplashScreen()->hide();  // it opens over the middle of the screen, and the swatch
  swatch.raise();
  QTest::qWait(200);
  form.Capture().PixelCaptureToggler();
  form.findChild<QAction*>("ZoomViewOnOff1")->setChecked(true);
  form.OnHeartbeat();
  EXPECT_EQ(form.findChild<QLineEdit*>("ColourSelectorEdit")->text(), "3366CC");
  const QImage zoom = form.findChild<ImageBox*>("ZoomImage")->Picture();
  ASSERT_EQ(zoom.size(), QSize(kZoomShown, kZoomShown));
  const int cell = kZoomShown / kZoomBlock;  // about 4 shown pixels per read pixel
  const int centre = ZoomCentre(kZoomBlock) * kZoomShown / kZoomBlock + cell / 2;
  EXPECT_EQ(zoom.pixel(centre, centre), qRgb(0x33, 0x66, 0xCC));
  EXPECT_EQ(zoom.pixel(centre - 2 * cell, centre), qRgb(0, 0, 0));
  EXPECT_EQ(zoom.pixel(centre + 2 * cell, centre), qRgb(0x33, 0x66, 0xCC));
}

// At any scale the pixel read is the device pixel under the pointer's hot spot, not the first
// device pixel of the logical one it lies in: the screen is one-pixel stripes, white on even
// device columns and black on odd ones.
TEST(X11HiDpi, ThePointersOwnDevicePixelIsReadAtAnyScale) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server";
  const qreal dpr = QGuiApplication::primaryScreen()->devicePixelRatio();
  if (dpr == 1.0) GTEST_SKIP() << "runs with QT_SCALE_FACTOR above 1";
  TempDir scratch;
  const std::string tile = (scratch.Path() / "stripes.xbm").string();
  ASSERT_FALSE(WriteFileAtomically(tile,
                                   "#define s_width 8\n#define s_height 2\n"
                                   "static unsigned char s_bits[] = {\n 0x55, 0x55};\n"));
  QProcess paint;
  paint.start("xsetroot", {"-bitmap", QString::fromStdString(tile), "-fg", "white", "-bg", "black"});
  ASSERT_TRUE(paint.waitForFinished(5000));
  ASSERT_EQ(paint.exitCode(), 0) << paint.readAllStandardError().toStdString();
  X11Services services;
  ScreenAccess& screen = services.Screen();
  for (int x = 601; x <= 606; ++x) {
    SCOPED_TRACE(x);
    Xdotool({"mousemove", QString::number(x), "500"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::abs(QCursor::pos().x() - x / dpr) < 1; }, 3000));
    const Rgb8 expected = x % 2 == 0 ? Rgb8{255, 255, 255} : Rgb8{};
    const QPoint at = screen.CursorPos();
    EXPECT_EQ(screen.PixelAt(at), expected);
    const int c = ZoomCentre(kZoomBlock);
    const QImage block = screen.GrabRect(QRect(at.x() - c, at.y() - c, kZoomBlock, kZoomBlock));
    EXPECT_EQ(Rgb8::Of(ColourOfPixel(block.pixel(c, c))), expected) << "magnified";
  }
  // The arrow keys' nudge moves by one device pixel: from the white 606 to the black 607.
  screen.MovePointer({1, 0});
  ASSERT_TRUE(QTest::qWaitFor([&] { return screen.PixelAt(screen.CursorPos()) == Rgb8{}; }, 3000));
  QProcess clear;
  clear.start("xsetroot", {"-solid", "black"});
  clear.waitForFinished(5000);
}

}  // namespace
}  // namespace tintora::testing

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::puts("SKIP: no DISPLAY: the X11 tests run under xvfb-run (make test)");
    return 77;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  tintora::TintoraApplication app(argc, argv);
  tintora::ApplyTintoraLook();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
