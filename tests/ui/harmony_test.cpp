// Harmony swatches, markers and the colour wheel in the viewer, with its options window.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "core/colour/notations.h"
#include "core/harmony/harmony.h"
#include "core/harmony/wheel.h"
#include "core/settings/ini_file.h"
#include "harmony/wheel_options_window.h"
#include "widgets/colour_panel.h"
#include "widgets/image_box.h"
#include "widgets/popup_ext.h"
#include "widgets/shape_box.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

class HarmonyTest : public WindowTest {
 protected:
  void Menu(const char* item) {
    PopupMenu::SetExecHook(
        [item](PopupMenu* menu, const QPoint&) { return menu->findChild<QAction*>(item); });
    emit Find<QLabel>("CompColLabel")->customContextMenuRequested(QPoint(2, 2));
    PopupMenu::SetExecHook(nullptr);
  }
  QString Swatch(const char* name) {
    return QString::fromStdString(Find<ShapeBox>(name)->BrushColour().Hex());
  }
  std::optional<Rgb8> WheelPixel(double degrees, double fraction) {
    ImageBox* wheel = Find<ImageBox>("WheelImage");
    const double a = degrees * 3.14159265358979 / 180;
    const int c = wheel->width() / 2;
    const double d = fraction * c;
    return wheel->PixelColour(static_cast<int>(std::floor(c + std::sin(a) * d)),
                              static_cast<int>(std::floor(c - std::cos(a) * d)));
  }
  WheelOptionsWindow* Options() { return form->WheelCustomizer(); }
  // The wheel options' controls, found by name as a user finds them by label.
  template <typename T = QAbstractButton>
  T* Option(const char* name) {
    return Options()->findChild<T*>(name);
  }
};

TEST_F(HarmonyTest, NothingShowsUntilTheMasterSwitchIsOn) {
  for (const char* s : {"Shape1", "Shape2", "Shape3", "Shape4", "WheelImage"})
    EXPECT_TRUE(Find<QWidget>(s)->isHidden());
  EXPECT_FALSE(Find<QCheckBox>("IncludeComplimentaryCheckBox")->isEnabled());
  EXPECT_FALSE(form->findChild<QAction*>("Tetradic1")->isEnabled());
  // The button beside the caption opens the same menu as its right click, under itself.
  auto* button = Find<QToolButton>("HarmonyMenuButton");
  PopupMenu::SetExecHook([&](PopupMenu* menu, const QPoint& at) {
    EXPECT_EQ(menu->objectName(), "ComplimentaryColPopupExt");
    EXPECT_EQ(at, button->mapToGlobal(QPoint(0, button->height())));
    return menu->findChild<QAction*>("ShowComplimentaryColours1");
  });
  QTest::mouseClick(button, Qt::LeftButton);
  PopupMenu::SetExecHook(nullptr);
  EXPECT_TRUE(Find<QCheckBox>("IncludeComplimentaryCheckBox")->isEnabled());
  EXPECT_TRUE(form->findChild<QAction*>("Tetradic1")->isEnabled());
  EXPECT_FALSE(Find<QWidget>("Shape1")->isHidden());
  EXPECT_TRUE(Find<QWidget>("Shape2")->isHidden());
  Menu("ShowComplimentaryColours1");
  EXPECT_TRUE(Find<QWidget>("Shape1")->isHidden());
}

TEST_F(HarmonyTest, SchemesOnPureRedWithTheirMarkers) {
  Menu("ShowComplimentaryColours1");
  SetRgb(255, 0, 0);
  EXPECT_EQ(Swatch("Shape1"), "00FFFF");
  QWidget* strip = Find<QWidget>("ColourSpectrumImage");
  EXPECT_EQ(Find<QWidget>("Shape4")->x() - strip->x(), 126);
  EXPECT_EQ(Find<QWidget>("Shape1")->height(), 18);
  Menu("Tetradic1");
  EXPECT_EQ(Swatch("Shape1"), "80FF00");
  EXPECT_EQ(Swatch("Shape2"), "00FFFF");
  EXPECT_EQ(Swatch("Shape3"), "8000FF");
  EXPECT_EQ(Find<QWidget>("Shape3")->geometry(), QRect(48, 19, 20, 18));  // side by side, big enough to click
  EXPECT_FALSE(Find<QWidget>("Shape6")->isHidden());
  Menu("Triadic1");
  Menu("WebsafeComplimentsOnly1");
  EXPECT_FALSE(Find<QWidget>("WebSafeImage2")->isHidden());
  EXPECT_EQ(Swatch("Shape1"), "00FF00");
  EXPECT_EQ(Swatch("Shape2"), "0000FF");
  EXPECT_TRUE(Find<QWidget>("Shape3")->isHidden());
  SetRgb(255, 128, 0);
  Menu("Complimentary1");
  EXPECT_EQ(Swatch("Shape1"), "0066FF");
  Menu("WebsafeComplimentsOnly1");
  EXPECT_EQ(Swatch("Shape1"), "007FFF");
}

