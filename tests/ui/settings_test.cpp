// The settings file in the window: what a start without one looks like, every key set in the
// window and found again by a second window on the same file, the keys with commands of their
// own, the saved position on a screen that is gone, and a file that cannot be written.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>

#include "core/settings/ini_file.h"
#include "harmony/wheel_options_window.h"
#include "settings/default_folder_window.h"
#include "settings/settings_file.h"
#include "widgets/image_box.h"
#include "widgets/popup_ext.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

// What the settings can say, as the window shows it.
struct Shown {
  QPoint position;
  std::map<std::string, bool> checked;
  bool advanced = false, onTop = false, unlocked = false, capturing = false, large = false;

  bool operator==(const Shown&) const = default;
};

const char* const kChecks[] = {"HexOrDecimalRadioButton2", "HTMLCheckBox", "IENSCheckBox", "BGRCheckBox",
                               "AutoCopyCheckBox"};
const char* const kItems[] = {"WebSafeIndicatorGridONOFF1",
                              "RetreiveAllAsWebsafe1",
                              "SetWebsafePaletteOn1",
                              "ZoomViewOnOff1",
                              "Shift1",
                              "Ctrl1",
                              "Alt1",
                              "F81",
                              "NumPad51",
                              "AutoLoadLastUsedFile1",
                              "ShowComplimentaryColours1",
                              "WebsafeComplimentsOnly1",
                              "Complimentary1",
                              "Tetradic1"};

Shown Look(MainWindow& form) {
  Shown s;
  s.position = form.pos();
  for (const char* name : kChecks) s.checked[name] = form.findChild<QAbstractButton*>(name)->isChecked();
  for (const char* name : kItems) s.checked[name] = form.findChild<QAction*>(name)->isChecked();
  s.advanced = !form.findChild<QTabWidget*>("PageControl1")->isHidden();
  s.onTop = form.OnTop().OnTopState();
  s.unlocked = !form.Selector().DerivativesLocked();
  s.capturing = form.Capture().CaptureActive();
  s.large = !form.Viewer().SampleLayoutShown();
  return s;
}

class SettingsTest : public WindowTest {
 protected:
  void Pick(QWidget* source, const char* item) {
    PopupMenu::SetExecHook(
        [item](PopupMenu* menu, const QPoint&) { return menu->findChild<QAction*>(item); });
    emit source->customContextMenuRequested(QPoint(1, 1));
    PopupMenu::SetExecHook(nullptr);
  }
  // A right click on the Load button, and an item of its menu.
  void LoadMenu(const char* item) {
    PopupMenu::SetExecHook(
        [item](PopupMenu* menu, const QPoint&) { return menu->findChild<QAction*>(item); });
    QWidget* load = Find<QWidget>("LoadSpeedButton");
    QTest::mousePress(load, Qt::RightButton);
    QTest::mouseRelease(load, Qt::RightButton);
    PopupMenu::SetExecHook(nullptr);
  }
  void SaveAsDefault() {
    services.answers = {MessageAnswer::Yes};
    QTest::mouseClick(Find<ImageBox>("ToolImage"), Qt::LeftButton);
  }
  IniFile Ini() { return IniFile(settingsPath.toStdString()); }
  std::unique_ptr<MainWindow> Restart() {
    auto second = std::make_unique<MainWindow>(services);
    second->SetSettingsFile(settingsPath);
    second->StartUp({});
    second->ListPane();  // the advanced rooms, as the first picture would have them built
    return second;
  }
};

