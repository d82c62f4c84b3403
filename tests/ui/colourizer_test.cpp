// The text colourizer tab as a user meets it: colours dragged in from the colour list, the
// preview, the menu's copies, the bigger window, the character chart and the text's limit.
#include <QAction>
#include <QCheckBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>

#include "app/frame.h"
#include "colourizer/colour_check_list.h"
#include "colourizer/colourizer_preview_window.h"
#include "colourizer/text_colourizer.h"
#include "colourlist/colour_list_view.h"
#include "core/formats/colour_list_files.h"
#include "support/printers.h"
#include "widgets/colour_list_model.h"
#include "widgets/popup_ext.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

using Entries = std::vector<TextColourEntry>;

class ColourizerTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    form->Frame().ShowAdvancedPanes();
    Find<QTabWidget>("PageControl1")->setCurrentIndex(3);
  }
  TextColourizer& C() { return form->Colourizer(); }
  ColourCheckList* CheckList() { return Find<ColourCheckList>("ColourCheckListBox"); }
  // Drops CDT lines on a view, as a drag from another list would.
  void Drop(QAbstractItemView* view, const std::string& lines, QPoint at = {5, 5}) {
    QMimeData mime;
    mime.setData(ColourListModel::kMimeType, QByteArray::fromStdString(lines));
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &drop);
  }
  void DropRedGreenBlue() { Drop(CheckList(), "{Red}[FF0000]\r\n{Green}[00FF00]\r\n{Blue}[0000FF]\r\n"); }
  void Check(int row) { CheckList()->item(row)->setCheckState(Qt::Checked); }
  void SetText(const QString& text) { Find<QPlainTextEdit>("TextToColourMemo")->setPlainText(text); }
  QColor PreviewColour(int position) {
    QTextCursor c(Find<QTextEdit>("ResultRichEdit")->document());
    c.setPosition(position + 1);
    return c.charFormat().foreground().color();
  }
  // What was copied, its lines ended as here (Windows ends them with CR LF).
  QString Copied() { return QString(services.clipboardText).remove('\r'); }
};

TEST_F(ColourizerTest, ColoursDroppedFromTheListComeInUncheckedAndColourOnceChecked) {
  const QColor plain = PreviewColour(0);
  DropRedGreenBlue();
  EXPECT_EQ(CheckList()->Entries(),
            Entries({{"Red", "FF0000", false}, {"Green", "00FF00", false}, {"Blue", "0000FF", false}}));
  EXPECT_EQ(PreviewColour(0), plain);
  Check(0);
  EXPECT_EQ(PreviewColour(0), QColor(255, 0, 0));
  EXPECT_EQ(PreviewColour(5), QColor(255, 0, 0));
  Check(2);  // red to blue over SAMPLE: the third letter is 2/5 of the way
  EXPECT_EQ(PreviewColour(2), QColor(153, 0, 102));
  C().Menu()->findChild<QAction*>("CopyHTMLToClipBoard1")->trigger();
  EXPECT_TRUE(Copied().startsWith("<FONT COLOR=\"#FF0000\">S</FONT><FONT COLOR=\"#CC0033\">A</FONT>"))
      << Copied().toStdString();
}