TEST_F(HarmonyTest, GreyStaysGreyAndHue360ActsAsZero) {
  Menu("ShowComplimentaryColours1");
  Menu("Tetradic1");
  SetRgb(90, 90, 90);
  for (const char* s : {"Shape1", "Shape2", "Shape3"}) EXPECT_EQ(Swatch(s), "5A5A5A") << s;
  Menu("Complimentary1");
  Slider("IntensityTrackBar3")->setValue(255);
  Slider("SaturationTrackBar")->setValue(255);
  Slider("HueTrackBar")->setValue(360);
  EXPECT_EQ(Swatch("Shape1"), "00FFFF");
  EXPECT_EQ(Find<QWidget>("Shape4")->x() - Find<QWidget>("ColourSpectrumImage")->x(), 126);
}

TEST_F(HarmonyTest, MarkersAndWheelFollowWhatChangesWithoutTheLevels) {
  Menu("ShowComplimentaryColours1");
  QWidget* strip = Find<QWidget>("ColourSpectrumImage");
  // On black a hue step changes no level, but the marker still follows the hue.
  Slider("HueTrackBar")->setValue(90);
  EXPECT_EQ(Value(), "000000");
  EXPECT_EQ(Find<QWidget>("Shape4")->x() - strip->x(), MarkerLeft(90, 180));
  // The wheel's background is the shown colour: the offset alone redraws it.
  SetRgb(255, 0, 0);
  QTest::mousePress(Find<ColourPanel>("ColourViewPanel"), Qt::RightButton);
  Menu("ColourWheel1");
  EXPECT_EQ(Find<ImageBox>("WheelImage")->PixelColour(1, 1), Rgb8::OfLevels(255, 0, 0));
  Slider("IntensityTrackBar")->setValue(-100);
  EXPECT_EQ(Find<ImageBox>("WheelImage")->PixelColour(1, 1), Rgb8{});
}

TEST_F(HarmonyTest, TheLargeViewerStretchesTheSwatches) {
  Menu("ShowComplimentaryColours1");
  Menu("Analogous1");
  QTest::mousePress(Find<ColourPanel>("ColourViewPanel"), Qt::RightButton);
  EXPECT_EQ(Find<QWidget>("Shape1")->geometry(), QRect(4, 19, 20, 42));
  EXPECT_EQ(Find<QWidget>("Shape2")->geometry(), QRect(4, 61, 20, 42));
}

TEST_F(HarmonyTest, ALeftClickOnASwatchMakesItActive) {
  Menu("ShowComplimentaryColours1");
  SetRgb(255, 0, 0);
  QTest::mousePress(Find<ShapeBox>("Shape1"), Qt::LeftButton);
  EXPECT_EQ(Value(), "00FFFF");
}

TEST_F(HarmonyTest, TwelveDivisionsOnRedReadBackFromTheWheel) {
  Menu("ShowComplimentaryColours1");
  SetRgb(255, 0, 0);
  QTest::mousePress(Find<ColourPanel>("ColourViewPanel"), Qt::RightButton);  // the large viewer
  Menu("ColourWheel1");
  ImageBox* wheel = Find<ImageBox>("WheelImage");
  ASSERT_FALSE(wheel->isHidden());
  // The panel grows to make room for a wheel 120 across, and shrinks back once it goes.
  EXPECT_EQ(Find<ColourPanel>("ColourViewPanel")->size(), QSize(128, 128));
  EXPECT_EQ(wheel->geometry(), QRect(4, 4, 120, 120));
  EXPECT_TRUE(Find<QWidget>("Shape1")->isHidden());
  EXPECT_TRUE(Find<QWidget>("Shape4")->isHidden());
  EXPECT_EQ(WheelPixel(15, 0.6), Rgb8::OfLevels(255, 128, 0));   // the 30 degree section: hue 30
  EXPECT_EQ(WheelPixel(345, 0.6), Rgb8::OfLevels(255, 0, 0));    // the last section: the active red
  EXPECT_EQ(WheelPixel(195, 0.6), Rgb8::OfLevels(0, 128, 255));  // 180..210: hue 210
  EXPECT_EQ(Find<ShapeBox>("WheelCenterShape")->BrushColour(), Rgb8::OfLevels(255, 0, 0));
  Menu("Triadic1");
  EXPECT_EQ(Find<ColourPanel>("ColourViewPanel")->size(), QSize(104, 107));
}

