// The colour list pane: indexing, keys, renaming, deleting, undo, moving, sorting and the
// list-wide commands, as a user meets them.
#include <functional>

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "colourlist/change_colour_name_dialogue.h"
#include "colourlist/colour_list_view.h"
#include "widgets/colour_panel.h"
#include "widgets/popup_ext.h"
#include "widgets/shape_box.h"
#include "widgets/speed_button.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

class ColourListTest : public WindowTest {
 protected:
  ColourListView* ListBox() { return Find<ColourListView>("CustomColourListBox"); }
  void Click(const char* button) { QTest::mouseClick(Find<QAbstractButton>(button), Qt::LeftButton); }
  // Indexes a colour with the Index button, as a user would after mixing it.
  void IndexRgb(int r, int g, int b) {
    SetRgb(r, g, b);
    Click("InsertSpeedButton");
  }
  std::vector<std::string> Names() {
    std::vector<std::string> out;
    for (const auto& e : form->List().Entries()) out.push_back(e.name);
    return out;
  }
  std::vector<std::string> Values() {
    std::vector<std::string> out;
    for (const auto& e : form->List().Entries()) out.push_back(e.value);
    return out;
  }
  std::vector<int> Selected() {
    std::vector<int> rows;
    for (const QModelIndex& i : ListBox()->selectionModel()->selectedIndexes()) rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
  }
  void SelectOnly(std::initializer_list<int> rows) {
    auto* sel = ListBox()->selectionModel();
    sel->clearSelection();
    for (int r : rows) sel->select(ListBox()->model()->index(r, 0), QItemSelectionModel::Select);
    sel->setCurrentIndex(ListBox()->model()->index(*rows.begin(), 0), QItemSelectionModel::NoUpdate);
  }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    ListBox()->setFocus();
    QTest::keyClick(ListBox(), static_cast<Qt::Key>(key), mods);
  }
  void Menu(const char* item) {
    PopupMenu::SetExecHook(
        [item](PopupMenu* menu, const QPoint&) { return menu->findChild<QAction*>(item); });
    emit ListBox()->customContextMenuRequested(QPoint(2, 2));
    PopupMenu::SetExecHook(nullptr);
  }
  QAction* Action(const char* name) { return form->findChild<QAction*>(name); }
  void ThreeEntries() {
    IndexRgb(255, 0, 0);
    IndexRgb(0, 255, 0);
    IndexRgb(0, 0, 255);
  }
  using V = std::vector<std::string>;
};

TEST_F(ColourListTest, AddModeAppendsInOrderAndCounts) {
  ThreeEntries();
  EXPECT_EQ(Names(), V({"FF0000", "00FF00", "0000FF"}));
  EXPECT_EQ(Values(), V({"FF0000", "00FF00", "0000FF"}));
  EXPECT_EQ(Selected(), std::vector<int>({2}));  // the newest, for Rename and the keys
  EXPECT_EQ(Label("ColourListTotalLabel"), "Total:3");
  // F2 renames it.
  Key(Qt::Key_F2);
  EXPECT_TRUE(form->NameDialogue()->isVisible());
  EXPECT_EQ(form->NameDialogue()->findChild<QLabel*>("Label2")->text(), "0000FF");
  form->NameDialogue()->close();
}

TEST_F(ColourListTest, EntriesAreNamedInTheChosenNotation) {
  Find<QCheckBox>("HTMLCheckBox")->setChecked(true);
  IndexRgb(255, 0, 0);
  Find<QRadioButton>("HexOrDecimalRadioButton2")->setChecked(true);
  IndexRgb(0, 0, 1);
  EXPECT_EQ(Names(), V({"COLOR=\"Red\"", "1"}));
  EXPECT_EQ(Values(), V({"FF0000", "000001"}));
}

