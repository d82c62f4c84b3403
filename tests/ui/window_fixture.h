// A main window built as the program builds it, with fake services, for window tests.
#pragma once

#include <memory>
#include <type_traits>

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTest>

#include "app/about_box.h"
#include "app/main_window.h"
#include "capture/pixel_capture.h"
#include "capture/snapshots.h"
#include "colourlist/colour_list_pane.h"
#include "core/io/file_io.h"
#include "fake_services.h"
#include "formats/list_files.h"
#include "harmony/harmony_colours.h"
#include "mixer/colour_viewer.h"
#include "probe.h"
#include "support/temp_dir.h"
#include "widgets/speed_button.h"

QT_BEGIN_NAMESPACE
// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace tintora::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scratch = std::make_unique<TempDir>();
    settingsPath = QString::fromStdString((scratch->Path() / "tintora.ini").string());
    BeforeWindow();
    form = std::make_unique<MainWindow>(services);
    form->SetSettingsFile(settingsPath);
    BeforeStartUp();
    form->StartUp(arguments);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // And what waits for the window's first picture is done: the advanced panes' rooms, the
    // tool pages (the last built) and the lists named on the command line.
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->findChild<QWidget*>("TextToColourMemo"); }));
  }
  void TearDown() override {
    PopupMenuHookReset();
    form.reset();
  }

  // A control of the main window itself (or of its floating mixer): the secondary windows it
  // owns have names of their own (Adjust has a HueTrackBar too), found through their window.
  template <typename T>
  T* Find(const char* name) {
    for (T* w : form->findChildren<T*>(name)) {
      if constexpr (std::is_base_of_v<QWidget, T>) {
        if (w->window() == form.get() || w->window()->objectName() == "HSIMixerWindow") return w;
      } else {
        return w;
      }
    }
    ADD_FAILURE() << "no control named " << name;
    return nullptr;
  }
  // Waits until `window` itself is the active window. (QTest's wait counts a window owned by the
  // active one as active too.)
  // Generous: on a loaded machine the platform may take a while to move the activation.
  static bool WaitActive(QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 5000);
  }
  // Whether a window-modal window of the main window is open (the main window takes no input).
  bool MainWindowWaits() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->parentWidget() && modal->parentWidget()->window() == form.get();
  }
  QSlider* Slider(const char* name) { return Find<QSlider>(name); }
  QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
  QString Text(const char* name) { return Find<QLineEdit>(name)->text(); }
  QString Label(const char* name) { return Find<QLabel>(name)->text(); }
  // The about box's facts (its version, settings file and screen access).
  QString AboutText() { return form->AboutBox()->findChild<QPlainTextEdit*>("Memo1")->toPlainText(); }
  QString Value() { return Text("HexHTMLEdit"); }

  // Sets the three RGB track bars as a user dragging them would.
  // Opens a list file as the user does: the Load button, and the open dialog answering `path`
  // with file type `type`.
  void Load(const QString& path, int type = 1) {
    services.fileAnswers.push_back(FileDialogAnswer{path, type});
    QTest::mouseClick(Find<SpeedButton>("LoadSpeedButton"), Qt::LeftButton);
  }
  void SetRgb(int r, int g, int b) {
    Slider("RedTrackBar")->setValue(r);
    Slider("GreenTrackBar")->setValue(g);
    Slider("BlueTrackBar")->setValue(b);
  }
  // Types text into an edit at its caret, one keystroke at a time.
  void Type(const char* edit, const QString& text) {
    QLineEdit* e = Edit(edit);
    e->setFocus();
    QTest::keyClicks(e, text);
  }
  void Clear(const char* edit) {
    QLineEdit* e = Edit(edit);
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
  }
  void PopupMenuHookReset();
  // Runs before the window is made (a real screen or hot key instead of the fakes).
  virtual void BeforeWindow() {}
  // Runs between constructing the window and its start-up (settings files, command lines).
  virtual void BeforeStartUp() {}

  // Writes a file into the test's scratch folder and answers its path.
  QString WriteFile(const std::string& name, const std::string& bytes) {
    const auto path = scratch->Path() / name;
    EXPECT_FALSE(WriteFileAtomically(path, bytes).has_value());
    return QString::fromStdString(path.string());
  }
  std::string ReadFile(const QString& path) {
    std::string error;
    return ReadWholeFile(path.toStdString(), &error).value_or("<missing>");
  }

  QStringList arguments;
  std::unique_ptr<TempDir> scratch;
  QString settingsPath;
  FakeServices services;
  std::unique_ptr<MainWindow> form;
};

}  // namespace tintora::testing
