// The value field in every notation, the switches' interplay and the clipboard.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <QMenu>

#include "widgets/colour_panel.h"
#include "widgets/popup_ext.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

class ValueOutputTest : public WindowTest {
 protected:
  QCheckBox* Check(const char* name) { return Find<QCheckBox>(name); }
  QRadioButton* Radio(const char* name) { return Find<QRadioButton>(name); }
  // On the indicator, where every style takes a click (Windows' take none on the empty width
  // a layout gives a check box beyond its text).
  void Click(QAbstractButton* b) {
    QStyleOptionButton option;
    option.initFrom(b);
    const auto element =
        qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator;
    QTest::mouseClick(b, Qt::LeftButton, {}, b->style()->subElementRect(element, &option, b).center());
  }
  // Right-clicks the value field and picks an item; `seen` gets the menu's items as shown.
  void ValueMenu(const char* item, std::map<QString, QAction*>* seen = nullptr) {
    PopupMenu::SetExecHook([&](PopupMenu* menu, const QPoint&) -> QAction* {
      // The items the menu holds, its own and the window's shortcuts it shows.
      std::map<QString, QAction*> shown;
      for (QAction* a : menu->findChildren<QAction*>()) shown[a->objectName()] = a;
      for (QAction* a : menu->actions()) shown[a->objectName()] = a;
      if (seen) *seen = shown;
      return shown[item];
    });
    emit Edit("HexHTMLEdit")->customContextMenuRequested(QPoint(2, 2));
    PopupMenu::SetExecHook(nullptr);
  }
  void Keys(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods) {
    w->setFocus();
    QTest::keyClick(w, key, mods);
  }
};

