// The colour selector and its sources: tray, base palettes and lock, viewer, inverse.
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>

#include "core/colour/notations.h"
#include "widgets/colour_drag.h"
#include "widgets/colour_panel.h"
#include "widgets/image_box.h"
#include "widgets/popup_ext.h"
#include "widgets/speed_button.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

class SelectorTest : public WindowTest {
 protected:
  ColourPanel* Panel(const char* name) { return Find<ColourPanel>(name); }
  QString Rgb(const char* imageName, int x, int y) {
    return QString::fromStdString(Find<ImageBox>(imageName)->PixelColour(x, y)->Hex());
  }
  void Lock(Qt::MouseButton button) {
    SpeedButton* lock = Find<SpeedButton>("LockColourSpeedButton");
    QTest::mousePress(lock, button);
    QTest::mouseRelease(lock, button);
  }
  void PickMenuItem(const char* name) {
    PopupMenu::SetExecHook(
        [name](PopupMenu* menu, const QPoint&) { return menu->findChild<QAction*>(name); });
  }
};

TEST_F(SelectorTest, TrayPanelsPreviewOnHoverAndCommitOnClick) {
  ColourPanel* darkYellow = Panel("SysColDYellowPanel");
  EXPECT_EQ(darkYellow->toolTip(), "Dark Yellow (Kaki/Brown)");
  QTest::mouseMove(darkYellow, QPoint(5, 5));
  EXPECT_EQ(Text("ColourSelectorEdit"), "808000");
  EXPECT_EQ(Value(), "000000");  // hovering changes nothing yet
  QTest::mouseClick(darkYellow, Qt::LeftButton);
  EXPECT_EQ(Slider("RedTrackBar")->value(), 128);
  EXPECT_EQ(Slider("GreenTrackBar")->value(), 128);
  EXPECT_EQ(Slider("BlueTrackBar")->value(), 0);
  EXPECT_EQ(Value(), "808000");
  QTest::mouseClick(Panel("SysColLGreyPanel"), Qt::LeftButton);
  EXPECT_EQ(Value(), "C0C0C0");
}

TEST_F(SelectorTest, TheTrayIsOneKeyboardStopWalkedWithTheArrows) {
  QFrame* tray = Find<QFrame>("ColourTrayPanel");
  const auto trayColour = [&](int k) { return tray->findChildren<ColourPanel*>()[k]->Colour(); };
  tray->setFocus();
  ASSERT_TRUE(tray->hasFocus());
  EXPECT_EQ(Text("ColourSelectorEdit"), "000000");  // the first colour, black, shown
  for (int k = 0; k < 3; ++k) QTest::keyClick(tray, Qt::Key_Right);
  QTest::keyClick(tray, Qt::Key_Left);
  EXPECT_EQ(Text("ColourSelectorEdit"), QString::fromStdString(trayColour(2).Hex()));
  EXPECT_EQ(Value(), "000000");  // previewed, not taken
  QTest::keyClick(tray, Qt::Key_End);
  QTest::keyClick(tray, Qt::Key_Space);
  EXPECT_EQ(Value(), "FFFFFF");  // the last, white, taken
  QTest::keyClick(tray, Qt::Key_Home);
  QTest::keyClick(tray, Qt::Key_Return);
  EXPECT_EQ(Value(), "000000");
}

// The hex box takes any colour typed into it on Enter; what is no colour is said beside it, and
// what a colour value cannot keep (opacity) is said too.
TEST_F(SelectorTest, AColourTypedIntoTheHexBoxBecomesTheActiveColour) {
  QLineEdit* box = Find<QLineEdit>("ColourSelectorEdit");
  const struct {
    const char* typed;
    const char* value;  // the active colour after it
    const char* hint;   // part of the hint beside the box, or nullptr for none
  } rows[] = {
      {"3366cc", "3366CC", nullptr},
      {"#f80", "FF8800", nullptr},
      {"rebeccapurple", "663399", nullptr},
      {"oklch(70% 0.15 150)", "4CB86A", nullptr},
      {"rgb(51 102 204 / 50%)", "3366CC", "The 50 % opacity of rgb(51 102 204 / 50%) was left out"},
      {"not a colour", "3366CC", "\"not a colour\" is not a colour"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    services.hints.clear();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, row.typed);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(Value(), row.value);
    if (row.hint) {
      ASSERT_EQ(services.hints.size(), 1u);
      EXPECT_EQ(services.hints[0].first, box);
      EXPECT_TRUE(services.hints[0].second.contains(row.hint)) << services.hints[0].second.toStdString();
      EXPECT_EQ(box->text(), std::string_view(row.typed) == "not a colour" ? "3366CC" : box->text());
    } else {
      EXPECT_TRUE(services.hints.empty());
    }
  }
}