TEST_F(SettingsTest, WithoutAFileTheWindowStartsAsTheDesignSays) {
  // The first start opens in the middle of the screen.
  const QRect screen = form->screen()->availableGeometry();
  // (Within the rounding of an odd width or height on either side.)
  EXPECT_LE(std::abs(form->frameGeometry().center().x() - screen.center().x()), 2);
  EXPECT_LE(std::abs(form->frameGeometry().center().y() - screen.center().y()), 2);
  EXPECT_TRUE(Find<QTabWidget>("PageControl1")->isHidden());
  EXPECT_TRUE(Find<QRadioButton>("HexOrDecimalRadioButton1")->isChecked());
  for (const char* modifier : {"Shift1", "Ctrl1", "Alt1"})
    EXPECT_FALSE(form->findChild<QAction*>(modifier)->isChecked()) << modifier;
  EXPECT_TRUE(form->findChild<QAction*>("F81")->isChecked());
  form->OnHeartbeat();
  EXPECT_EQ(services.hotKey.modifiers, 0u);  // F8 alone
  EXPECT_EQ(services.hotKey.virtualKey, 0x77u);
  EXPECT_EQ(form->WheelCustomizer()->Options().divisions, 12);
  EXPECT_TRUE(form->WheelCustomizer()->Options().outline);
  EXPECT_FALSE(QFileInfo::exists(settingsPath));  // nothing is written just by starting
}

TEST_F(SettingsTest, EveryKeySetInTheWindowIsThereAtTheNextStart) {
  form->move(40, 50);
  Find<QRadioButton>("HexOrDecimalRadioButton2")->setChecked(true);
  Find<QCheckBox>("BGRCheckBox")->setChecked(true);
  Find<QCheckBox>("AutoCopyCheckBox")->setChecked(true);
  QTest::mouseClick(Find<ImageBox>("ExpandImage"), Qt::LeftButton);
  QTest::mouseClick(Find<ImageBox>("OnTopImage"), Qt::LeftButton);
  Pick(Slider("RedTrackBar"), "WebSafeIndicatorGridONOFF1");
  form->findChild<QAction*>("RetreiveAllAsWebsafe1")->trigger();
  form->findChild<QAction*>("SetWebsafePaletteOn1")->trigger();
  form->Selector().BaseColourLockToggle();
  form->Capture().PixelCaptureToggler();
  for (const char* item : {"ZoomViewOnOff1", "Shift1", "Ctrl1", "NumPad51"})
    form->findChild<QAction*>(item)->trigger();
  Pick(Find<QLabel>("CompColLabel"), "ShowComplimentaryColours1");
  Pick(Find<QLabel>("CompColLabel"), "WebsafeComplimentsOnly1");
  Pick(Find<QLabel>("CompColLabel"), "Tetradic1");
  form->Viewer().ColourSelectorPanelReScale();
  const Shown before = Look(*form);
  ASSERT_TRUE(before.checked.at("Shift1") && !before.checked.at("Alt1") && before.checked.at("NumPad51"));
  SaveAsDefault();
  EXPECT_EQ(services.messages.back().text,
            "Save Settings:\r\n\r\nWould you like to save your\r\ncurrent settings as default?");
  EXPECT_EQ(services.beeps.back(), BeepKind::Exclamation);
  auto second = Restart();
  EXPECT_EQ(Look(*second), before);
  EXPECT_TRUE(second->OnTop().OnTopState());
  // The other notation pair: HTML names from the IE/NS table.
  Find<QCheckBox>("HTMLCheckBox")->setChecked(true);
  Find<QCheckBox>("IENSCheckBox")->setChecked(true);
  SaveAsDefault();
  auto third = Restart();
  EXPECT_TRUE(third->findChild<QCheckBox*>("HTMLCheckBox")->isChecked());
  EXPECT_TRUE(third->findChild<QCheckBox*>("IENSCheckBox")->isChecked());
  EXPECT_FALSE(third->findChild<QRadioButton*>("HexOrDecimalRadioButton2")->isChecked());
}

TEST_F(SettingsTest, NoAnswerWritesNothing) {
  services.answers = {MessageAnswer::No};
  QTest::mouseClick(Find<ImageBox>("ToolImage"), Qt::LeftButton);
  EXPECT_FALSE(QFileInfo::exists(settingsPath));
}

TEST_F(SettingsTest, LargeIsWrittenAsTheViewerStands) {
  SaveAsDefault();
  EXPECT_EQ(Ini().ReadString("Colour Viewer", "Large", "?"), "0");
  form->Viewer().ColourSelectorPanelReScale();
  SaveAsDefault();
  EXPECT_EQ(Ini().ReadString("Colour Viewer", "Large", "?"), "1");
}