TEST_F(ValueOutputTest, OrangeInEveryNotation) {
  SetRgb(255, 128, 0);
  struct {
    bool html, decimal, bgr;
    const char* shown;
  } cases[] = {
      {false, false, false, "FF8000"},           {false, false, true, "0080FF"},
      {false, true, false, "16744448"},          {false, true, true, "33023"},
      {true, false, false, "COLOR=\"#FF8000\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    Check("HTMLCheckBox")->setChecked(c.html);
    (c.decimal ? Radio("HexOrDecimalRadioButton2") : Radio("HexOrDecimalRadioButton1"))->setChecked(true);
    Check("BGRCheckBox")->setChecked(c.bgr);
    EXPECT_EQ(Value(), c.shown);
  }
  EXPECT_EQ(MainWindowProbe::HexRGBText(*form), "FF8000");
  EXPECT_EQ(Find<ColourPanel>("ColourViewPanel")->Colour(), (Rgb8{255, 128, 0}));
}

TEST_F(ValueOutputTest, HtmlNamesFollowTheIeNsSwitch) {
  Click(Check("HTMLCheckBox"));
  EXPECT_TRUE(Check("IENSCheckBox")->isEnabled());
  SetRgb(255, 0, 255);
  EXPECT_EQ(Value(), "COLOR=\"Fuchia\"");
  Click(Check("IENSCheckBox"));
  EXPECT_EQ(Value(), "COLOR=\"Magenta\"");
  SetRgb(0xD1, 0x92, 0x75);
  EXPECT_EQ(Value(), "COLOR=\"Feldspar\"");
  Click(Check("HTMLCheckBox"));
  EXPECT_FALSE(Check("IENSCheckBox")->isEnabled());
  EXPECT_TRUE(Check("IENSCheckBox")->isChecked());  // keeps its mark while disabled
  EXPECT_EQ(Value(), "D19275");
}

TEST_F(ValueOutputTest, HtmlExcludesDecimalAndBgrWhichCombineFreely) {
  SetRgb(255, 128, 0);
  Click(Radio("HexOrDecimalRadioButton2"));
  Click(Check("BGRCheckBox"));
  EXPECT_EQ(Value(), "33023");
  Click(Check("HTMLCheckBox"));
  EXPECT_TRUE(Radio("HexOrDecimalRadioButton1")->isChecked());
  EXPECT_FALSE(Check("BGRCheckBox")->isChecked());
  EXPECT_EQ(Value(), "COLOR=\"#FF8000\"");
  Click(Radio("HexOrDecimalRadioButton2"));
  EXPECT_FALSE(Check("HTMLCheckBox")->isChecked());
  EXPECT_EQ(Value(), "16744448");
  Click(Check("HTMLCheckBox"));
  Click(Check("BGRCheckBox"));
  EXPECT_FALSE(Check("HTMLCheckBox")->isChecked());
  EXPECT_EQ(Value(), "0080FF");
}

TEST_F(ValueOutputTest, IntensityOffsetRoundsHalfToEvenAndShowsItsGrey) {
  QSlider* intensity = Slider("IntensityTrackBar");
  const struct {
    int r, g, b, i;
    const char* value;
    int grey;
  } cases[] = {{0, 0, 0, 50, "808080", 191},     {0, 0, 0, 0, "000000", 128},
               {10, 200, 90, -100, "000000", 0}, {10, 200, 90, 100, "FFFFFF", 255},
               {200, 100, 0, -50, "643200", 64}, {255, 128, 0, 20, "FF9933", 153}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    SetRgb(c.r, c.g, c.b);
    intensity->setValue(c.i);
    EXPECT_EQ(Value(), c.value);
    EXPECT_EQ(Find<ColourPanel>("IntensityPreviewPanel")->Colour(), Rgb8::OfLevels(c.grey, c.grey, c.grey));
  }
}

TEST_F(ValueOutputTest, PreviewsInverseAndPercentagesIgnoreTheOffset) {
  SetRgb(255, 128, 0);
  Slider("IntensityTrackBar")->setValue(-50);
  EXPECT_EQ(Find<ColourPanel>("RedPreviewPanel")->Colour(), (Rgb8{255, 0, 0}));
  EXPECT_EQ(Find<ColourPanel>("GreenPreviewPanel")->Colour(), (Rgb8{0, 128, 0}));
  EXPECT_EQ(Find<ColourPanel>("BluePreviewPanel")->Colour(), Rgb8{});
  EXPECT_EQ(Label("RedPercent"), "100%");
  EXPECT_EQ(Label("GreenPercent"), "50.196%");
  EXPECT_EQ(Label("BluePercent"), "0%");
  EXPECT_EQ(Label("CyanPercent"), "0%");
  EXPECT_EQ(Label("MagentaPercent"), "49.804%");
  EXPECT_EQ(Label("YellowPercent"), "100%");
  auto* inv = Find<ColourPanel>("ColourViewNegPanel");
  EXPECT_EQ(Value(), "804000");
  EXPECT_EQ(inv->FontColour(), (Rgb8{128, 64, 0}));
  EXPECT_EQ(inv->Colour(), (Rgb8{127, 191, 255}));
}

TEST_F(ValueOutputTest, AutoCopyPutsEveryNewValueOnTheClipboard) {
  Slider("RedTrackBar")->setValue(10);
  EXPECT_EQ(services.clipboardTextWrites, 0);  // off: sliders leave the clipboard alone
  Click(Check("AutoCopyCheckBox"));
  EXPECT_EQ(services.clipboardText, "0A0000");  // switching it on copies at once
  const int before = services.clipboardTextWrites;
  Slider("RedTrackBar")->setValue(11);
  Slider("GreenTrackBar")->setValue(255);
  EXPECT_EQ(services.clipboardText, "0BFF00");
  EXPECT_EQ(services.clipboardTextWrites, before + 2);
  Click(Radio("HexOrDecimalRadioButton2"));  // a notation switch changes the text too
  EXPECT_EQ(services.clipboardText, "786176");
  Click(Check("AutoCopyCheckBox"));
  Slider("RedTrackBar")->setValue(12);
  EXPECT_EQ(services.clipboardText, "786176");
  Click(Find<QPushButton>("CopyValueButton"));
  EXPECT_EQ(services.clipboardText, "851712");
  EXPECT_TRUE(Edit("HexHTMLEdit")->selectedText().isEmpty());
}

TEST_F(ValueOutputTest, CtrlCCopiesTheShownValue) {
  SetRgb(1, 2, 3);
  Find<QCheckBox>("HTMLCheckBox")->setChecked(true);
  Slider("RedTrackBar")->setFocus();
  QTest::keyClick(Slider("RedTrackBar"), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(services.clipboardText, "COLOR=\"#010203\"");
}

TEST_F(ValueOutputTest, CopyAsWritesCssNotationsAndCtrlShiftCRepeatsTheLastChoice) {
  SetRgb(0x33, 0x66, 0xCC);
  std::map<QString, QAction*> items;
  ValueMenu("CopyAsHsl", &items);
  EXPECT_EQ(services.clipboardText, "hsl(220 60% 50%)");
  EXPECT_EQ(items["CopyAsHex"]->text(), "#3366CC\tCtrl+Shift+C");  // hex until another is chosen
  EXPECT_EQ(items["CopyAsRgb"]->text(), "rgb(51 102 204)");
  EXPECT_TRUE(items["CopyAsOklch"]->text().startsWith("oklch("));
  EXPECT_FALSE(items["CopyAsName"]->isVisible());  // no CSS name for this colour
  EXPECT_EQ(Value(), "3366CC");                    // the value field keeps its own notation

  SetRgb(255, 0, 0);
  Keys(Slider("RedTrackBar"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(services.clipboardText, "hsl(0 100% 50%)");
  ValueMenu("CopyAsName", &items);
  EXPECT_EQ(services.clipboardText, "red");
  EXPECT_TRUE(items["CopyAsHsl"]->text().endsWith("\tCtrl+Shift+C"));
  // The offset colour is the one copied, as the value field shows it.
  Slider("IntensityTrackBar")->setValue(100);
  Keys(Slider("RedTrackBar"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(services.clipboardText, "white");
  ValueMenu("CopyValue1");
  EXPECT_EQ(services.clipboardText, "FFFFFF");
}

TEST_F(ValueOutputTest, PasteColourTakesAnyColourTextAsAPickedColour) {
  Find<QCheckBox>("AutoIndexCheckBox")->setChecked(true);
  const struct {
    const char* clipboard;
    const char* value;  // nullptr: not a colour
    bool byMenu;
    const char* hint = nullptr;  // said beside the value field
  } rows[] = {
      {"oklch(62.796% 0.25768 29.234)", "FF0000", false},
      {"  rgb(0 128 0)\n", "008000", true},
      {"color(display-p3 0 0 1)", "0000FF", false},
      {"rgb(51 102 204 / 50%)", "3366CC", true, "The 50 % opacity of rgb(51 102 204 / 50%) was left out"},
      {"transparent", "3366CC", true, "transparent is fully transparent: it has no colour of its own"},
      {"hello", nullptr, false},
      {"", nullptr, true},
  };
  std::size_t indexed = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.clipboard);
    services.clipboardText = row.clipboard;
    services.messages.clear();
    services.hints.clear();
    const QString before = Value();
    if (row.byMenu)
      ValueMenu("PasteColour1");
    else
      Keys(Slider("GreenTrackBar"), Qt::Key_V, Qt::ControlModifier);
    if (row.hint) {
      ASSERT_EQ(services.hints.size(), 1u);
      EXPECT_EQ(
          services.hints[0].second,
          QString(row.hint) +
              (std::string_view(row.clipboard) == "transparent" ? "." : ": Tintora keeps opaque colours."));
    }
    if (row.value) {
      EXPECT_EQ(Value(), row.value);
      EXPECT_TRUE(services.messages.empty());
      if (std::string_view(row.clipboard) != "transparent") ++indexed;  // not taken at all
      EXPECT_EQ(form->List().Count(), indexed);                         // auto-indexed as any picked colour
    } else {
      EXPECT_EQ(Value(), before);
      EXPECT_EQ(form->List().Count(), indexed);
      ASSERT_EQ(services.messages.size(), 1u);
      EXPECT_EQ(services.messages[0].owner, form.get());
      EXPECT_TRUE(
          services.messages[0].text.contains(*row.clipboard ? "\"hello\" is not a colour" : "no text"))
          << services.messages[0].text.toStdString();
    }
  }
  // Ctrl+C in the value field with nothing selected copies the whole value.
  QLineEdit* value = Edit("HexHTMLEdit");
  value->setFocus();
  value->deselect();
  services.clipboardText.clear();
  Keys(value, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(services.clipboardText, "3366CC");
  // A text field that takes Ctrl+V keeps it: nothing is read as a colour there.
  SetRgb(1, 2, 3);
  services.clipboardText = "blue";
  services.messages.clear();
  Keys(Edit("RedHexEdit"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Value(), "010203");
  EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace tintora::testing
