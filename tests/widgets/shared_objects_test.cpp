// The objects the rooms talk through: the active colour holder, the colour selection, the
// notation, the list with its undo step, and where windows go when they are centred.
#include <gtest/gtest.h>
#include <QSignalSpy>

#include "support/printers.h"
#include "widgets/active_colour_holder.h"
#include "widgets/centre.h"
#include "widgets/colour_list_model.h"
#include "widgets/colour_selection.h"
#include "widgets/notation.h"
#include "widgets/stay_on_top.h"

namespace tintora {
namespace {

TEST(ActiveColourHolder, SaysSoOnlyWhenTheValueChanges) {
  ActiveColourHolder active;
  std::vector<std::pair<ActiveColour, ActiveColour>> heard;
  QObject::connect(
      &active, &ActiveColourHolder::Changed,
      [&](const ActiveColour& now, const ActiveColour& before) { heard.emplace_back(now, before); });
  active.SetRgb(0, 0, 0);                           // what it already is
  active.SetComponent(ColourComponent::Cyan, 255);  // cyan 255 is red 0: no change either
  active.SetComponent(ColourComponent::Red, 300);   // beyond the range: 255
  active.SetComponent(ColourComponent::Red, 255);   // the same again
  active.SetIntensity(-20);
  active.SetComponent(ColourComponent::Magenta, 100);  // magenta 100 is green 155
  ASSERT_EQ(heard.size(), 3u);
  EXPECT_EQ(heard[0].first, ActiveColour(255, 0, 0));
  EXPECT_EQ(heard[0].second, ActiveColour(0, 0, 0));
  EXPECT_EQ(heard[1].first, ActiveColour(255, 0, 0, -20));
  EXPECT_EQ(heard[2].first, ActiveColour(255, 155, 0, -20));
  EXPECT_EQ(heard[2].second, ActiveColour(255, 0, 0, -20));
}

TEST(ActiveColourHolder, AListenerThatWritesBackTheSameValueEndsTheRound) {
  ActiveColourHolder active;
  int rounds = 0;
  QObject::connect(&active, &ActiveColourHolder::Changed, [&](const ActiveColour& now, const ActiveColour&) {
    ++rounds;
    active.Set(now);  // a control showing the value writes it back, as sliders do
  });
  active.SetRgb(1, 2, 3);
  EXPECT_EQ(rounds, 1);
}

struct CommitCase {
  const char* name;
  bool autoIndex;
  Commit commit;
  int indexRequests;
  bool undoStepFirst, complements;
  int copies;
};

TEST(ColourSelection, CommitsMakeTheColourActiveAndAskForWhatTheyNeed) {
  const CommitCase cases[] = {
      {"a plain click without auto-index", false, {}, 0, false, false, 0},
      {"a plain click with auto-index", true, {}, 1, false, true, 0},
      {"a tray click with auto-index takes an undo step", true, {.undoStepFirst = true}, 1, true, true, 0},
      {"a tray click without auto-index does not", false, {.undoStepFirst = true}, 0, false, false, 0},
      {"a palette click copies", false, {.copyValue = true}, 0, false, false, 1},
      {"a harmony colour is indexed whatever the box says",
       false,
       {.index = Commit::Index::Always, .complements = false},
       1,
       false,
       false,
       0},
      {"a double click in the list never indexes",
       true,
       {.index = Commit::Index::Never, .copyValue = true},
       0,
       false,
       false,
       1},
  };
  for (const CommitCase& c : cases) {
    SCOPED_TRACE(c.name);
    ActiveColourHolder active;
    ColourSelection selection(active);
    QSignalSpy index(&selection, &ColourSelection::IndexRequested);
    QSignalSpy copy(&selection, &ColourSelection::CopyRequested);
    selection.SetAutoIndex(c.autoIndex);
    selection.ColourSelectorUpdate(Rgb8::OfLevels(10, 20, 30));
    selection.SetColourSelection(c.commit);
    EXPECT_EQ(active.Value(), ActiveColour(10, 20, 30));
    ASSERT_EQ(index.count(), c.indexRequests);
    if (c.indexRequests) {
      EXPECT_EQ(index[0][0].toBool(), c.undoStepFirst);
      EXPECT_EQ(index[0][1].toBool(), c.complements);
    }
    EXPECT_EQ(copy.count(), c.copies);
  }
}

TEST(ColourSelection, ShowsNewColoursOnceAndSnapsWhenAskedTo) {
  ActiveColourHolder active;
  ColourSelection selection(active);
  QSignalSpy shown(&selection, &ColourSelection::Changed);
  selection.ColourSelectorUpdate({0x12, 0x34, 0x56});
  selection.ColourSelectorUpdate({0x12, 0x34, 0x56});  // the same colour again is not news
  EXPECT_EQ(selection.Colour(), (Rgb8{0x12, 0x34, 0x56}));
  EXPECT_EQ(shown.count(), 1);
  selection.SetWebSafeOnly(true);
  selection.ColourSelectorUpdate(Rgb8::OfLevels(0x12, 0x34, 0x56));
  EXPECT_EQ(selection.Colour(), Rgb8::OfLevels(0x00, 0x33, 0x66));
  selection.Take(Rgb8::OfLevels(0x12, 0x34, 0x56));  // the colour dialog's choice stays exact
  EXPECT_EQ(selection.Colour(), Rgb8::OfLevels(0x12, 0x34, 0x56));
}

TEST(ColourSelection, RestoringPutsTheLevelsBackAndShowsTheShownColour) {
  ActiveColourHolder active;
  active.Set(ActiveColour(9, 9, 9, 100));
  ColourSelection selection(active);
  QSignalSpy index(&selection, &ColourSelection::IndexRequested);
  selection.SetAutoIndex(true);
  selection.RestoreActiveColour(10, 20, 30);
  EXPECT_EQ(active.Value(), ActiveColour(10, 20, 30, 100));
  EXPECT_EQ(selection.Colour(), Rgb8::OfLevels(255, 255, 255));  // with the offset: white
  EXPECT_EQ(index.count(), 0);
}

TEST(Notation, TellsOnlyOfRealChanges) {
  Notation notation;
  QSignalSpy changed(&notation, &Notation::Changed);
  NotationSwitches s;
  notation.Set(s);
  s.bgr = true;
  notation.Set(s);
  notation.Set(s);
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(notation.Text(ActiveColour(255, 128, 0)), "0080FF");
}

TEST(ColourListModel, UndoAndRedoSayWhenTheyCanAct) {
  ColourListModel model;
  QSignalSpy history(&model, &ColourListModel::UndoAvailableChanged);
  model.StoreUndo();  // an empty list is a step too: the first colour can be undone
  EXPECT_TRUE(model.UndoAvailable());
  model.AppendEntries({{"A", "AA0000"}, {"B", "00BB00"}});
  model.StoreUndo();
  model.RenameEntry(0, "Changed");
  model.MoveEntry(0, 1);
  model.UndoLastChange();
  EXPECT_EQ(model.List().Entries(), std::vector<ColourEntry>({{"A", "AA0000"}, {"B", "00BB00"}}));
  EXPECT_TRUE(model.ListChanged());
  EXPECT_TRUE(model.RedoAvailable());
  model.UndoLastChange();
  model.UndoLastChange();  // used up: nothing happens
  EXPECT_TRUE(model.List().Empty());
  EXPECT_FALSE(model.UndoAvailable());
  ASSERT_GE(history.count(), 4);
  EXPECT_EQ(history.last()[0].toBool(), false);
  EXPECT_EQ(history.last()[1].toBool(), true);
  // A file added to the list is a step; a file that replaces it starts a history of its own.
  model.RedoLastChange();
  ListReadResult file;
  file.entries = {{"C", "0000CC"}};
  model.TakeFileList(ListReadResult(file), false);
  model.UndoLastChange();
  EXPECT_EQ(model.List().Count(), 2u);
  model.TakeFileList(std::move(file), true);
  EXPECT_FALSE(model.UndoAvailable());
  EXPECT_FALSE(model.RedoAvailable());
}

TEST(ColourListModel, UndoBringsBackNamesTheListFileCouldNotHold) {
  // Names from LST files or hand-edited lists can hold the list file's own brackets.
  ColourListModel model;
  const std::vector<ColourEntry> odd = {{"a}[b", "123456"}, {"{c", "ABCDEF"}, {"", "000000"}};
  model.AppendEntries(odd);
  model.StoreUndo();
  model.Reset([](ColourList& l) { l.Sort(SortKey::HexValue); });
  model.UndoLastChange();
  EXPECT_EQ(model.List().Entries(), odd);
}

TEST(ColourListModel, ANewListForgetsItsFileAndItsChanges) {
  ColourListModel model;
  model.AppendEntries({{"A", "AA0000"}});
  model.SetListChanged(true);
  model.SetSaveDialogFileName("/tmp/a.cdt");
  model.NewList();
  EXPECT_TRUE(model.List().Empty());
  EXPECT_FALSE(model.ListChanged());
  EXPECT_TRUE(model.SaveDialogFileName().isEmpty());
}

// A box inside a suspended command must not let the main window up when the box closes: the
// command's own suspension still holds.
TEST(StayOnTop, SuspensionsNestAndOnlyTheLastOneLetsTheWindowUp) {
  QWidget main;
  StayOnTop onTop(&main);
  {
    const OnTopSuspension whileOff(onTop);
    EXPECT_FALSE(onTop.OnTopSuspended());  // nothing to suspend while the mode is off
  }
  onTop.OnTopToggler();
  {
    const OnTopSuspension command(onTop);
    {
      const OnTopSuspension box(onTop);
      EXPECT_TRUE(onTop.OnTopSuspended());
    }
    EXPECT_TRUE(onTop.OnTopSuspended());
  }
  EXPECT_FALSE(onTop.OnTopSuspended());
  onTop.RestoreOnTop();  // one restore too many changes nothing
  onTop.SuspendOnTop();
  EXPECT_TRUE(onTop.OnTopSuspended());
  onTop.RestoreOnTop();
  EXPECT_FALSE(onTop.OnTopSuspended());
}

TEST(Centre, EachHalfRoundsHalfToEvenOverAWindowButTheDifferenceOnAScreen) {
  const struct {
    QRect outer;
    QSize inner;
    QPoint over, onScreen;
  } cases[] = {
      {{0, 0, 100, 50}, {40, 20}, {30, 15}, {30, 15}},
      // 5/2 = 2.5 -> 2 and 3/2 = 1.5 -> 2 give 0; (5 - 3)/2 = 1 gives 1.
      {{0, 0, 5, 5}, {3, 3}, {0, 0}, {1, 1}},
      // 7/2 = 3.5 -> 4 and 1/2 = 0.5 -> 0 give 4; (7 - 1)/2 = 3.
      {{10, 20, 7, 7}, {1, 1}, {14, 24}, {13, 23}},
      // A window larger than what it is centred on goes up and left of it.
      {{0, 0, 10, 10}, {30, 30}, {-10, -10}, {-10, -10}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.outer.width()) + " " + testing::PrintToString(c.inner.width()));
    EXPECT_EQ(CentreOver(c.outer, c.inner), c.over);
    EXPECT_EQ(CentreOnScreen(c.outer, c.inner), c.onScreen);
  }
}

TEST(WindowPlace, AWindowIsKeptOnTheAreaAndScrollsWhereItCannotFit) {
  const QRect area(0, 30, 1366, 738);  // a panel along the top
  const struct {
    QPoint at;
    QSize size;
    QPoint kept;
  } places[] = {
      {{280, 282}, {1269, 583}, {97, 185}},  // grown past the right and bottom edges
      {{-50, 0}, {200, 100}, {0, 30}},       // above and left of it
      {{100, 100}, {200, 100}, {100, 100}},  // already on it
      {{500, 500}, {2000, 900}, {0, 30}},    // bigger than it: its corner on the area's
  };
  for (const auto& p : places) EXPECT_EQ(KeepWithin(p.at, p.size, area), p.kept) << p.at.x();
  const struct {
    QSize content, room, window;
  } sizes[] = {
      {{800, 500}, {1366, 738}, {800, 500}},    // fits: no bars
      {{1351, 639}, {1020, 738}, {1020, 655}},  // too wide: a bar along the bottom
      {{600, 900}, {1366, 738}, {616, 738}},    // too high: a bar down the side
      {{1010, 740}, {1020, 738}, {1020, 738}},  // each bar makes the other needed
      {{1351, 900}, {1020, 738}, {1020, 738}},
  };
  for (const auto& s : sizes) EXPECT_EQ(ScrolledSize(s.content, s.room, 16), s.window) << s.content.width();
}

}  // namespace
}  // namespace tintora