class StoredSettingsTest : public SettingsTest {
 protected:
  void BeforeStartUp() override { WriteFile("tintora.ini", file); }
  std::string file;
};

// Saved near the screen's far corner while the window was small.
class CornerPlacedTest : public StoredSettingsTest {
 protected:
  void BeforeStartUp() override {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    file = QString("[Main]\r\nLeft=%1\r\nTop=%2\r\n")
               .arg(area.right() - 200)
               .arg(area.bottom() - 120)
               .toStdString();
    StoredSettingsTest::BeforeStartUp();
  }
};

TEST_F(CornerPlacedTest, TheWindowStaysWhollyOnItsScreenAsItGrows) {
  const QRect area = form->screen()->availableGeometry();
  auto onScreen = [&] { return area.contains(form->frameGeometry()); };
  EXPECT_TRUE(onScreen()) << "at start";
  QTest::mouseClick(Find<ImageBox>("ExpandImage"), Qt::LeftButton);
  EXPECT_TRUE(onScreen()) << "advanced";
  // A font twice the size: the window takes what the screen has, and its contents scroll.
  QFont big = QApplication::font();
  big.setPointSize(big.pointSize() * 2);
  QApplication::setFont(big);
  QApplication::processEvents();
  EXPECT_TRUE(onScreen()) << "big font";
  // What the keyboard reaches is scrolled into view.
  Find<QWidget>("ColourSelectorEdit")->setFocus();
  auto* list = Find<QWidget>("CustomColourListBox");
  list->setFocus();
  QApplication::processEvents();
  const QWidget* view = list->parentWidget();
  while (!qobject_cast<const QScrollArea*>(view->parentWidget())) view = view->parentWidget();
  EXPECT_TRUE(view->rect().intersects(QRect(list->mapTo(view, QPoint()), list->size())));
  QApplication::setFont(QFont());
}

class OutOfRangeSettingsTest : public StoredSettingsTest {
 protected:
  void BeforeStartUp() override {
    file =
        "[Main]\r\nLeft=99999\r\nTop=-5000\r\n[Colour Viewer]\r\nComplimentaryStyle=9\r\n"
        "[Colour Selector]\r\nBasePaletteLock=1\r\n[External "
        "Colour]\r\nActivePixelCaptureHotkeySuffix=400\r\n"
        "[Colour Wheel]\r\nDivisions=-4\r\n";
    StoredSettingsTest::BeforeStartUp();
  }
};

TEST_F(OutOfRangeSettingsTest, ThePartsThatMakeSenseAreTakenAndTheRestStays) {
  // A position on no screen there is now: the window comes back where it can be seen.
  const QRect screen = form->screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(form->frameGeometry().topLeft())) << form->pos().x() << "," << form->pos().y();
  EXPECT_TRUE(form->findChild<QAction*>("Complimentary1")->isChecked());  // style 9 names no scheme
  EXPECT_FALSE(form->Selector().DerivativesLocked());                     // BasePaletteLock=1: unlocked
  EXPECT_TRUE(form->findChild<QAction*>("F81")->isChecked());             // key 400 names no key
  EXPECT_EQ(form->WheelCustomizer()->Options().divisions, 12);            // negative divisions: ignored
}

TEST_F(SettingsTest, TheDefaultFolderIsSetAndResetForTheNextStart) {
  const QString folder = QString::fromStdString(scratch->Path().string());
  LoadMenu("ChangeDefaultDirectory1");
  DefaultFolderWindow* window = form->DefaultFolder();
  ASSERT_TRUE(window->isVisible());
  window->ShowAt(folder);
  EXPECT_TRUE(MainWindowWaits());
  EXPECT_EQ(window->findChild<QLineEdit*>("Edit1")->text(), folder);
  QTest::mouseClick(window->findChild<QPushButton*>("Button1"), Qt::LeftButton);  // Accept
  EXPECT_EQ(services.messages.back().text, "Changes will take effect the next time\r\nyou restart Tintora.");
  EXPECT_FALSE(MainWindowWaits());
  EXPECT_EQ(Ini().ReadString("Start", "DefaultDir", "?"), folder.toStdString());
  auto second = Restart();
  services.fileAnswers = {std::nullopt};
  second->Files().SaveAsExecute();
  EXPECT_EQ(services.fileRequests.back().folder, folder);
  window->ShowAt(folder);
  QTest::mouseClick(window->findChild<QPushButton*>("Button3"), Qt::LeftButton);  // Reset to Default
  EXPECT_EQ(Ini().ReadString("Start", "DefaultDir", "?"), "");
  auto third = Restart();
  services.fileAnswers = {std::nullopt};
  third->Files().SaveAsExecute();
  EXPECT_TRUE(services.fileRequests.back().folder.endsWith("/Tintora Colours"));
}

