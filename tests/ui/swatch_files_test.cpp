// The palette files of other programs in the window: every export through the save dialog,
// the Adobe swatch reader's warnings and refusals, a file cut short, and the Save As Options.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

#include "core/formats/cdt.h"
#include "core/formats/list_formats.h"
#include "formats/save_as_options.h"
#include "support/printers.h"
#include "widgets/colour_list_model.h"
#include "widgets/speed_button.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

using E = std::vector<ColourEntry>;

class SwatchFilesTest : public WindowTest {
 protected:
  QString Path(const std::string& name) { return QString::fromStdString((scratch->Path() / name).string()); }
  void Open(const QString& path, int type) { Load(path, type); }
  void MakeList(const E& entries) {
    ColourList list;
    list.Append(entries);
    const QString path = WriteFile("made.cdt", ParseDataForCDTFile(list));
    Open(path, 1);
    services.messages.clear();
  }
  E Entries() { return form->List().Entries(); }
  SaveAsOptionsWindow& Options() { return *form->Files().SaveAsOptions(); }
};

const E kWarm = {{"Red", "FF0000"}, {"Caf\xC3\xA9", "6F4E37"}, {"Navy", "000080"}};

TEST_F(SwatchFilesTest, EverySaveTypeWritesItsFormatAndOnlyColourDataCountsAsSaved) {
  MakeList(kWarm);
  form->ListPane().IndexColour();  // a change, so the list counts as unsaved
  ColourList expected;
  expected.Append(Entries());
  // Every type of the save dialog, the program's own last.
  std::vector<ListFormat> types(SaveDialogFormats().begin() + 1, SaveDialogFormats().end());
  types.push_back(SaveDialogFormats()[0]);
  for (ListFormat format : types) {
    const std::string file =
        "type" + std::string(InfoOf(format).key) + std::string(InfoOf(format).save.boxExtension);
    SCOPED_TRACE(file);
    ListWriteOptions options;
    options.title = "type" + std::string(InfoOf(format).key);  // a list of Tintora's own is named by its file
    EXPECT_EQ(form->Files().SaveAsAccept(Path(file), format), SaveOutcome::Saved);
    EXPECT_EQ(ReadFile(Path(file)), WriteListFile(format, expected, options).bytes);
    EXPECT_EQ(form->ListModel().ListChanged(), format != ListFormat::Cdt);
    EXPECT_TRUE(Find<QWidget>("ProgressPanel")->isHidden());
  }
  EXPECT_EQ(form->ListModel().FileName(), Path("typecdt.CDT"));
  EXPECT_TRUE(services.messages.empty());
}

// A palette keeps its own name and columns through the window: opened, then saved under
// another file name, it is still itself; a new list is named by its file again.
TEST_F(SwatchFilesTest, APaletteKeepsItsNameAndColumnsWhenSavedAgain) {
  Open(WriteFile("tango.gpl", "GIMP Palette\nName: Tango Icons\nColumns: 3\n#\n255 0 0 Red\n"), 4);
  const ListFormat gpl = ListFormat::Gpl, kpl = ListFormat::Kpl;
  ASSERT_EQ(form->Files().SaveAsAccept(Path("copy.gpl"), gpl), SaveOutcome::Saved);
  EXPECT_TRUE(ReadFile(Path("copy.gpl")).starts_with("GIMP Palette\nName: Tango Icons\nColumns: 3\n"));
  ASSERT_EQ(form->Files().SaveAsAccept(Path("copy.kpl"), kpl), SaveOutcome::Saved);
  const ListReadResult kritas = ReadListFile(ListFormat::Kpl, ReadFile(Path("copy.kpl")));
  EXPECT_EQ(kritas.title, "Tango Icons");
  EXPECT_EQ(kritas.columns, 3);
  // Appended to, the list keeps the name it has; replaced by a list of Tintora's own, it drops it.
  services.answers = {MessageAnswer::Yes};
  Open(WriteFile("other.gpl", "GIMP Palette\nName: Other\n1 2 3 x\n"), 4);
  ASSERT_EQ(form->Files().SaveAsAccept(Path("both.gpl"), gpl), SaveOutcome::Saved);
  EXPECT_NE(ReadFile(Path("both.gpl")).find("Name: Tango Icons\n"), std::string::npos);
  services.answers = {MessageAnswer::No, MessageAnswer::No};  // not saved first; replace
  Open(WriteFile("plain.cdt", "{A}[010203]\r\n"), 1);
  ASSERT_EQ(form->Files().SaveAsAccept(Path("plain.gpl"), gpl), SaveOutcome::Saved);
  EXPECT_TRUE(ReadFile(Path("plain.gpl")).starts_with("GIMP Palette\nName: plain\nColumns: 0\n"));
}