TEST_F(ColourizerTest, MovingDeletingAndCopyingBackToTheColourList) {
  DropRedGreenBlue();
  CheckList()->setCurrentRow(0);
  CheckList()->MoveCurrentTo(QPoint(5, 10000));  // below the last item: to the end
  EXPECT_EQ(CheckList()->Entries()[2].name, "Red");
  EXPECT_EQ(CheckList()->currentRow(), 2);
  // Delete removes the selection, and the item before it becomes current.
  CheckList()->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
  CheckList()->setFocus();
  QTest::keyClick(CheckList(), Qt::Key_Delete);
  EXPECT_EQ(CheckList()->Entries().size(), 2u);
  EXPECT_EQ(CheckList()->currentRow(), 0);
  // The check list's colours dropped on the colour list become entries of it.
  Drop(Find<ColourListView>("CustomColourListBox"), "{Blue}[0000FF]\r\n");
  EXPECT_EQ(form->List().Entries(), std::vector<ColourEntry>({{"Blue", "0000FF"}}));
  EXPECT_TRUE(form->ListModel().ListChanged());
  // A right click on an empty check list deletes nothing and says nothing.
  CheckList()->clear();
  QTest::mouseClick(CheckList()->viewport(), Qt::RightButton);
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(ColourizerTest, TheCopiesTakeTheHtmlTheBackgroundAndTheRichText) {
  Drop(CheckList(), "{Red}[FF0000]\r\n{Blue}[0000FF]\r\n");
  Check(0);
  SetText("A B  ");
  C().Menu()->findChild<QAction*>("CopyHTMLToClipBoard1")->trigger();
  EXPECT_EQ(Copied(), "<FONT COLOR=\"#FF0000\">\nA&nbsp;B\n</FONT>");
  Check(1);
  Find<QAction>("Bold1")->trigger();
  Find<QAction>("CopyHTMLToClipBoard1")->trigger();
  EXPECT_EQ(Copied(),
            "<B>\n<FONT COLOR=\"#FF0000\">A</FONT><FONT COLOR=\"#7F0080\">&nbsp;</FONT>"
            "<FONT COLOR=\"#0000FF\">B</FONT>\n</B>");
  // The same as CSS spans, once asked for.
  Find<QAction>("CssSpanOutput1")->trigger();
  Find<QAction>("CopyHTMLToClipBoard1")->trigger();
  EXPECT_EQ(Copied(),
            "<span style=\"font-weight: bold\">\n<span style=\"color: #FF0000\">A</span>"
            "<span style=\"color: #7F0080\">&nbsp;</span><span style=\"color: #0000FF\">B</span>\n</span>");
  Find<QAction>("CssSpanOutput1")->trigger();

  SetRgb(0x12, 0x34, 0x56);
  Find<QAction>("SetBackgroundColour1")->trigger();
  Find<QAction>("CopyBackgroundHTMLtoClipboard1")->trigger();
  EXPECT_EQ(Copied(), "BGColor=\"#123456\"");
  EXPECT_EQ(Find<QTextEdit>("ResultRichEdit")->palette().color(QPalette::Base), QColor(0x12, 0x34, 0x56));
  // The bigger window, first opened after the background was chosen, shows it too.
  EXPECT_EQ(form->ColourizerPreview()->Preview()->palette().color(QPalette::Base), QColor(0x12, 0x34, 0x56));

  Find<QAction>("CopyRichTextToClipboard1")->trigger();
  ASSERT_TRUE(services.clipboardMime);
  const QMimeData& mime = *services.clipboardMime;
  EXPECT_EQ(mime.text(), "A B");  // the trailing blanks left out
  EXPECT_TRUE(mime.data("text/rtf").startsWith("{\\rtf1"));
  // A rich text box reading the HTML form gets the colours and the bold.
  QTextEdit pasted;
  pasted.setHtml(mime.html());
  QTextCursor c(pasted.document());
  c.setPosition(1);
  EXPECT_EQ(c.charFormat().foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
  c.setPosition(3);
  EXPECT_EQ(c.charFormat().foreground().color(), QColor(0, 0, 255));
}

TEST_F(ColourizerTest, SizeRangesFollowTheModeAndTheBase) {
  const struct {
    bool relative;
    int base, low, high;
  } cases[] = {{true, 7, -6, 0}, {true, 1, 0, 6}, {true, 3, -2, 4}, {false, 7, 0, 7}};
  for (const auto& c : cases) {
    Find<QCheckBox>("StaticFontSizeCheckBox")->setChecked(c.relative);
    Find<QSpinBox>("FirstFontSizeUpDown")->setValue(c.base);
    EXPECT_EQ(Find<QSpinBox>("ThirdFontSizeUpDown")->minimum(), c.low) << c.base;
    EXPECT_EQ(Find<QSpinBox>("SecondFontSizeUpDown")->maximum(), c.high) << c.base;
  }
  Find<QCheckBox>("StaticFontSizeCheckBox")->setChecked(false);
  Find<QSpinBox>("FirstFontSizeUpDown")->setValue(3);
  EXPECT_EQ(Find<QLineEdit>("FirstFontSizeEdit")->palette().color(QPalette::Base), QColor(0xAC, 0xFF, 0xAC));
  Find<QSpinBox>("SecondFontSizeUpDown")->setValue(1);
  Find<QSpinBox>("ThirdFontSizeUpDown")->setValue(7);
  SetText("ABCDEFG");
  QTextCursor c(Find<QTextEdit>("ResultRichEdit")->document());
  c.setPosition(7);
  EXPECT_EQ(c.charFormat().fontPointSize(), 36);
}

TEST_F(ColourizerTest, TheTextKeepsItsLimitAndALineBreakBecomesABreak) {
  SetText(QString(200, 'x'));
  EXPECT_EQ(Find<QPlainTextEdit>("TextToColourMemo")->toPlainText().size(), 155);
  Find<QPlainTextEdit>("TextToColourMemo")->setFocus();
  Find<QPlainTextEdit>("TextToColourMemo")->moveCursor(QTextCursor::End);
  QTest::keyClicks(Find<QPlainTextEdit>("TextToColourMemo"), "yz");
  EXPECT_EQ(Find<QPlainTextEdit>("TextToColourMemo")->toPlainText(), QString(155, 'x'));
  QTest::keyClick(Find<QPlainTextEdit>("TextToColourMemo"), Qt::Key_Return);  // Enter adds no line
  EXPECT_EQ(Find<QPlainTextEdit>("TextToColourMemo")->toPlainText(), QString(155, 'x'));
  SetText("A\nB");
  Find<QAction>("CopyHTMLToClipBoard1")->trigger();
  EXPECT_EQ(Copied(), "A<BR>B");
}

TEST_F(ColourizerTest, TheChartCopiesAndPastesWhatIsSelected) {
  Find<QAction>("ShowUnicodeChart1")->trigger();
  ASSERT_TRUE(Find<QWidget>("DonatePanel")->isVisible());
  const QString chart = Find<QPlainTextEdit>("UnicodeMemo")->toPlainText();
  EXPECT_EQ(chart.size(), 98);
  Find<QAction>("ShowUnicodeChart1")->trigger();
  Find<QAction>("ShowUnicodeChart1")->trigger();
  EXPECT_EQ(Find<QPlainTextEdit>("UnicodeMemo")->toPlainText(), chart);  // shown once after off and on

  SetText("caf");
  Find<QPlainTextEdit>("TextToColourMemo")->moveCursor(QTextCursor::End);
  QTextCursor pick(Find<QPlainTextEdit>("UnicodeMemo")->document());
  pick.setPosition(static_cast<int>(chart.indexOf(QChar(0xE9))));
  pick.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  Find<QPlainTextEdit>("UnicodeMemo")->setTextCursor(pick);
  QTest::mouseRelease(Find<QPlainTextEdit>("UnicodeMemo")->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(Copied(), QString(QChar(0xE9)));
  EXPECT_EQ(Find<QPlainTextEdit>("TextToColourMemo")->toPlainText(), QString("caf") + QChar(0xE9));
  Find<QAction>("CopyHTMLToClipBoard1")->trigger();
  EXPECT_EQ(Copied(), "caf&eacute;");

  // On another tab the selection is copied but nothing is pasted; a plain click copies nothing.
  Find<QTabWidget>("PageControl1")->setCurrentIndex(0);
  Find<QPlainTextEdit>("UnicodeMemo")->setTextCursor(pick);
  QTest::mouseRelease(Find<QPlainTextEdit>("UnicodeMemo")->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(Copied(), QString(QChar(0xE9)));
  EXPECT_EQ(Find<QPlainTextEdit>("TextToColourMemo")->toPlainText(), QString("caf") + QChar(0xE9));
  services.clipboardText.clear();
  QTest::mouseRelease(Find<QPlainTextEdit>("UnicodeMemo")->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_TRUE(Copied().isEmpty());

  // The strip follows the window's reduced form, and a right click closes it.
  form->Frame().BasicAdvancedShowHide();
  EXPECT_FALSE(Find<QWidget>("DonatePanel")->isVisible());
  form->Frame().BasicAdvancedShowHide();
  EXPECT_TRUE(Find<QWidget>("DonatePanel")->isVisible());
  EXPECT_EQ(Find<QPlainTextEdit>("UnicodeMemo")->toPlainText(), chart);
  QTest::mousePress(Find<QPlainTextEdit>("UnicodeMemo")->viewport(), Qt::RightButton, {}, QPoint(2, 2));
  EXPECT_FALSE(Find<QWidget>("DonatePanel")->isVisible());
  EXPECT_FALSE(Find<QAction>("ShowUnicodeChart1")->isChecked());
}

TEST_F(ColourizerTest, TheBiggerWindowShowsWhatThePreviewShows) {
  Drop(CheckList(), "{Red}[FF0000]\r\n");
  Check(0);
  Find<QAction>("ViewInBiggerWindow1")->trigger();
  ColourizerPreviewWindow* big = form->ColourizerPreview();
  ASSERT_TRUE(big->isVisible());
  EXPECT_EQ(big->Preview()->toPlainText(), "SAMPLE");
  QTextCursor c(big->Preview()->document());
  c.setPosition(1);
  EXPECT_EQ(c.charFormat().foreground().color(), QColor(255, 0, 0));
  // Bigger: twice the size of the tab's.
  QTextCursor small(Find<QTextEdit>("ResultRichEdit")->document());
  small.setPosition(1);
  EXPECT_EQ(c.charFormat().fontPointSize(), 2 * small.charFormat().fontPointSize());
  SetText("Hi");
  EXPECT_EQ(big->Preview()->toPlainText(), "Hi");
  big->close();
}

}  // namespace
}  // namespace tintora::testing
