// The RGB and CMY mixers: edits, mirrors, snapping, the intensity rows and the guards.
#include <QAction>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolButton>

#include "widgets/colour_panel.h"
#include "widgets/popup_ext.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

class RgbMixerTest : public WindowTest {
 protected:
  void Press(const char* panel, Qt::MouseButton button) {
    QTest::mousePress(Find<ColourPanel>(panel), button);
    QTest::mouseRelease(Find<ColourPanel>(panel), button);
  }
  int Propagations() { return MainWindowProbe::PropagationCount(*form); }
};

TEST_F(RgbMixerTest, TypingADecimalValueMovesItsTrackBar) {
  Clear("RedDecimalEdit");
  EXPECT_EQ(Text("RedDecimalEdit"), "0");
  EXPECT_EQ(Edit("RedDecimalEdit")->selectedText(), "0");  // typing replaces it
  Type("RedDecimalEdit", "7x");
  EXPECT_EQ(Text("RedDecimalEdit"), "7");
  EXPECT_EQ(Edit("RedDecimalEdit")->cursorPosition(), 1);
  EXPECT_EQ(Slider("RedTrackBar")->value(), 7);
  EXPECT_EQ(Text("RedHexEdit"), "07");
  EXPECT_EQ(Value(), "070000");
  Clear("RedDecimalEdit");
  EXPECT_EQ(Slider("RedTrackBar")->value(), 0);
}

TEST_F(RgbMixerTest, ATypedValueAboveTheRangeStopsAt255) {
  Clear("GreenDecimalEdit");
  Type("GreenDecimalEdit", "300");
  EXPECT_EQ(Slider("GreenTrackBar")->value(), 255);
  EXPECT_EQ(Text("GreenDecimalEdit"), "255");
  EXPECT_EQ(Value(), "00FF00");
}

TEST_F(RgbMixerTest, TypingIntoCyanMovesRedOnceAndRefreshesBothRows) {
  const int before = Propagations();
  Clear("CyanDecimalEdit");
  const int afterClear = Propagations();
  EXPECT_EQ(afterClear - before, 1);  // 255 -> 0 is one change
  Type("CyanDecimalEdit", "100");
  EXPECT_EQ(Slider("CyanTrackBar")->value(), 100);
  EXPECT_EQ(Slider("RedTrackBar")->value(), 155);
  EXPECT_EQ(Text("RedDecimalEdit"), "155");
  EXPECT_EQ(Text("RedHexEdit"), "9B");
  EXPECT_EQ(Text("CyanHexEdit"), "64");
  EXPECT_EQ(Label("RedPercent"), "60.784%");
  EXPECT_EQ(Label("CyanPercent"), "39.216%");
  EXPECT_EQ(Value(), "9B0000");
  EXPECT_EQ(Propagations() - afterClear, 3);  // "1", "10", "100": one propagation per keystroke
}

TEST_F(RgbMixerTest, HexEditsFilterKeystrokesAndCommitOnEnter) {
  QLineEdit* hex = Edit("RedHexEdit");
  hex->setFocus();
  hex->selectAll();
  QTest::keyClicks(hex, "aG");
  EXPECT_EQ(hex->text(), "A");
  EXPECT_EQ(Slider("RedTrackBar")->value(), 0);  // nothing moves before Enter
  QTest::keyClicks(hex, "c");
  EXPECT_EQ(hex->text(), "AC");
  QTest::keyClick(hex, Qt::Key_Return);
  EXPECT_EQ(Slider("RedTrackBar")->value(), 0xAC);
  EXPECT_EQ(Slider("CyanTrackBar")->value(), 255 - 0xAC);
  EXPECT_EQ(Value(), "AC0000");
}

TEST_F(RgbMixerTest, ClickingAHexEditCommitsAllSixAndSelectsItsText) {
  Edit("GreenHexEdit")->setText("40");
  Edit("YellowHexEdit")->setText("0F");  // blue follows as 255 - 15
  QTest::mouseClick(Edit("RedHexEdit"), Qt::LeftButton);
  EXPECT_EQ(Slider("GreenTrackBar")->value(), 0x40);
  EXPECT_EQ(Slider("BlueTrackBar")->value(), 0xF0);
  EXPECT_EQ(Edit("RedHexEdit")->selectedText(), "00");
}

TEST_F(RgbMixerTest, AHexTextThatIsNotANumberIsReportedAndChangesNothing) {
  SetRgb(1, 2, 3);
  QLineEdit* hex = Edit("GreenHexEdit");
  hex->setText("G1");  // as after a paste: the filter only looked at the last character
  QTest::keyClick(hex, Qt::Key_Return);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, "'$G1' is not a valid integer value");
  EXPECT_EQ(hex->text(), "G1");
  EXPECT_EQ(Slider("GreenTrackBar")->value(), 2);
  Slider("RedTrackBar")->setValue(9);  // the mixer still answers
  EXPECT_EQ(Value(), "090203");
}