TEST_F(SettingsTest, AutoLoadRemembersTheLastListAndOpensItAgain) {
  const QString list = WriteFile("kept.cdt", "{K}[0A0B0C]\r\n");
  // With nothing loaded (an untitled list) nothing is recorded at close.
  LoadMenu("AutoLoadLastUsedFile1");
  EXPECT_EQ(Ini().ReadString("External Colour", "AutoOpenActive", "?"), "1");  // at once
  form->Files().AutoOpenNameSave();
  EXPECT_EQ(Ini().ReadString("Start", "AutoOpen", "none"), "none");
  Load(list);
  services.answers = {MessageAnswer::Yes};  // exit
  EXPECT_TRUE(form->close());
  EXPECT_EQ(Ini().ReadString("Start", "AutoOpen", "?"), list.toStdString());
  auto second = Restart();
  second->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(second.get()));
  QCoreApplication::processEvents();
  EXPECT_EQ(second->List().Entries(), std::vector<ColourEntry>({{"K", "0A0B0C"}}));
}

TEST_F(SettingsTest, ASettingsFileThatCannotBeWrittenSaysSoOnceAndTheProgramGoesOn) {
  WriteFile("not-a-folder", "x");
  form->SetSettingsFile(QString::fromStdString((scratch->Path() / "not-a-folder" / "tintora.ini").string()));
  QTest::mouseClick(Find<ImageBox>("OnTopImage"), Qt::LeftButton);
  SaveAsDefault();
  ASSERT_GE(services.messages.size(), 2u);
  EXPECT_TRUE(services.messages.back().text.startsWith("Settings:\r\n\r\nThe settings cannot be kept in"))
      << services.messages.back().text.toStdString();
  const std::size_t told = services.messages.size();
  SaveAsDefault();
  EXPECT_EQ(services.messages.size(), told + 1);  // the question again, but no second complaint
  LoadMenu("AutoLoadLastUsedFile1");
  EXPECT_EQ(services.messages.size(), told + 1);
  EXPECT_TRUE(form->OnTop().OnTopState());  // the setting holds for the session
}

TEST(HelpFile, TheManualIsFoundBesideTheProgramOrWhereItIsInstalled) {
  TempDir dir;
  const auto bin = dir.Path() / "tree" / "bin";
  std::filesystem::create_directories(bin);
  const QString app = QString::fromStdString(bin.string()) + "/";
  auto put = [](const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    ASSERT_FALSE(WriteFileAtomically(file, "<html></html>").has_value());
  };
  // The same file, whichever separators name it.
  const auto found = [&] { return QDir::cleanPath(QDir::fromNativeSeparators(FindHelpFile(app))); };
  const auto path = [](const QString& p) { return QDir::cleanPath(QDir::fromNativeSeparators(p)); };
  EXPECT_EQ(found(), path(app + "Tintora v2-0 Help.CHM"));  // none there: the desktop says so
  put(dir.Path() / "tree" / "share" / "tintora" / "help" / "index.html");
  EXPECT_EQ(found(),
            path(QString::fromStdString((dir.Path() / "tree/share/tintora/help/index.html").string())));
  put(bin / "help" / "index.html");  // the build tree, a portable copy
  EXPECT_EQ(found(), path(app + "help/index.html"));
  put(bin / "Tintora v2-0 Help.CHM");
  EXPECT_EQ(found(), path(app + "Tintora v2-0 Help.CHM"));
}

}  // namespace
}  // namespace tintora::testing
