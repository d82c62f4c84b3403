// The hue/saturation mixer: conversions into the RGB side, the strips, nudges, the model
// switch and docking.
#include <QApplication>
#include <QCheckBox>
#include <QLayout>
#include <QRadioButton>

#include "core/colour/hsv.h"
#include "widgets/colour_panel.h"
#include "widgets/image_box.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

const QString kDeg = QString::fromUtf8("\u00B0");

class HsMixerTest : public WindowTest {
 protected:
  void Press(const char* panel, Qt::MouseButton button) {
    QTest::mousePress(Find<ColourPanel>(panel), button);
  }
  QRgb StripPixel(const char* strip, int x, int y) { return Find<ImageBox>(strip)->Picture().pixel(x, y); }
  void Tick() { form->OnHeartbeat(); }
  void RevealModeSwitch() { MainWindowProbe::ToggleCalculateControls(*form); }
};

TEST_F(HsMixerTest, RgbChangesShowUpInTheMixer) {
  SetRgb(255, 128, 0);
  EXPECT_EQ(Slider("HueTrackBar")->value(), 30);
  EXPECT_EQ(Text("HueEdit"), "30.118" + kDeg);
  EXPECT_EQ(Slider("SaturationTrackBar")->value(), 255);
  EXPECT_EQ(Text("SaturationEdit"), "100%");
  EXPECT_EQ(Slider("IntensityTrackBar3")->value(), 255);
  SetRgb(128, 128, 128);
  EXPECT_EQ(Text("HueEdit"), "0" + kDeg);
  EXPECT_EQ(Text("SaturationEdit"), "0%");
  EXPECT_EQ(Text("Intensity3Edit"), "50.196%");
  SetRgb(0, 0, 0);
  EXPECT_EQ(Text("Intensity3Edit"), "0%");
  EXPECT_EQ(Slider("IntensityTrackBar3")->value(), 0);
}

TEST_F(HsMixerTest, MovingHueChangesTheRgbBarsOnceAndKeepsTheExactSliders) {
  SetRgb(200, 100, 50);
  const int sat = Slider("SaturationTrackBar")->value();
  const int before = MainWindowProbe::PropagationCount(*form);
  Slider("HueTrackBar")->setValue(200);
  EXPECT_EQ(Slider("HueTrackBar")->value(), 200);
  EXPECT_EQ(Slider("SaturationTrackBar")->value(), sat);  // not recomputed from rounded RGB
  EXPECT_EQ(Text("HueEdit"), "200" + kDeg);
  const std::string hex = HSVtoRGBHEX(200, 0.75L, 200);
  EXPECT_EQ(Value().toStdString(), hex);
  EXPECT_LE(MainWindowProbe::PropagationCount(*form) - before, 3);  // at most once per RGB bar
  SetRgb(255, 0, 0);  // the RGB side moves the mixer again afterwards
  EXPECT_EQ(Slider("HueTrackBar")->value(), 0);
  EXPECT_EQ(Text("HueEdit"), "0" + kDeg);
}

TEST_F(HsMixerTest, Hue360IsRedAgain) {
  Slider("IntensityTrackBar3")->setValue(255);
  Slider("SaturationTrackBar")->setValue(255);
  Slider("HueTrackBar")->setValue(120);
  EXPECT_EQ(Value(), "00FF00");
  Slider("HueTrackBar")->setValue(360);
  EXPECT_EQ(Value(), "FF0000");
  EXPECT_EQ(Text("HueEdit"), "360" + kDeg);
  Slider("HueTrackBar")->setValue(0);
  EXPECT_EQ(Value(), "FF0000");
}

TEST_F(HsMixerTest, CaptionPanelsNudgeAndWrap) {
  const struct {
    const char* panel;
    const char* bar;
    Qt::MouseButton button;
    int before, after;
  } cases[] = {
      {"HuePanel", "HueTrackBar", Qt::RightButton, 350, 20},
      {"HuePanel", "HueTrackBar", Qt::RightButton, 330, 0},
      {"HuePanel", "HueTrackBar", Qt::LeftButton, 0, 330},
      {"SaturationPanel", "SaturationTrackBar", Qt::RightButton, 255, 0},
      {"SaturationPanel", "SaturationTrackBar", Qt::LeftButton, 0, 255},
      {"SaturationPanel", "SaturationTrackBar", Qt::RightButton, 240, 36},
      {"SaturationPanel", "SaturationTrackBar", Qt::RightButton, 204, 255},
      {"HSIIntensityPanel", "IntensityTrackBar3", Qt::LeftButton, 30, 234},
      {"HSIIntensityPanel", "IntensityTrackBar3", Qt::MiddleButton, 30, 30},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.panel) + " " + std::to_string(c.before));
    Slider(c.bar)->setValue(c.before);
    Press(c.panel, c.button);
    EXPECT_EQ(Slider(c.bar)->value(), c.after);
  }
}