TEST_F(RgbMixerTest, PanelsSnapToTheNextPresetAndWrap) {
  QSlider* red = Slider("RedTrackBar");
  const struct {
    const char* panel;
    Qt::MouseButton button;
    int before, after;  // red track bar
  } cases[] = {
      {"RedPanel", Qt::LeftButton, 51, 0},
      {"RedPanel", Qt::LeftButton, 0, 255},
      {"RedPanel", Qt::LeftButton, 52, 51},
      {"RedPanel", Qt::RightButton, 255, 0},
      {"RedPanel", Qt::RightButton, 200, 204},
      {"RedPanel", Qt::RightButton, 0, 51},
      {"RedPanel", Qt::MiddleButton, 77, 77},
      // Cyan mirrors red: a left click gives the next higher cyan preset, as its hint says.
      {"CyanPanel", Qt::LeftButton, 51, 0},
      {"CyanPanel", Qt::LeftButton, 0, 255},
      {"CyanPanel", Qt::RightButton, 200, 204},
      {"CyanPanel", Qt::RightButton, 255, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.panel) + " from " + std::to_string(c.before));
    red->setValue(c.before);
    Press(c.panel, c.button);
    EXPECT_EQ(red->value(), c.after);
    EXPECT_EQ(Slider("CyanTrackBar")->value(), 255 - c.after);
  }
  Slider("BlueTrackBar")->setValue(100);
  Press("YellowPanel", Qt::LeftButton);  // yellow 155 -> 204
  EXPECT_EQ(Slider("YellowTrackBar")->value(), 204);
  EXPECT_TRUE(Slider("YellowTrackBar")->hasFocus());
}

TEST_F(RgbMixerTest, IntensityRowsMirrorEachOtherAndMarkTheValueYellow) {
  Slider("IntensityTrackBar")->setValue(30);
  EXPECT_EQ(Text("IntensityEdit"), "30%");
  EXPECT_EQ(Text("CMYIntensityEdit"), "-30%");
  EXPECT_EQ(Slider("IntensityTrackBar2")->value(), -30);
  for (const char* name : {"IntensityEdit", "CMYIntensityEdit", "HexHTMLEdit"}) {
    EXPECT_EQ(Edit(name)->palette().color(QPalette::Base), QColor(255, 255, 0)) << name;
    EXPECT_EQ(Edit(name)->palette().color(QPalette::Text), QColor(0, 0, 0)) << name;
  }
  Slider("IntensityTrackBar2")->setValue(10);  // the CMY page's black share
  EXPECT_EQ(Slider("IntensityTrackBar")->value(), -10);
  EXPECT_EQ(Value(), "000000");
  QTest::mouseClick(Find<QToolButton>("CMYIntensitySpeedButton"), Qt::LeftButton);
  EXPECT_EQ(Slider("IntensityTrackBar")->value(), 0);
  EXPECT_EQ(Slider("IntensityTrackBar2")->value(), 0);
  EXPECT_EQ(Edit("HexHTMLEdit")->palette().color(QPalette::Base), QPalette().color(QPalette::Base));
}

TEST_F(RgbMixerTest, OneSliderStepIsOnePropagation) {
  const int before = Propagations();
  QSlider* green = Slider("GreenTrackBar");
  green->setFocus();
  QTest::keyClick(green, Qt::Key_Right);
  EXPECT_EQ(Propagations() - before, 1);
  QTest::keyClick(green, Qt::Key_PageUp);
  EXPECT_EQ(green->value(), 6);
  EXPECT_EQ(Propagations() - before, 2);
  green->setValue(6);  // no change, no propagation
  EXPECT_EQ(Propagations() - before, 2);
  EXPECT_EQ(Slider("MagentaTrackBar")->value(), 249);
}

TEST_F(RgbMixerTest, TheGridMenuShowsAndHidesTwelveLines) {
  PopupMenu::SetExecHook(
      [](PopupMenu* menu, const QPoint&) { return menu->findChild<QAction*>("WebSafeIndicatorGridONOFF1"); });
  QSlider* bar = Slider("GreenTrackBar");
  emit bar->customContextMenuRequested(QPoint(5, 5));
  for (int k = 1; k <= 12; ++k)
    EXPECT_FALSE(Find<QWidget>(qPrintable(QString("WebsafeGridShape%1").arg(k)))->isHidden());
  // Each line stands over the thumb of its level.
  QSlider* red = Slider("RedTrackBar");
  red->setValue(153);
  QWidget* line = Find<QWidget>("WebsafeGridShape4");
  QStyleOptionSlider opt;
  opt.initFrom(red);
  opt.minimum = 0;
  opt.maximum = 255;
  opt.sliderPosition = opt.sliderValue = 153;
  const QRect handle = red->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, red);
  EXPECT_EQ(line->x(), red->x() + handle.center().x());
  emit bar->customContextMenuRequested(QPoint(5, 5));
  for (int k = 1; k <= 12; ++k)
    EXPECT_TRUE(Find<QWidget>(qPrintable(QString("WebsafeGridShape%1").arg(k)))->isHidden());
}

}  // namespace
}  // namespace tintora::testing