// Colours leave as a colour and as #RRGGBB text, from the swatch, the tray and the list; what
// another program drops on the selector becomes the active colour when it is one.
TEST_F(SelectorTest, ColoursDragOutAndDropIn) {
  std::vector<std::pair<QColor, QString>> dragged;
  ColourDragSource::SetDragHook(
      [&](QMimeData* mime) { dragged.emplace_back(qvariant_cast<QColor>(mime->colorData()), mime->text()); });
  const auto drag = [](QWidget* from) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), from->mapToGlobal(QPointF(3, 3)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(from, &press);
    const QPointF far(3 + QApplication::startDragDistance(), 3);
    QMouseEvent move(QEvent::MouseMove, far, from->mapToGlobal(far), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(from, &move);
  };
  SetRgb(0x33, 0x66, 0xCC);
  Panel("ColourSelectorPanel")->SetColour(Rgb8::OfLevels(0x33, 0x66, 0xCC));
  drag(Panel("ColourSelectorPanel"));
  drag(Panel("SysColLRedPanel"));
  ColourDragSource::SetDragHook(nullptr);
  ASSERT_EQ(dragged.size(), 2u);
  EXPECT_EQ(dragged[0], std::pair(QColor(0x33, 0x66, 0xCC), QString("#3366CC")));
  EXPECT_EQ(dragged[1], std::pair(QColor(255, 0, 0), QString("#FF0000")));

  form->ListPane().IndexColour();
  SetRgb(0x87, 0xCE, 0xEB);
  form->ListPane().IndexColour();
  QAbstractItemModel* model = Find<QAbstractItemView>("CustomColourListBox")->model();
  std::unique_ptr<QMimeData> fromList(model->mimeData({model->index(0, 0), model->index(1, 0)}));
  EXPECT_EQ(qvariant_cast<QColor>(fromList->colorData()), QColor(0x33, 0x66, 0xCC));
  EXPECT_EQ(fromList->text(), "#3366CC\n#87CEEB");

  auto* pane = Find<QWidget>("ColourSelectGroupBox");
  const auto drop = [&](QMimeData* mime) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pane, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pane, &dropped);
    return dropped.isAccepted();
  };
  const struct {
    const char* text;  // nullptr: colour data of 102030 instead
    bool taken;
    const char* value;
  } drops[] = {
      {"rebeccapurple", true, "663399"},
      {nullptr, true, "102030"},
      {"just some words", false, "102030"},
      {"#zzzzzz", false, "102030"},
  };
  for (const auto& d : drops) {
    SCOPED_TRACE(d.text ? d.text : "colour data");
    QMimeData mime;
    if (d.text)
      mime.setText(d.text);
    else
      mime.setColorData(QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(drop(&mime), d.taken);
    EXPECT_EQ(Value(), d.value);
  }
  EXPECT_TRUE(drop(fromList.get()));  // a list entry dragged onto the selector
  EXPECT_EQ(Value(), "3366CC");
}

TEST_F(SelectorTest, RetrieveAllAsWebsafeSnapsWhatTheSelectorShows) {
  PickMenuItem("RetreiveAllAsWebsafe1");
  QTest::mousePress(Panel("ColourSelectorPanel"), Qt::RightButton, {}, QPoint(3, 3));
  EXPECT_FALSE(Find<ImageBox>("WebSafeImage")->isHidden());
  form->Selection().ColourSelectorUpdate(Rgb8::OfLevels(0x12, 0x34, 0x56));
  EXPECT_EQ(Text("ColourSelectorEdit"), "003366");
  QTest::mouseClick(Panel("ColourSelectorPanel"), Qt::LeftButton);
  EXPECT_EQ(Value(), "003366");
}

TEST_F(SelectorTest, UnlockedPalettesFollowOnlyTheComponentThatMoved) {
  const QString greenBefore = Rgb("GreenBasedPaletteImage", 10, 10);
  Lock(Qt::LeftButton);  // unlock
  EXPECT_FALSE(MainWindowProbe::DerivativesLocked(*form));
  Slider("RedTrackBar")->setValue(100);
  EXPECT_EQ(Rgb("RedBasedPaletteImage", 0, 0), "640000");
  EXPECT_EQ(Rgb("RedBasedPaletteImage", 63, 63), "64FCFC");
  EXPECT_EQ(Rgb("GreenBasedPaletteImage", 10, 10), greenBefore);
  Lock(Qt::LeftButton);  // lock again: palettes stay
  Slider("RedTrackBar")->setValue(200);
  EXPECT_EQ(Rgb("RedBasedPaletteImage", 0, 0), "640000");
}

TEST_F(SelectorTest, ClickingAPalettePixelCommitsAndCopiesIt) {
  Find<QCheckBox>("AutoCopyCheckBox")->setChecked(false);
  QTest::mouseClick(Find<ImageBox>("BlueBasedPaletteImage"), Qt::LeftButton, {}, QPoint(3, 5));
  EXPECT_EQ(Value(), "0C1400");                // red 3 * 4, green 5 * 4, blue 0
  EXPECT_EQ(services.clipboardTextWrites, 0);  // copying follows the auto copy switch
  Find<QCheckBox>("AutoCopyCheckBox")->setChecked(true);
  QTest::mouseClick(Find<ImageBox>("BlueBasedPaletteImage"), Qt::LeftButton, {}, QPoint(1, 1));
  EXPECT_EQ(services.clipboardText, "040400");
}