TEST_F(HsMixerTest, StaticStripsShowFixedFadesUntilTheSpectrumIsActive) {
  SetRgb(0, 0, 255);
  // Static: red fade in rows 0-1, green in row 2, blue in rows 3-4, whatever the colour.
  EXPECT_EQ(StripPixel("SaturationSpectrum", 254, 0), qRgb(255, 1, 1));
  EXPECT_EQ(StripPixel("SaturationSpectrum", 254, 2), qRgb(1, 255, 1));
  EXPECT_EQ(StripPixel("SaturationSpectrum", 254, 4), qRgb(1, 1, 255));
  EXPECT_EQ(StripPixel("SaturationSpectrum", 0, 0), qRgb(255, 255, 255));
  Find<QCheckBox>("ActiveSpecCheckBox")->setChecked(true);
  // Active: the current hue (blue) from grey to full saturation, in every row.
  EXPECT_EQ(StripPixel("SaturationSpectrum", 0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(StripPixel("SaturationSpectrum", 254, 0), qRgb(1, 1, 255));
  EXPECT_EQ(StripPixel("SaturationSpectrum", 254, 4), qRgb(1, 1, 255));
  EXPECT_EQ(StripPixel("VibranceIntensityImage", 0, 2), qRgb(0, 0, 0));
  EXPECT_EQ(StripPixel("ColourSpectrumImage", 0, 0), qRgb(255, 0, 0));
}

TEST_F(HsMixerTest, SliderDragsMarkTheStripsAndTheTickRedrawsThem) {
  Find<QCheckBox>("ActiveSpecCheckBox")->setChecked(true);
  SetRgb(255, 0, 0);
  const QRgb redEnd = StripPixel("SaturationSpectrum", 254, 0);
  Slider("HueTrackBar")->setValue(120);
  EXPECT_TRUE(MainWindowProbe::SpectrumRedrawPending(*form));
  EXPECT_EQ(StripPixel("SaturationSpectrum", 254, 0), redEnd);  // not yet
  Tick();
  EXPECT_FALSE(MainWindowProbe::SpectrumRedrawPending(*form));
  EXPECT_EQ(StripPixel("SaturationSpectrum", 254, 0), qRgb(1, 255, 1));
}

TEST_F(HsMixerTest, SwitchingToHsiRelabelsAndKeepsTheColour) {
  RevealModeSwitch();
  SetRgb(200, 100, 50);
  const QString value = Value();
  Find<QRadioButton>("HSIRadioButton")->setChecked(true);
  EXPECT_EQ(Find<ColourPanel>("HSIIntensityPanel")->Caption(), "I");
  EXPECT_EQ(Find<ColourPanel>("HSIIntensityPanel")->toolTip(), "Intensity");
  EXPECT_EQ(Value(), value);
  EXPECT_EQ(Slider("IntensityTrackBar3")->value(), 117);  // (200 + 100 + 50) / 3
  EXPECT_EQ(Edit("Intensity3Edit")->toolTip(), "Brightness = 78.431%");
  Find<QRadioButton>("HSVRadioButton")->setChecked(true);
  EXPECT_EQ(Find<ColourPanel>("HSIIntensityPanel")->Caption(), "V");
  EXPECT_EQ(Value(), value);
  EXPECT_EQ(Slider("IntensityTrackBar3")->value(), 200);
}

TEST_F(HsMixerTest, HsiDistortionTurnsTheCalculatePanelRed) {
  RevealModeSwitch();
  Find<QRadioButton>("HSIRadioButton")->setChecked(true);
  SetRgb(255, 0, 0);
  EXPECT_EQ(Slider("IntensityTrackBar3")->value(), 85);
  EXPECT_EQ(Text("Intensity3Edit"), "33.333%");
  EXPECT_EQ(Text("SaturationEdit"), "100%");
  Slider("IntensityTrackBar3")->setValue(200);
  auto* calc = Find<ColourPanel>("CalculatePanel");
  EXPECT_EQ(calc->Colour(), (Rgb8{255, 0, 0}));
  EXPECT_EQ(calc->FontColour(), Rgb8{});
  EXPECT_EQ(Slider("RedTrackBar")->value(), 255);
  Slider("IntensityTrackBar3")->setValue(60);
  EXPECT_EQ(Value(), "B40000");  // 180, 0, 0: no longer distorted
  QTest::mouseClick(calc, Qt::LeftButton);
  EXPECT_EQ(Slider("IntensityTrackBar3")->value(), 60);
}

TEST_F(HsMixerTest, TheMixerFloatsWithoutACloseCommandAndDocksBack) {
  QWidget* mixer = Find<QWidget>("HSIMixerPanel");
  QWidget* dock = Find<QWidget>("HSIDockPanel");
  const auto docked = [&] {
    return !MainWindowProbe::MixerFloating(*form) && mixer->parentWidget() == dock &&
           dock->layout()->indexOf(mixer) >= 0;  // laid out in its dock again
  };
  form->HsMixer().UndockMixer(QPoint(100, 100));
  ASSERT_TRUE(MainWindowProbe::MixerFloating(*form));
  QWidget* window = mixer->window();
  EXPECT_EQ(window->windowTitle(), "HSI Mixer");
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
  Slider("HueTrackBar")->setValue(50);  // still works while floating
  EXPECT_EQ(Text("HueEdit"), "50" + kDeg);
  form->OnHeartbeat();
  form->HsMixer().HSIDockPanelDockDrop();
  EXPECT_TRUE(docked());
  EXPECT_FALSE(window->isVisible());
  // Asked to close (Alt+F4, or the program ending, which closes every window first and stops
  // if one refuses), it docks the mixer and goes.
  form->HsMixer().UndockMixer(QPoint(100, 100));
  ASSERT_TRUE(window->isVisible());
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && w != form.get()) {
      EXPECT_TRUE(w->close()) << w->objectName().toStdString();
    }
  }
  EXPECT_TRUE(docked());
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace tintora::testing