TEST_F(ColourListTest, InsertModeAboveAndBelowTheCurrentEntry) {
  IndexRgb(0xAA, 0, 0);
  IndexRgb(0xBB, 0, 0);
  Find<QRadioButton>("InsertModeRadioButton")->setChecked(true);
  SelectOnly({0});
  IndexRgb(1, 1, 1);
  EXPECT_EQ(Values(), V({"010101", "AA0000", "BB0000"}));
  EXPECT_EQ(Selected(), std::vector<int>({1}));  // A is still the one selected
  Click("InsertModeSpeedButton");                // below from now on
  SelectOnly({1});
  IndexRgb(2, 2, 2);
  EXPECT_EQ(Values(), V({"010101", "AA0000", "020202", "BB0000"}));
  EXPECT_EQ(Selected(), std::vector<int>({1}));
}

TEST_F(ColourListTest, InsertModeOnAnEmptyListAppends) {
  Find<QRadioButton>("InsertModeRadioButton")->setChecked(true);
  IndexRgb(3, 3, 3);
  EXPECT_EQ(Values(), V({"030303"}));
}

TEST_F(ColourListTest, DeletingSelectionsSelectsTheEntryBefore) {
  for (int i = 0; i < 5; ++i) IndexRgb(i, 0, 0);
  SelectOnly({1, 3});
  Click("DeleteSpeedButton");
  EXPECT_EQ(Values(), V({"000000", "020000", "040000"}));
  EXPECT_EQ(Selected(), std::vector<int>({0}));
  SelectOnly({0});
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Values(), V({"020000", "040000"}));
  EXPECT_EQ(Selected(), std::vector<int>({0}));
  Menu("UndoLastChange1");  // the backspace, then the button's delete
  EXPECT_EQ(Values(), V({"000000", "020000", "040000"}));
  Menu("UndoLastChange1");
  EXPECT_EQ(Values(), V({"000000", "010000", "020000", "030000", "040000"}));
}

TEST_F(ColourListTest, DeletingEverythingLeavesAnUntitledUnchangedList) {
  ThreeEntries();
  SelectOnly({0, 1, 2});
  Key(Qt::Key_Delete);
  EXPECT_TRUE(form->List().Empty());
  EXPECT_EQ(Find<QLabel>("FileNameLabel")->toolTip(), "Untitled");
  EXPECT_EQ(Label("ColourListTotalLabel"), "Total:0");
  services.answers = {MessageAnswer::Yes};
  EXPECT_TRUE(form->close());  // nothing unsaved: only the exit question
  EXPECT_EQ(services.messages.size(), 1u);
}

TEST_F(ColourListTest, TheCountFollowsAnUndo) {
  ThreeEntries();
  SelectOnly({0, 1});
  Click("DeleteSpeedButton");
  EXPECT_EQ(Label("ColourListTotalLabel"), "Total:1");
  Menu("UndoLastChange1");
  EXPECT_EQ(Label("ColourListTotalLabel"), "Total:3");
}

// Every change is a step back, and each step undone can be redone until a new change.
TEST_F(ColourListTest, UndoGoesBackStepByStepAndRedoComesForward) {
  QTest::mouseClick(Find<QWidget>("ExpandImage"), Qt::LeftButton);  // the keys act on a list in view
  IndexRgb(0, 0, 255);
  IndexRgb(255, 0, 0);
  IndexRgb(0, 255, 0);
  Menu("SortByHue");
  const auto press = [this](int key, Qt::KeyboardModifiers mods) {
    return [=, this] {
      QWidget* slider = Find<QWidget>("RedTrackBar");
      slider->setFocus();
      QTest::keyClick(slider, static_cast<Qt::Key>(key), mods);
    };
  };
  const std::function<void()> undo = press(Qt::Key_Z, Qt::ControlModifier);
  const std::function<void()> redoY = press(Qt::Key_Y, Qt::ControlModifier);
  const std::function<void()> redoShiftZ = press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  const struct {
    std::function<void()> step;
    V values;
    bool undoOn, redoOn;
  } walk[] = {
      {undo, {"0000FF", "FF0000", "00FF00"}, true, true},  // the sort
      {undo, {"0000FF", "FF0000"}, true, true},
      {undo, {"0000FF"}, true, true},
      {undo, {}, false, true},
      {undo, {}, false, true},  // nothing further back
      {redoY, {"0000FF"}, true, true},
      {redoShiftZ, {"0000FF", "FF0000"}, true, true},
      {[this] { IndexRgb(1, 1, 1); }, {"0000FF", "FF0000", "010101"}, true, false},  // redo steps gone
      {redoY, {"0000FF", "FF0000", "010101"}, true, false},
  };
  for (const auto& w : walk) {
    w.step();
    EXPECT_EQ(Values(), w.values);
    EXPECT_EQ(Action("UndoLastChange1")->isEnabled(), w.undoOn) << w.values.size();
    EXPECT_EQ(Action("RedoLastChange1")->isEnabled(), w.redoOn) << w.values.size();
  }
}

