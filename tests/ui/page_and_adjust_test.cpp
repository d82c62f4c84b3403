// The sample page of the Links tab (its five colours, copies and contrast) and the Adjust
// Selected Colours window, as a user meets them.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>

#include "app/frame.h"
#include "colourlist/adjust_colours.h"
#include "colourlist/adjust_window.h"
#include "colourlist/colour_list_view.h"
#include "core/formats/cdt.h"
#include "core/formats/colour_list_files.h"
#include "support/printers.h"
#include "webpage/page_coordinator.h"
#include "widgets/colour_list_model.h"
#include "widgets/popup_ext.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

using R = PageRole;

class PageTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    form->Frame().ShowAdvancedPanes();
    Find<QTabWidget>("PageControl1")->setCurrentIndex(4);
  }
  PageCoordinator& P() { return form->PageColours(); }
  void Copy(const char* item) { P().Menu()->findChild<QAction*>(item)->trigger(); }
  QString Cell(const char* role, int column) {
    // The contrast table's cells in reading order: ratio, normal, large per row.
    const auto cells = Find<QWidget>("ContrastGroupBox")->findChildren<QLabel*>("ContrastCell");
    const int row = QStringList({"Text", "Link", "Active", "Visited"}).indexOf(role);
    return cells[row * 3 + column]->text();
  }
};

TEST_F(PageTest, ClicksSetTheColoursAndOtherButtonsTakeThemBack) {
  SetRgb(0x12, 0x34, 0x56);
  QTest::mouseClick(Find<QLabel>("DocumentTextLabel"), Qt::LeftButton);
  EXPECT_EQ(P().Colours()[R::Text], (Rgb8{0x12, 0x34, 0x56}));
  EXPECT_EQ(Find<QLabel>("DocumentTextLabel")->palette().color(QPalette::WindowText),
            QColor(0x12, 0x34, 0x56));
  SetRgb(0xFF, 0xFF, 0x00);
  QTest::mouseClick(Find<QFrame>("SampleDocPanel"), Qt::LeftButton, {}, QPoint(150, 110));
  EXPECT_EQ(P().Colours()[R::Background], (Rgb8{0xFF, 0xFF, 0}));
  // A right or middle click makes the element's colour the active one; hovering shows it.
  for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
    SetRgb(0, 0, 0);
    QTest::mouseClick(Find<QLabel>("VisitedLinkLabel"), b);
    EXPECT_EQ(Value(), "800080");
  }
  QTest::mouseMove(Find<QLabel>("UnvisitedLinkLabel"), QPoint(3, 3));
  EXPECT_EQ(form->Selection().Colour(), (Rgb8{0, 0, 0xFF}));
  Copy("ResetColours1");
  EXPECT_EQ(P().Colours().colours, PageColours{}.colours);
}

TEST_F(PageTest, TheCopiesFollowTheNotationAndTheWebSafeOption) {
  const struct {
    const char* item;
    bool names;
    const char* text;
  } cases[] = {
      {"CopyAllColourOptionsToClipboard1", false,
       "BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" ALINK=\"#000000\" VLINK=\"#800080\""},
      {"CopyAllColourOptionsToClipboard1", true,
       "BGCOLOR=\"White\" TEXT=\"Black\" LINK=\"Blue\" ALINK=\"Black\" VLINK=\"Purple\""},
      {"CopyDocumentBackgroundColour1", false, "BGCOLOR=\"#FFFFFF\""},
      {"CopyDocumentandTextColours1", false, "BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\""},
      {"CopyAllLinkColours1", false, "LINK=\"#0000FF\" ALINK=\"#000000\" VLINK=\"#800080\""},
      {"CopyVisitedLinkColour1", true, "VLINK=\"Purple\""},
  };
  for (const auto& c : cases) {
    Find<QCheckBox>("HTMLCheckBox")->setChecked(c.names);
    Copy(c.item);
    EXPECT_EQ(services.clipboardText, c.text) << c.item;
  }
  Find<QCheckBox>("HTMLCheckBox")->setChecked(false);
  SetRgb(0x12, 0x34, 0x56);
  QTest::mouseClick(Find<QLabel>("DocumentTextLabel"), Qt::LeftButton);
  Copy("UseWebSafeColours2");
  Copy("CopyDocumentTextColour1");
  EXPECT_EQ(services.clipboardText, "TEXT=\"#003366\"");
  EXPECT_EQ(P().Colours()[R::Text], (Rgb8{0x12, 0x34, 0x56}));
}