TEST_F(SelectorTest, RightClickOnTheLockRedrawsFromBlackAndLocksWithoutTouchingTheColour) {
  Lock(Qt::LeftButton);
  SetRgb(200, 100, 50);
  EXPECT_EQ(Rgb("GreenBasedPaletteImage", 0, 0), "006400");
  Lock(Qt::RightButton);
  EXPECT_TRUE(MainWindowProbe::DerivativesLocked(*form));
  EXPECT_EQ(Value(), "C86432");
  for (const char* image : {"RedBasedPaletteImage", "GreenBasedPaletteImage", "BlueBasedPaletteImage"})
    EXPECT_EQ(Rgb(image, 0, 0), "000000") << image;
  Slider("GreenTrackBar")->setValue(10);
  EXPECT_EQ(Rgb("GreenBasedPaletteImage", 0, 0), "000000");
}

TEST_F(SelectorTest, TheWebSafePaletteModeRedrawsAroundTheBases) {
  SetRgb(100, 0, 0);
  Lock(Qt::LeftButton);
  Slider("RedTrackBar")->setValue(101);
  PickMenuItem("SetWebsafePaletteOn1");
  QTest::mousePress(Find<ImageBox>("RedBasedPaletteImage"), Qt::RightButton, {}, QPoint(3, 3));
  EXPECT_EQ(Rgb("RedBasedPaletteImage", 0, 0), "660000");
  EXPECT_EQ(Rgb("RedBasedPaletteImage", 63, 63), "66FFFF");
  EXPECT_EQ(Rgb("GreenBasedPaletteImage", 63, 0), "0000FF");  // across the green palette runs blue
  EXPECT_EQ(Value(), "650000");                               // the active colour came back
}

TEST_F(SelectorTest, InvOnOrangeWithIntensityGivesTheExactInverse) {
  SetRgb(255, 128, 0);
  Slider("IntensityTrackBar")->setValue(20);
  const Rgb8 shownBefore = Panel("ColourViewPanel")->Colour();
  QTest::mouseClick(Panel("ColourViewNegPanel"), Qt::LeftButton);
  EXPECT_EQ(Slider("RedTrackBar")->value(), 0);
  EXPECT_EQ(Slider("GreenTrackBar")->value(), 127);
  EXPECT_EQ(Slider("BlueTrackBar")->value(), 255);
  EXPECT_EQ(Slider("IntensityTrackBar")->value(), -20);
  EXPECT_EQ(Panel("ColourViewPanel")->Colour(), shownBefore.Inverse());
}

TEST_F(SelectorTest, TheViewerTogglesItsSampleLayout) {
  QTest::mouseClick(Find<QWidget>("ExpandImage"), Qt::LeftButton);  // the advanced panes, viewer included
  ColourPanel* viewer = Panel("ColourViewPanel");
  SetRgb(10, 20, 30);
  QTest::mousePress(Panel("Panel10"), Qt::LeftButton);  // paint a sample panel
  EXPECT_EQ(Panel("Panel10")->Colour(), Rgb8::OfLevels(10, 20, 30));
  SetRgb(0, 0, 0);
  QTest::mousePress(Panel("Panel10"), Qt::RightButton);  // pick it back
  EXPECT_EQ(Value(), "0A141E");
  QTest::mouseDClick(viewer, Qt::LeftButton);
  for (int n = 6; n <= 11; ++n)
    EXPECT_EQ(Panel(qPrintable(QString("Panel%1").arg(n)))->Colour(), (Rgb8{0xC0, 0xC0, 0xC0})) << n;
  QTest::mousePress(viewer, Qt::RightButton);
  EXPECT_TRUE(Panel("Panel6")->isHidden());
  EXPECT_EQ(viewer->height(), 107);
  // The comparison swatch over the inverse, which stands level with the big swatch's foot.
  form->layout()->activate();
  Find<QWidget>("ColourViewerGroupBox")->layout()->activate();
  EXPECT_GT(Panel("ColourViewNegPanel")->y(), Panel("Panel14")->geometry().bottom());
  EXPECT_EQ(Panel("ColourViewNegPanel")->geometry().bottom(), viewer->geometry().bottom());
  QTest::mousePress(viewer, Qt::RightButton);
  EXPECT_FALSE(Panel("Panel6")->isHidden());
  EXPECT_EQ(viewer->height(), 41);
}

TEST_F(SelectorTest, TheComparisonSwatchKeepsAColourToGoBackTo) {
  SetRgb(1, 2, 3);
  QTest::mousePress(Panel("Panel15"), Qt::LeftButton);
  SetRgb(200, 200, 200);
  QTest::mousePress(Panel("Panel15"), Qt::RightButton);
  EXPECT_EQ(Value(), "010203");
}

}  // namespace
}  // namespace tintora::testing