TEST_F(SwatchFilesTest, TheActOptionWritesPhotoshopsTable) {
  MakeList(kWarm);
  const ListFormat act = ListFormat::Act;
  Options().findChild<QCheckBox*>("ActAdobeTableCheckBox")->setChecked(true);
  ASSERT_EQ(form->Files().SaveAsAccept(Path("ps.act"), act), SaveOutcome::Saved);
  EXPECT_EQ(ReadFile(Path("ps.act")).size(), 772u);
  Options().findChild<QCheckBox*>("ActAdobeTableCheckBox")->setChecked(false);
  ASSERT_EQ(form->Files().SaveAsAccept(Path("short.act"), act), SaveOutcome::Saved);
  EXPECT_EQ(ReadFile(Path("short.act")).size(), 9u);
}

TEST_F(SwatchFilesTest, AListTooLongForAnAdobeSwatchFileIsRefusedAndNothingIsWritten) {
  MakeList(E(65535, ColourEntry{"c", "102030"}));
  EXPECT_EQ(form->Files().SaveAsAccept(Path("big.aco"), ListFormat::Aco), SaveOutcome::Failed);
  EXPECT_EQ(ReadFile(Path("big.aco")), "<missing>");
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_TRUE(services.messages[0].text.contains("at most 65,534 colours; this list has 65535"))
      << services.messages[0].text.toStdString();
  // The same list goes to an exchange file without a word.
  EXPECT_EQ(form->Files().SaveAsAccept(Path("big.ase"), ListFormat::Ase), SaveOutcome::Saved);
}

TEST_F(SwatchFilesTest, TheHtmlTableTakesTheSaveAsOptionsChoices) {
  MakeList(kWarm);
  // The right button on the Save button opens the window; the main window waits meanwhile.
  QTest::mouseClick(Find<SpeedButton>("SaveSpeedButton"), Qt::RightButton);
  ASSERT_TRUE(Options().isVisible());
  EXPECT_TRUE(MainWindowWaits());
  Options().findChild<QSpinBox*>("ColumnsUpDown1")->setValue(1);
  Options().findChild<QRadioButton*>("RadioButton2")->setChecked(true);
  Options().findChild<QCheckBox*>("PrintInstructionsCheckBox1")->setChecked(false);
  Options().close();
  EXPECT_FALSE(MainWindowWaits());
  ASSERT_EQ(form->Files().SaveAsAccept(Path("one.htm"), ListFormat::Html), SaveOutcome::Saved);
  const std::string page = ReadFile(Path("one.htm"));
  EXPECT_NE(page.find("<TD WIDTH=\"64\" BGCOLOR=\"000080\"><BR><FONT COLOR=\"FFFFFF\">"), std::string::npos);
  EXPECT_EQ(page.find("Printing Instructions"), std::string::npos);
  // One column: a row ends after every cell but the last.
  std::size_t rowEnds = 0;
  for (std::size_t at = page.find("            </TR>"); at != std::string::npos;
       at = page.find("            </TR>", at + 1))
    ++rowEnds;
  EXPECT_EQ(rowEnds, kWarm.size());
}