TEST_F(HarmonyTest, TwoDivisionsSplitTheWheel) {
  Menu("ShowComplimentaryColours1");
  SetRgb(255, 0, 0);
  Menu("ColourWheel1");
  Option<QSpinBox>("DivisionsUpDown")->setValue(2);
  EXPECT_EQ(WheelPixel(90, 0.6), Rgb8::OfLevels(0, 255, 255));
  EXPECT_EQ(WheelPixel(270, 0.6), Rgb8::OfLevels(255, 0, 0));
}

TEST_F(HarmonyTest, ThreeHundredSixtyDivisionsOnTheWheel) {
  Menu("ShowComplimentaryColours1");
  SetRgb(255, 0, 0);
  Menu("ColourWheel1");
  Option("ColourBordersCheckBox")->setChecked(false);
  Option<QSpinBox>("DivisionsUpDown")->setValue(360);
  ImageBox* wheel = Find<ImageBox>("WheelImage");
  EXPECT_EQ(wheel->size(), QSize(120, 120));  // in the small viewer too
  EXPECT_EQ(wheel->PixelColour(61, 1), HarmonyColour(2, 0, 1, 255));
  for (int y = 15; y < 105; ++y)
    for (int x = 15; x < 105; ++x)
      if ((x - 60) * (x - 60) + (y - 60) * (y - 60) < 45 * 45) {
        EXPECT_NE(wheel->PixelColour(x, y), Rgb8::OfLevels(255, 0, 0)) << x << "," << y;
      }
}

TEST_F(HarmonyTest, PickingFromTheWheel) {
  Menu("ShowComplimentaryColours1");
  SetRgb(255, 0, 0);
  QTest::mousePress(Find<ColourPanel>("ColourViewPanel"), Qt::RightButton);
  Menu("ColourWheel1");
  ImageBox* wheel = Find<ImageBox>("WheelImage");
  const QPoint activeSection(52, 15);  // about 345 degrees: the active colour
  const QPoint complement(69, 95);     // about 164 degrees: the 150..180 section
  ASSERT_EQ(wheel->PixelColour(activeSection.x(), activeSection.y()), Rgb8::OfLevels(255, 0, 0));
  QTest::mousePress(wheel, Qt::LeftButton, {}, activeSection);
  EXPECT_EQ(Value(), "FF0000");  // nothing happens on the active colour
  const std::optional<Rgb8> target = wheel->PixelColour(complement.x(), complement.y());
  ASSERT_EQ(target, Rgb8::OfLevels(0, 255, 255));
  QTest::mouseMove(wheel, complement);
  EXPECT_EQ(Find<ColourPanel>("ColourSelectorPanel")->Colour(), target);
  QTest::mousePress(wheel, Qt::LeftButton, {}, complement);
  EXPECT_EQ(Find<ColourPanel>("ColourViewPanel")->Colour(), target);
  // A right click outside the wheel's colours toggles the viewer size: the sample page is back.
  ASSERT_TRUE(Find<QWidget>("Panel6")->isHidden());
  QTest::mousePress(wheel, Qt::RightButton, {}, QPoint(1, 1));
  EXPECT_FALSE(Find<QWidget>("Panel6")->isHidden());
}

TEST_F(HarmonyTest, CancelRestoresTheDivisionsAndTheWheel) {
  Menu("ShowComplimentaryColours1");
  SetRgb(255, 0, 0);
  Menu("ColourWheel1");
  Menu("CustomizeColourWheel1");
  ASSERT_TRUE(Options()->isVisible());
  EXPECT_TRUE(MainWindowWaits());
  Option<QSpinBox>("DivisionsUpDown")->setValue(2);
  EXPECT_FALSE(Option("WheelCustSaveSpeedButton")->isHidden());
  EXPECT_EQ(WheelPixel(90, 0.6), Rgb8::OfLevels(0, 255, 255));
  QTest::mouseClick(Option("Button2"), Qt::LeftButton);
  EXPECT_FALSE(Options()->isVisible());
  EXPECT_FALSE(MainWindowWaits());
  EXPECT_EQ(Option<QSpinBox>("DivisionsUpDown")->value(), 12);
  EXPECT_EQ(WheelPixel(15, 0.6), Rgb8::OfLevels(255, 128, 0));
}