TEST_F(ColourListTest, ClearingCanBeUndone) {
  ThreeEntries();
  services.answers = {MessageAnswer::No};  // not saved first
  Click("ClearAllSpeedButton");
  EXPECT_TRUE(form->List().Empty());
  Menu("UndoLastChange1");
  EXPECT_EQ(Values(), V({"FF0000", "00FF00", "0000FF"}));
}

TEST_F(ColourListTest, SortsFromThePopup) {
  Find<QCheckBox>("HTMLCheckBox")->setChecked(true);
  Find<QCheckBox>("IENSCheckBox")->setChecked(true);
  IndexRgb(0xF5, 0xF5, 0xDC);  // Beige
  IndexRgb(0x00, 0x00, 0xFF);  // Blue
  IndexRgb(0xFF, 0x7F, 0x50);  // Coral
  Menu("AlphabeticalSort1");
  EXPECT_EQ(Names(), V({"COLOR=\"Beige\"", "COLOR=\"Blue\"", "COLOR=\"Coral\""}));
  Menu("SortByHexValue1");
  EXPECT_EQ(Values(), V({"0000FF", "F5F5DC", "FF7F50"}));
  Menu("SortByIntensity1");
  EXPECT_EQ(Values(), V({"F5F5DC", "FF7F50", "0000FF"}));  // vibrance 245, then 255 twice: hue decides
}

TEST_F(ColourListTest, ThePopupDisablesWhatNeedsEntries) {
  bool deleteEnabled = true, generateEnabled = false;
  PopupMenu::SetExecHook([&](PopupMenu* menu, const QPoint&) -> QAction* {
    deleteEnabled = menu->findChild<QAction*>("DeleteSelectedColours1")->isEnabled();
    generateEnabled = menu->findChild<QAction*>("GenerateWebSafeList1")->isEnabled();
    return nullptr;
  });
  emit ListBox()->customContextMenuRequested(QPoint(2, 2));
  EXPECT_FALSE(deleteEnabled);
  EXPECT_TRUE(generateEnabled);
  IndexRgb(1, 2, 3);
  emit ListBox()->customContextMenuRequested(QPoint(2, 2));
  EXPECT_TRUE(deleteEnabled);
}