// A version 2 swatch file of records (space id, w0..w3) with names.
std::string Aco2(const std::vector<std::pair<std::array<int, 5>, std::string>>& records) {
  std::string out{0, 2, 0, static_cast<char>(records.size())};
  for (const auto& [words, name] : records) {
    for (int w : words) out += {static_cast<char>(w >> 8), static_cast<char>(w & 0xFF)};
    out += {0, 0, 0, static_cast<char>(name.size() + 1)};
    for (char c : name) out += {0, c};
    out += {0, 0};
  }
  return out;
}

TEST_F(SwatchFilesTest, AnAdobeSwatchFileWarnsOnceForASpaceItCannotRender) {
  const QString path = WriteFile("inks.aco", Aco2({{{3, 0, 0, 0, 0}, "PANTONE 123 C"},
                                                   {{3, 0, 0, 0, 0}, "PANTONE 124 C"},
                                                   {{0, 0xFFFF, 0, 0, 0}, "Red"}}));
  Open(path, 3);
  EXPECT_EQ(Entries(), E({{"CSNS - (0003)Pantone-PANTONE 123 C", "000000"},
                          {"CSNS - (0003)Pantone-PANTONE 124 C", "000000"},
                          {"Red", "FF0000"}}));
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(
      services.messages[0].text,
      "Colour Space Warning:\r\n\r\nPantone Colour Space is Not supported.\r\nColours will not be rendered.");
  // Saved again, it becomes a Tintora list named after the swatch file.
  EXPECT_EQ(form->Files().SaveDialogFileName(), "inks.CDT");
  EXPECT_EQ(Find<QLabel>("FileNameLabel")->toolTip(), path);
}

TEST_F(SwatchFilesTest, AnUnreadableVersionLeavesTheListAsItWasAndAsksNothing) {
  MakeList(kWarm);
  Open(WriteFile("new.aco", std::string("\x00\x03\x00\x02", 4)), 3);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text,
            "Load:\r\n\r\nUnsupported Adobe File Version.\r\nVersion: 0003h\r\nNumber of Records: 2");
  EXPECT_EQ(services.beeps.back(), BeepKind::Exclamation);
  EXPECT_EQ(Entries(), kWarm);
}

TEST_F(SwatchFilesTest, AFileCutShortKeepsWhatWasReadAndCanBeUndone) {
  MakeList(kWarm);
  const std::string whole =
      Aco2({{{0, 0x1111, 0x1111, 0x1111, 0}, "One"}, {{0, 0x2222, 0x2222, 0x2222, 0}, "Two"}});
  const QString cut = WriteFile("cut.aco", whole.substr(0, whole.size() - 6));
  services.answers = {MessageAnswer::Yes};  // append
  Open(cut, 3);
  E appended = kWarm;
  appended.push_back({"One", "111111"});
  EXPECT_EQ(Entries(), appended);
  ASSERT_EQ(services.messages.size(), 2u);  // the append question, then what happened
  EXPECT_EQ(services.messages[1].text, "Load:\r\n\r\n\"" + cut +
                                           "\" ends before its last colour: only the first 1 could be read."
                                           "\r\n\r\nUndo Last Change takes them out again.");
  EXPECT_TRUE(form->ListModel().ListChanged());
  EXPECT_EQ(form->ListModel().FileName(), Path("made.cdt"));  // not the swatch file's list
  ASSERT_TRUE(form->findChild<QAction*>("UndoLastChange1")->isEnabled());
  form->findChild<QAction*>("UndoLastChange1")->trigger();
  EXPECT_EQ(Entries(), kWarm);

  // Replacing the list with it: undo brings the list back too.
  services.answers = {MessageAnswer::No, MessageAnswer::No};  // no save; replace
  Open(cut, 3);
  EXPECT_EQ(Entries(), E({{"One", "111111"}}));
  form->findChild<QAction*>("UndoLastChange1")->trigger();
  EXPECT_EQ(Entries(), kWarm);
}

}  // namespace
}  // namespace tintora::testing