TEST_F(HarmonyTest, UncheckingBordersAndOutlineTakesTheLinesAway) {
  Menu("ShowComplimentaryColours1");
  SetRgb(255, 0, 0);
  QTest::mousePress(Find<ColourPanel>("ColourViewPanel"), Qt::RightButton);
  Menu("ColourWheel1");
  auto count = [&](Rgb8 colour) {
    ImageBox* wheel = Find<ImageBox>("WheelImage");
    int n = 0;
    for (int y = 0; y < wheel->height(); ++y)
      for (int x = 0; x < wheel->width(); ++x) n += wheel->PixelColour(x, y) == colour;
    return n;
  };
  EXPECT_GT(count(kWheelBorderColour), 50);
  EXPECT_GT(count(kWheelOutlineColour), 50);
  EXPECT_TRUE(Find<ShapeBox>("WheelCenterShape")->PenVisible());
  Option("ColourBordersCheckBox")->setChecked(false);
  EXPECT_EQ(count(kWheelBorderColour), 0);
  EXPECT_FALSE(Find<ShapeBox>("WheelCenterShape")->PenVisible());
  Option("WheelOutlineCheckBox")->setChecked(false);
  EXPECT_EQ(count(kWheelOutlineColour), 0);
}

TEST_F(HarmonyTest, DefaultRestoresTwelveWithOutlineAndBorders) {
  Option<QSpinBox>("DivisionsUpDown")->setValue(40);
  Option("WheelOutlineCheckBox")->setChecked(false);
  QTest::mouseClick(Option("Button3"), Qt::LeftButton);
  EXPECT_EQ(Option<QSpinBox>("DivisionsUpDown")->value(), 12);
  EXPECT_TRUE(Option("WheelOutlineCheckBox")->isChecked());
  EXPECT_TRUE(Option("ColourBordersCheckBox")->isChecked());
}

class WheelSettingsTest : public HarmonyTest {
 protected:
  void BeforeStartUp() override {
    IniFile ini(settingsPath.toStdString());
    ASSERT_TRUE(ini.WriteInteger("Colour Wheel", "Divisions", 7));
  }
};

TEST_F(WheelSettingsTest, ASavedWheelStartsWithItsDivisionsAndNoOutlineOrBorders) {
  EXPECT_EQ(Option<QSpinBox>("DivisionsUpDown")->value(), 7);
  EXPECT_FALSE(Option("WheelOutlineCheckBox")->isChecked());
  EXPECT_FALSE(Option("ColourBordersCheckBox")->isChecked());
  EXPECT_TRUE(Option("WheelCustSaveSpeedButton")->isHidden());
}

TEST_F(WheelSettingsTest, TheWheelIsDrawnWithTheSavedDivisionsBeforeItsWindowIsOpened) {
  Menu("ShowComplimentaryColours1");
  SetRgb(255, 0, 0);
  Menu("ColourWheel1");
  EXPECT_EQ(form->findChild<QWidget*>("Form10"), nullptr);  // the options window is not built yet
  // Seven sections: 15 and 45 degrees lie in the first (with twelve they would not).
  EXPECT_EQ(WheelPixel(15, 0.6), WheelPixel(45, 0.6));
  EXPECT_NE(WheelPixel(45, 0.6), WheelPixel(60, 0.6));
}

TEST_F(HarmonyTest, TheWheelSectionRoundTripsThroughTheSettingsFile) {
  // Without the section the window keeps its own defaults.
  EXPECT_EQ(Option<QSpinBox>("DivisionsUpDown")->value(), 12);
  EXPECT_TRUE(Option("WheelOutlineCheckBox")->isChecked());
  Option<QSpinBox>("DivisionsUpDown")->setValue(24);
  Option("ColourBordersCheckBox")->setChecked(false);
  QTest::mouseClick(Option("WheelCustSaveSpeedButton"), Qt::LeftButton);
  EXPECT_TRUE(Option("WheelCustSaveSpeedButton")->isHidden());
  const IniFile ini(settingsPath.toStdString());
  EXPECT_EQ(ini.ReadInteger("Colour Wheel", "Divisions", 0), 24);
  EXPECT_TRUE(ini.ReadBool("Colour Wheel", "WheelOutline", false));
  EXPECT_FALSE(ini.ReadBool("Colour Wheel", "ColourBorders", true));

  MainWindow second(services);
  second.SetSettingsFile(settingsPath);
  second.StartUp({});
  EXPECT_EQ(second.WheelCustomizer()->Options().divisions, 24);
  EXPECT_TRUE(second.WheelCustomizer()->Options().outline);
  EXPECT_FALSE(second.WheelCustomizer()->Options().borders);
}

}  // namespace
}  // namespace tintora::testing