TEST_F(ColourListTest, DraggingTheCurrentEntryBelowTheLastMovesItToTheEnd) {
  ThreeEntries();
  SelectOnly({0});
  const QRect last = ListBox()->visualRect(ListBox()->model()->index(2, 0));
  form->ListPane().CustomColourListBoxDragDrop(ListBox(), QPoint(5, last.bottom() + 20), {});
  EXPECT_EQ(Values(), V({"00FF00", "0000FF", "FF0000"}));
  SelectOnly({2});
  const QRect first = ListBox()->visualRect(ListBox()->model()->index(0, 0));
  form->ListPane().CustomColourListBoxDragDrop(ListBox(), first.center(), {});
  EXPECT_EQ(Values(), V({"FF0000", "00FF00", "0000FF"}));
  Menu("UndoLastChange1");  // each move is a step
  EXPECT_EQ(Values(), V({"00FF00", "0000FF", "FF0000"}));
  // A rename and then a move are two steps.
  SelectOnly({0});
  Click("NameEditSpeedButton");
  form->NameDialogue()->findChild<QLineEdit*>("ChangeColourNameEdit")->setText("Lime");
  QTest::mouseClick(form->NameDialogue()->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
  SelectOnly({0});
  form->ListPane().CustomColourListBoxDragDrop(ListBox(), QPoint(5, last.bottom() + 20), {});
  EXPECT_EQ(Names(), V({"0000FF", "FF0000", "Lime"}));
  Menu("UndoLastChange1");
  EXPECT_EQ(Names(), V({"Lime", "0000FF", "FF0000"}));
}

TEST_F(ColourListTest, ClicksPreviewAndDoubleClicksSelectWithoutDuplicates) {
  IndexRgb(0x12, 0x34, 0x56);
  SetRgb(0, 0, 0);
  Find<QCheckBox>("AutoIndexCheckBox")->setChecked(true);
  Find<QCheckBox>("AutoCopyCheckBox")->setChecked(true);
  const QRect row = ListBox()->visualRect(ListBox()->model()->index(0, 0));
  QTest::mouseClick(ListBox()->viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_EQ(Text("ColourSelectorEdit"), "123456");
  EXPECT_EQ(Value(), "000000");
  QTest::mouseDClick(ListBox()->viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_EQ(Value(), "123456");
  EXPECT_EQ(services.clipboardText, "123456");
  EXPECT_EQ(form->List().Count(), 1u);
  EXPECT_TRUE(Find<QCheckBox>("AutoIndexCheckBox")->isChecked());
  SetRgb(0, 0, 0);
  Key(Qt::Key_Return);
  EXPECT_EQ(Value(), "123456");
  EXPECT_EQ(form->List().Count(), 1u);
}

TEST_F(ColourListTest, TrayPicksWithAutoIndexAddTheColourAfterAnUndoStep) {
  IndexRgb(1, 1, 1);
  Find<QCheckBox>("AutoIndexCheckBox")->setChecked(true);
  QTest::mouseClick(Find<ColourPanel>("SysColDYellowPanel"), Qt::LeftButton);
  EXPECT_EQ(Values(), V({"010101", "808000"}));
  Menu("UndoLastChange1");
  EXPECT_EQ(Values(), V({"010101"}));
}

TEST_F(ColourListTest, RenamingFiltersTheNameAndCanBeUndone) {
  IndexRgb(255, 0, 0);
  SelectOnly({0});
  Click("NameEditSpeedButton");
  auto* dialog = form->NameDialogue();
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->findChild<QLabel*>("Label2")->text(), "FF0000");
  EXPECT_EQ(dialog->findChild<QLineEdit*>("ChangeColourNameEdit")->selectedText(), "FF0000");
  EXPECT_TRUE(MainWindowWaits());
  form->ListPane().IndexColour();  // indexing waits while the dialog is open
  EXPECT_EQ(form->List().Count(), 1u);
  QTest::keyClicks(dialog->findChild<QLineEdit*>("ChangeColourNameEdit"), "Red [hot], caf");
  dialog->findChild<QLineEdit*>("ChangeColourNameEdit")
      ->insert(QString::fromUtf8("\u00E9"));  // as typed: at the caret
  EXPECT_EQ(dialog->findChild<QLineEdit*>("ChangeColourNameEdit")->text(), "Red (hot)  caf ");
  // The user clicks elsewhere; the next tick brings the focus back to the name.
  form->activateWindow();
  ASSERT_TRUE(WaitActive(form.get()));
  form->OnHeartbeat();
  ASSERT_TRUE(WaitActive(dialog));
  EXPECT_TRUE(dialog->findChild<QLineEdit*>("ChangeColourNameEdit")->hasFocus());
  QTest::mouseClick(dialog->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FALSE(MainWindowWaits());
  EXPECT_EQ(Names(), V({"Red (hot)  caf "}));
  Menu("UndoLastChange1");
  EXPECT_EQ(Names(), V({"FF0000"}));
}

TEST_F(ColourListTest, RenamingAnEmptyListSaysSo) {
  Click("NameEditSpeedButton");
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, "There are no listed colours!");
  EXPECT_EQ(services.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(services.beeps, std::vector<BeepKind>({BeepKind::Information}));
}

TEST_F(ColourListTest, KeyCommandsRevealTheDeveloperControls) {
  IndexRgb(1, 2, 3);
  SelectOnly({0});
  EXPECT_TRUE(Find<QPushButton>("DebugButton")->isHidden());
  Key(Qt::Key_D, Qt::ControlModifier);
  EXPECT_FALSE(Find<QPushButton>("DebugButton")->isHidden());
  EXPECT_TRUE(Find<QWidget>("CalculatePanel")->isHidden());
  Key(Qt::Key_E, Qt::ControlModifier);
  EXPECT_FALSE(Find<QWidget>("CalculatePanel")->isHidden());
  EXPECT_FALSE(Find<QWidget>("HSIRadioButton")->isHidden());
  EXPECT_TRUE(Find<QWidget>("UndockInstructLabel1")->isHidden());
}

TEST_F(ColourListTest, IncludingComplementsIndexesTheSchemeToo) {
  QLabel* label = Find<QLabel>("CompColLabel");
  PopupMenu::SetExecHook(
      [](PopupMenu* menu, const QPoint&) { return menu->findChild<QAction*>("ShowComplimentaryColours1"); });
  emit label->customContextMenuRequested(QPoint(1, 1));
  PopupMenu::SetExecHook(nullptr);
  Find<QCheckBox>("IncludeComplimentaryCheckBox")->setChecked(true);
  IndexRgb(255, 0, 0);
  EXPECT_EQ(Values(), V({"FF0000", "00FFFF"}));
  EXPECT_EQ(Value(), "FF0000");  // the active colour stays
  // A right click on a swatch adds that colour, and the active colour stays as well.
  Find<QCheckBox>("IncludeComplimentaryCheckBox")->setChecked(false);
  QTest::mousePress(Find<ShapeBox>("Shape1"), Qt::RightButton);
  EXPECT_EQ(Values(), V({"FF0000", "00FFFF", "00FFFF"}));
  EXPECT_EQ(Value(), "FF0000");
}

TEST_F(ColourListTest, GeneratingTheWebSafeListKeepsModesAndTheActiveColour) {
  Find<QRadioButton>("InsertModeRadioButton")->setChecked(true);
  SetRgb(10, 20, 30);
  Slider("IntensityTrackBar")->setValue(10);
  Menu("GenerateWebSafeList1");
  ASSERT_EQ(form->List().Count(), 216u);
  EXPECT_EQ(form->List().At(0).value, "000000");
  EXPECT_EQ(form->List().At(1).value, "330000");
  EXPECT_EQ(form->List().At(215).value, "FFFFFF");
  EXPECT_TRUE(Find<QRadioButton>("InsertModeRadioButton")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("AutoIndexCheckBox")->isChecked());
  EXPECT_EQ(Slider("RedTrackBar")->value(), 10);
  EXPECT_EQ(Slider("BlueTrackBar")->value(), 30);
  EXPECT_EQ(Label("ColourListTotalLabel"), "Total:216");
}

TEST_F(ColourListTest, TheActiveColoursScaleIsAddedInOneStep) {
  IndexRgb(0x12, 0x34, 0x56);
  SetRgb(0x00, 0x00, 0xFF);
  Menu("AddScaleOfActiveColour1");
  ASSERT_EQ(form->List().Count(), 12u);
  EXPECT_EQ(form->List().At(1).name, "blue 50");
  EXPECT_EQ(form->List().At(11).name, "blue 950");
  // The colour itself is among its steps, and the last step is the one selected.
  const auto values = Values();
  EXPECT_EQ(std::count(values.begin(), values.end(), "0000FF"), 1);
  EXPECT_EQ(Label("ColourListTotalLabel"), "Total:12");
  Menu("UndoLastChange1");
  EXPECT_EQ(Values(), V({"123456"}));
}

TEST_F(ColourListTest, TheColourVisionCheckFindsThePairsAndSelectsOne) {
  IndexRgb(0xFF, 0x00, 0x00);  // red, and an olive a protanope takes for it
  IndexRgb(0x00, 0x00, 0xFF);
  IndexRgb(0x6D, 0x5F, 0x00);
  Menu("CheckColourVision1");
  auto* check = form->findChild<QWidget*>("ColourVisionCheck");
  ASSERT_TRUE(check && check->isVisible());
  EXPECT_EQ(check->parentWidget(), form.get());  // owned by the main window
  auto* pairs = check->findChild<QListWidget*>("LookAlikeList");
  ASSERT_GE(pairs->count(), 1);
  EXPECT_TRUE(pairs->item(0)->text().startsWith("Protanopia: FF0000 and 6D5F00 ("))
      << pairs->item(0)->text().toStdString();
  pairs->setCurrentRow(0);
  EXPECT_EQ(Selected(), std::vector<int>({0, 2}));
}

TEST_F(ColourListTest, ConvertingToWebSafeAsksFirstAndCanBeCancelled) {
  IndexRgb(0x12, 0x34, 0x56);
  IndexRgb(0xFF, 0x80, 0x00);
  services.answers = {MessageAnswer::Cancel};
  Menu("ConvertListtoWebSafe1");
  EXPECT_EQ(services.messages.back().text,
            "Convert:\r\n\r\nColour List Has Changed!\r\nDo you want to save it before\r\nit is converted?");
  EXPECT_EQ(Values(), V({"123456", "FF8000"}));
  EXPECT_TRUE(Action("UndoLastChange1")->isEnabled());
  services.answers = {MessageAnswer::No};
  Menu("ConvertListtoWebSafe1");
  EXPECT_EQ(Values(), V({"003366", "FF9900"}));
  EXPECT_EQ(Names(), V({"123456", "FF8000"}));
}

TEST_F(ColourListTest, CopyingAsAnHtmlComment) {
  IndexRgb(255, 0, 0);
  IndexRgb(0x87, 0xCE, 0xEB);
  Menu("CopyListasHTMLComment1");
  EXPECT_EQ(QString(services.clipboardText).remove('\r').split('\n'),
            QStringList({"<!--", "\"FF0000\" = FF0000", "\"87CEEB\" = 87CEEB", "//-->"}));
}

TEST_F(ColourListTest, ClearingAChangedListAsksAndAFailedSaveKeepsIt) {
  ThreeEntries();
  services.answers = {MessageAnswer::Cancel};
  Click("ClearAllSpeedButton");
  EXPECT_EQ(form->List().Count(), 3u);
  EXPECT_EQ(services.messages.back().text, "Save:\r\n\r\nColour List Has Changed!  Do you want to save it?");
  services.answers = {MessageAnswer::Yes};
  services.fileAnswers = {std::nullopt};  // the save dialog is cancelled
  Click("ClearAllSpeedButton");
  EXPECT_EQ(form->List().Count(), 3u);
  services.answers = {MessageAnswer::No};
  Click("ClearAllSpeedButton");
  EXPECT_TRUE(form->List().Empty());
  EXPECT_EQ(Label("ColourListTotalLabel"), "Total:0");
}

}  // namespace
}  // namespace tintora::testing