TEST_F(PageTest, TheContrastFollowsTheColoursAsTheyChange) {
  EXPECT_EQ(Cell("Text", 0), "21.00:1");
  EXPECT_EQ(Cell("Link", 0), "8.59:1");
  SetRgb(0x77, 0x77, 0x77);
  QTest::mouseClick(Find<QLabel>("DocumentTextLabel"), Qt::LeftButton);
  EXPECT_EQ(Cell("Text", 0), "4.48:1");
  EXPECT_EQ(Cell("Text", 1), "fails");
  EXPECT_EQ(Cell("Text", 2), "AA");
  SetRgb(0, 0, 0x80);
  QTest::mouseClick(Find<QFrame>("SampleDocPanel"), Qt::LeftButton, {}, QPoint(150, 110));  // a navy page
  EXPECT_EQ(Cell("Visited", 1), "fails");
  SetRgb(255, 255, 255);
  EXPECT_EQ(Find<QLabel>("ActiveContrastLabel")->text(), "Active: 1.00:1 on white, 21.00:1 on black");
}

// A failing pair offers the nearest colour that passes; taking it can be taken back.
TEST_F(PageTest, AFailingPairIsFixedByItsButtonAndTheFixUndone) {
  const auto fixes = Find<QWidget>("ContrastGroupBox")->findChildren<QToolButton*>("ContrastFixButton");
  ASSERT_EQ(fixes.size(), 4);
  for (QToolButton* fix : fixes) EXPECT_TRUE(fix->isHidden());  // black and blue on white pass
  SetRgb(0x99, 0x99, 0x99);
  QTest::mouseClick(Find<QLabel>("DocumentTextLabel"), Qt::LeftButton);
  ASSERT_FALSE(fixes[0]->isHidden());
  EXPECT_TRUE(fixes[0]->toolTip().contains("767676")) << fixes[0]->toolTip().toStdString();
  fixes[0]->click();
  EXPECT_EQ(P().Colours()[R::Text], (Rgb8{0x76, 0x76, 0x76}));
  EXPECT_EQ(Cell("Text", 1), "AA");
  EXPECT_EQ(fixes[0]->text(), "Undo");
  fixes[0]->click();
  EXPECT_EQ(P().Colours()[R::Text], (Rgb8{0x99, 0x99, 0x99}));
  EXPECT_EQ(fixes[0]->text(), "Fix");
  // A colour set by hand after a fix ends its undo.
  fixes[0]->click();
  SetRgb(0xAA, 0xAA, 0xAA);
  QTest::mouseClick(Find<QLabel>("DocumentTextLabel"), Qt::LeftButton);
  EXPECT_EQ(fixes[0]->text(), "Fix");
}

// "View as" draws the sample page and the colour viewer as a dichromat sees them; the colours
// themselves, and the contrast measured from them, stay the real ones.
TEST_F(PageTest, ViewAsShowsTheDeficiencyAndTheContrastStaysReal) {
  SetRgb(255, 0, 0);
  QTest::mouseClick(Find<QFrame>("SampleDocPanel"), Qt::LeftButton, {}, QPoint(150, 110));
  const QString ratio = Cell("Text", 0);
  auto* viewer = Find<QGroupBox>("ColourViewerGroupBox");
  // The control as drawn (the window may be scrolled on a small screen).
  auto shown = [](QWidget* w) {
    const QImage drawn = w->grab().toImage();
    return drawn.pixelColor(drawn.rect().center());
  };
  auto near = [](QColor a, QColor b) {
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 &&
           std::abs(a.blue() - b.blue()) <= 2;
  };
  QComboBox* viewAs = Find<QComboBox>("ViewAsComboBox");
  viewAs->setFocus();
  QTest::keyClick(viewAs, Qt::Key_Down);
  QTest::keyClick(viewAs, Qt::Key_Down);
  ASSERT_EQ(viewAs->currentText(), "Deuteranopia");
  const QColor deuteranRed(0xA3, 0x90, 0x00);
  EXPECT_TRUE(near(shown(Find<QFrame>("SampleDocPanel")), deuteranRed))
      << shown(Find<QFrame>("SampleDocPanel")).name().toStdString();
  EXPECT_TRUE(near(shown(Find<QWidget>("ColourViewPanel")), deuteranRed));
  EXPECT_TRUE(viewer->title().contains("Deuteranopia")) << viewer->title().toStdString();
  EXPECT_EQ(P().Colours()[R::Background], (Rgb8{255, 0, 0}));
  EXPECT_EQ(Cell("Text", 0), ratio);
  EXPECT_EQ(Value(), "FF0000");

  viewAs->setCurrentIndex(0);
  EXPECT_TRUE(near(shown(Find<QFrame>("SampleDocPanel")), Qt::red));
  EXPECT_TRUE(near(shown(Find<QWidget>("ColourViewPanel")), Qt::red));
  EXPECT_EQ(viewer->title(), "Colour Viewer");
}

class AdjustTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ColourList list;
    list.Append({{"Red", "FF0000"},
                 {"Grey", "808080"},
                 {std::string(21, 'n'), "0000FF"},
                 {"d", "123456"},
                 {"e", "FFFF00"},
                 {"f", "00FF00"}});
    services.answers = {MessageAnswer::Yes};
    Load(WriteFile("six.cdt", ParseDataForCDTFile(list)));
    services.messages.clear();
  }
  AdjustWindow& W() { return *form->Adjust(); }
  QSlider* Bar(const char* name) { return W().findChild<QSlider*>(name); }
  QString Shown(const char* edit) { return W().findChild<QLineEdit*>(edit)->text(); }
  QPushButton* Button(const char* name) { return W().findChild<QPushButton*>(name); }
  void Select(std::initializer_list<int> rows) {
    auto* view = Find<ColourListView>("CustomColourListBox");
    view->selectionModel()->clearSelection();
    for (int r : rows)
      view->selectionModel()->select(view->model()->index(r, 0), QItemSelectionModel::Select);
  }
  void Open() { form->findChild<QAction*>("AdjustSelectedColours1")->trigger(); }
  std::string Cdt() {
    ColourList l;
    l.Append(form->List().Entries());
    return ParseDataForCDTFile(l);
  }
};

TEST_F(AdjustTest, ThePreviewShowsEverySelectedEntryOldAndNew) {
  Select({});
  Open();
  ASSERT_TRUE(W().isVisible());
  Bar("HueTrackBar")->setValue(120);
  EXPECT_EQ(W().Preview().Count(), 0u);
  EXPECT_FALSE(Button("AdjustAcceptButton")->isEnabled());
  Select({0, 2, 3, 4, 5});  // the preview follows the selection while the window is open
  ASSERT_EQ(W().Preview().Count(), 5u);
  EXPECT_EQ(W().Preview().height(), 105);
  EXPECT_TRUE(Button("AdjustAcceptButton")->isEnabled());
  const AdjustedEntry first = W().Preview().Cell(0);
  EXPECT_EQ(first.before + " {" + first.after + "}", "FF0000 {00FF00}");
  EXPECT_EQ(W().Preview().Cell(1).name, std::string(20, 'n') + "...");
  EXPECT_EQ(Shown("HueEdit"), QString("+120") + QChar(0xB0));
  Bar("SaturationTrackBar")->setValue(128);
  EXPECT_EQ(Shown("SaturationEdit"), "50.196%");
  Bar("IntensityTrackBar3")->setValue(-255);
  EXPECT_EQ(Shown("Intensity3Edit"), "-100%");
  EXPECT_EQ(W().Preview().Cell(4).after, "000000");
  // The copy is the preview as a picture.
  W().findChild<QAction*>("CopyToClipboard2")->trigger();
  ASSERT_TRUE(services.clipboardImage);
  EXPECT_EQ(services.clipboardImage->size(), QSize(366, 105));
}

TEST_F(AdjustTest, AcceptWritesWhatThePreviewShowedAndUndoBringsTheListBack) {
  const std::string before = Cdt();
  Select({0, 1});
  Open();
  form->findChild<QAction*>("RetreiveAllAsWebsafe1")->trigger();
  Bar("SaturationTrackBar")->setValue(255);
  Bar("IntensityTrackBar3")->setValue(-40);
  const AdjustedEntry grey = W().Preview().Cell(1);
  EXPECT_EQ(grey.shown, "660000");  // painted web-safe ...
  EXPECT_EQ(grey.after, "6C0000");  // ... stored as adjusted
  QTest::mouseClick(Button("AdjustAcceptButton"), Qt::LeftButton);
  EXPECT_EQ(form->List().At(0).value, "D70000");
  EXPECT_EQ(form->List().At(1).value, grey.after);
  EXPECT_EQ(form->List().At(2).value, "0000FF");
  EXPECT_TRUE(form->ListModel().ListChanged());
  EXPECT_EQ(W().Sliders(), Adjustment{});
  EXPECT_FALSE(Button("AdjustAcceptButton")->isEnabled());
  EXPECT_TRUE(W().isVisible());
  form->findChild<QAction*>("UndoLastChange1")->trigger();
  EXPECT_EQ(Cdt(), before);
}

TEST_F(AdjustTest, CancelPutsTheSlidersBackAndTheFrameKeepsThem) {
  const std::string before = Cdt();
  Select({0});
  Open();
  Bar("HueTrackBar")->setValue(90);
  QTest::mouseClick(Button("AdjustCancelButton"), Qt::LeftButton);
  EXPECT_FALSE(W().isVisible());
  EXPECT_EQ(W().Sliders(), Adjustment{});
  EXPECT_EQ(Cdt(), before);
  Open();
  Bar("HueTrackBar")->setValue(30);
  W().close();
  Open();
  EXPECT_EQ(Bar("HueTrackBar")->value(), 30);
  EXPECT_EQ(W().Preview().Count(), 1u);
}

}  // namespace
}  // namespace tintora::testing
