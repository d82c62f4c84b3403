// Opening and saving colour lists: the dialogs, the append question, CDT and LST files from
// elsewhere, command lines, dropped files and the save question at close.
#include <algorithm>

#include <QAction>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>

#include <sys/stat.h>

#include "colourlist/colour_list_view.h"
#include "core/formats/list_formats.h"
#include "formats/list_file_types.h"
#include "support/printers.h"
#include "widgets/speed_button.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

const std::string kRedSky = "{Red}[FF0000]\r\n{Sky}[87CEEB]\r\n";

class FilesTest : public WindowTest {
 protected:
  SaveOutcome Save(const QString& path, int type = 1) {
    services.fileAnswers.push_back(FileDialogAnswer{path, type});
    return form->Files().SaveAsExecute();
  }
  std::vector<ColourEntry> Entries() { return form->List().Entries(); }
  void MakeRedSky() {
    SetRgb(255, 0, 0);
    form->ListPane().IndexColour();
    SetRgb(0x87, 0xCE, 0xEB);
    form->ListPane().IndexColour();
    form->NameDialogue();
  }
  using E = std::vector<ColourEntry>;
};

TEST_F(FilesTest, SavingWritesTheExactCdtBytes) {
  MakeRedSky();
  // Rename through the list's own model by loading a file is covered below; here the names are
  // the values, so write the file the user would get and check every byte.
  const QString path = QString::fromStdString((scratch->Path() / "list.cdt").string());
  EXPECT_EQ(Save(path), SaveOutcome::Saved);
  EXPECT_EQ(ReadFile(path), "{FF0000}[FF0000]\r\n{87CEEB}[87CEEB]\r\n");
  EXPECT_EQ(Find<QLabel>("FileNameLabel")->toolTip(), path);
  const FileDialogRequest& request = services.fileRequests.back();
  EXPECT_EQ(request.title, "Tintora: Save Custom Colour List");
  // The types in the order they have always had, the case statements sixth, then the
  // exchange formats: one for every format Tintora writes.
  const auto writes =
      std::count_if(ListFormats().begin(), ListFormats().end(), [](const auto& f) { return f.writes; });
  ASSERT_EQ(request.filters.size(), writes);
  EXPECT_EQ(request.filters[0], "Colour Data - (Tintora) (*.CDT)");
  EXPECT_EQ(request.filters[3], "Adobe RGB Colour Swatch v1 & v2 - (*.ACO)");
  EXPECT_EQ(request.filters[5], "Case Statements - (Text) (*.TXT)");
}

TEST_F(FilesTest, LoadingIntoAnEmptyListAsksNothing) {
  const QString path = WriteFile("redsky.cdt", kRedSky);
  Load(path);
  EXPECT_EQ(Entries(), E({{"Red", "FF0000"}, {"Sky", "87CEEB"}}));
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(Label("ColourListTotalLabel"), "Total:2");
  auto* list = Find<ColourListView>("CustomColourListBox");
  EXPECT_EQ(list->currentIndex().row(), 0);
  EXPECT_FALSE(Find<QTabWidget>("PageControl1")->isHidden());  // the list is shown
  const FileDialogRequest& request = services.fileRequests.back();
  EXPECT_EQ(request.title, "Tintora: Open Custom Colour List");
  EXPECT_EQ(request.filters.mid(0, 3),
            QStringList({"Colour Data - (Tintora) (*.CDT)", "Colour List - (Match head) (*.LST)",
                         "Adobe Colour Swatch v0 - v2  (*.ACO)"}));
  // Every format read by its extension, Paint.NET's .txt, and all files.
  const auto reads =
      std::count_if(ListFormats().begin(), ListFormats().end(), [](const auto& f) { return f.reads; });
  EXPECT_EQ(request.filters.size(), reads + 2);
  EXPECT_EQ(request.filters.back(), "All Files (*)");
  // Saved again, the file is byte for byte the same.
  EXPECT_EQ(form->Files().SaveDialogFileName(), path);
  const QString copy = QString::fromStdString((scratch->Path() / "copy.cdt").string());
  Save(copy);
  EXPECT_EQ(ReadFile(copy), kRedSky);
}

TEST_F(FilesTest, LoadingAgainAppendsOrReplaces) {
  const QString path = WriteFile("redsky.cdt", kRedSky);
  Load(path);
  services.answers = {MessageAnswer::Yes};
  Load(path);
  EXPECT_EQ(services.messages.back().text, "Load:\r\n\r\nWould you like to append to your current list?");
  EXPECT_EQ(form->List().Count(), 4u);
  // The appended list has changes: loading again asks to save first; No, then replace.
  services.answers = {MessageAnswer::No, MessageAnswer::No};
  Load(path);
  EXPECT_EQ(form->List().Count(), 2u);
  EXPECT_EQ(form->Files().SaveDialogFileName(), path);
}

TEST_F(FilesTest, TheLstExampleAndTheNameItProposesForSaving) {
  const QString path = WriteFile("colours.lst", "Name=Black\r\nColor=0\r\nName=White\r\nColor=16777215\r\n");
  Load(path, 2);
  EXPECT_EQ(Entries(), E({{"Black", "000000"}, {"White", "FFFFFF"}}));
  EXPECT_EQ(form->Files().SaveDialogFileName(), "colours.CDT");
  EXPECT_EQ(form->Files().SaveDialogFormat(), ListFormat::Cdt);
  EXPECT_EQ(Find<QLabel>("FileNameLabel")->toolTip(), path);
}

TEST_F(FilesTest, AnLstColourThatIsNotANumberLeavesTheListAsItWas) {
  Load(WriteFile("redsky.cdt", kRedSky));
  const QString bad = WriteFile("bad.lst", "Name=A\r\nColor=12\r\nName=B\r\nColor=oops\r\n");
  services.answers = {MessageAnswer::No};  // replace, had it loaded
  Load(bad, 2);
  EXPECT_EQ(services.messages.back().text, "'oops' is not a valid integer value");
  EXPECT_EQ(Entries(), E({{"Red", "FF0000"}, {"Sky", "87CEEB"}}));
}

TEST_F(FilesTest, CdtFilesFromElsewhere) {
  const struct {
    const char* name;
    std::string bytes;
    E entries;
  } cases[] = {
      {"lf.cdt", "{Red}[FF0000]\n{Sky}[87CEEB]\n", {{"Red", "FF0000"}, {"Sky", "87CEEB"}}},
      {"cr.cdt", "{Red}[FF0000]\r{Sky}[87CEEB]", {{"Red", "FF0000"}, {"Sky", "87CEEB"}}},
      {"cp1252.cdt", "{Caf\xE9}[6F4E37]\r\n", {{"Caf\xC3\xA9", "6F4E37"}}},
      {"utf8.cdt",
       "{\xC5\x81\xC3\xB3"
       "d\xC5\xBA}[123456]\r\n",
       {{"\xC5\x81\xC3\xB3"
         "d\xC5\xBA",
         "123456"}}},
      {"empty.cdt", "", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    services.answers = {MessageAnswer::No, MessageAnswer::No};
    Load(WriteFile(c.name, c.bytes));
    EXPECT_EQ(Entries(), c.entries);
    EXPECT_TRUE(Find<QWidget>("ProgressPanel")->isHidden());
  }
  // A name outside Windows-1252 is written as UTF-8, one inside it as Windows-1252.
  services.answers = {MessageAnswer::No};
  Load(WriteFile("utf8.cdt",
                 "{\xC5\x81\xC3\xB3"
                 "d\xC5\xBA}[123456]\r\n"));
  const QString out = QString::fromStdString((scratch->Path() / "out.cdt").string());
  Save(out);
  EXPECT_EQ(ReadFile(out),
            "{\xC5\x81\xC3\xB3"
            "d\xC5\xBA}[123456]\r\n");
  services.answers = {MessageAnswer::No};
  Load(WriteFile("cp1252.cdt", "{Caf\xE9}[6F4E37]\r\n"));
  Save(out);
  EXPECT_EQ(ReadFile(out), "{Caf\xE9}[6F4E37]\r\n");
}

TEST_F(FilesTest, FilesThatAreNoListsAreRefusedAndTheListStaysAsItWas) {
  const QString good = WriteFile("redsky.cdt", kRedSky);
  Load(good);
  Find<QAbstractButton>("DeleteSpeedButton");  // an undo step to keep
  ColourListView* list = Find<ColourListView>("CustomColourListBox");
  list->selectionModel()->setCurrentIndex(list->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
  QTest::mouseClick(Find<SpeedButton>("DeleteSpeedButton"), Qt::LeftButton);
  const QString folder = QString::fromStdString((scratch->Path() / "folder.cdt").string());
  std::filesystem::create_directory(folder.toStdString());
  const QString gone = QString::fromStdString((scratch->Path() / "gone.cdt").string());
  const QString binary = WriteFile("random.cdt", std::string("{A}[123456]\r\n\0\x91\xFE", 16));
  const QString words = WriteFile("words.cdt", "not a colour in sight\r\n");
  const QString blank = WriteFile("blank.lst", "\r\n\r\n");
  const QString pipe = QString::fromStdString((scratch->Path() / "pipe.cdt").string());
  const QString huge = WriteFile("huge.aco", "");
  std::filesystem::resize_file(huge.toStdString(), 300ull * 1024 * 1024);  // sparse
  struct Case {
    QString file;
    int filter;
    QString message;
  };
  std::vector<Case> cases = {
      {folder, 1, "Load:\r\n\r\n\"" + folder + "\" is a folder, not a colour list."},
      {gone, 1, "Load:\r\n\r\n\"" + gone + "\" does not exist."},
      {binary, 1, "Load:\r\n\r\n\"" + binary + "\" is not a colour list: it holds binary data."},
      {words, 1, "Load:\r\n\r\n\"" + words + "\" holds no colours."},
      {blank, 1, "Load:\r\n\r\n\"" + blank + "\" holds no colours."},
      {huge, 3,
       "Load:\r\n\r\n\"" + huge + "\" is too large (300 MB; Tintora reads files of at most 256 MB)."},
  };
  if (MakeNamedPipe(pipe.toStdString()))
    cases.push_back({pipe, 1, "Load:\r\n\r\n\"" + pipe + "\" is a named pipe, not a file."});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file.toStdString());
    services.messages.clear();
    services.answers = {MessageAnswer::No};  // should the save question come, keep the list
    Load(c.file, c.filter);
    // The save question (answered no), then the refusal; no append question for such a file.
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[1].text, c.message);
    EXPECT_EQ(Entries(), E({{"Red", "FF0000"}}));
    EXPECT_EQ(Find<QLabel>("FileNameLabel")->toolTip(), good);
    EXPECT_EQ(form->Files().SaveDialogFileName(), good);
    EXPECT_TRUE(form->findChild<QAction*>("UndoLastChange1")->isEnabled());
  }
}

TEST_F(FilesTest, TheFileNameSaysWhatItIsWhateverFilterWasPicked) {
  const QString lst = WriteFile("colours.lst", "Name=Black\r\nColor=0\r\n");
  Load(lst, 1);  // the CDT filter, left over from last time
  EXPECT_EQ(Entries(), E({{"Black", "000000"}}));
  const QString plain = WriteFile("colours", "{Red}[FF0000]\r\n");
  services.answers = {MessageAnswer::No, MessageAnswer::No};  // no save, no append: replace
  Load(plain, 1);                                             // no extension: the filter decides
  EXPECT_EQ(Entries(), E({{"Red", "FF0000"}}));
}

TEST_F(FilesTest, TheSaveDialogStartsInTheColourFolderWithNoName) {
  MakeRedSky();
  services.fileAnswers.push_back(std::nullopt);
  form->Files().SaveAsExecute();
  const FileDialogRequest& request = services.fileRequests.back();
  EXPECT_TRUE(request.folder.endsWith("/Tintora Colours")) << request.folder.toStdString();
  EXPECT_TRUE(QFileInfo(request.folder).isDir());  // made for the first save there
  EXPECT_TRUE(request.fileName.isEmpty());
}

TEST_F(FilesTest, TheTypeChangeRuleRewritesTheFileNameBox) {
  MakeRedSky();
  services.fileAnswers.push_back(std::nullopt);
  form->Files().SaveAsExecute();
  const FileDialogRequest request = services.fileRequests.back();
  ASSERT_TRUE(request.typeChange);
  EXPECT_EQ(request.typeChange("/home/me/mylist.cdt", 2), "mylist.htm");
  EXPECT_EQ(request.typeChange("/home/me/mylist", 2), ".htm");
  EXPECT_EQ(request.typeChange("/home/me/mylist.htm", 5), "mylist.ACT");
  EXPECT_EQ(request.typeChange("/home/me/mylist.htm", 1), "mylist.CDT");
}

TEST_F(FilesTest, ANameWithoutExtensionGetsTheTypesAndOpensAgainAsTyped) {
  MakeRedSky();
  const QString path = QString::fromStdString((scratch->Path() / "mylist").string());
  EXPECT_EQ(Save(path), SaveOutcome::Saved);
  EXPECT_EQ(ReadFile(path + ".cdt"), "{FF0000}[FF0000]\r\n{87CEEB}[87CEEB]\r\n");
  // Typed in the open dialog, the name is that file; where only "name.cdt" exists, that one.
  const QString plain = WriteFile("plain", "{Navy}[000080]\r\n");
  services.answers = {MessageAnswer::No};  // no append: replace
  Load(plain);
  EXPECT_EQ(Entries(), E({{"Navy", "000080"}}));
  services.answers = {MessageAnswer::No};
  Load(path);
  EXPECT_EQ(Entries(), E({{"FF0000", "FF0000"}, {"87CEEB", "87CEEB"}}));
}

// What is written is what the name says, whatever type the dialog was left at.
TEST_F(FilesTest, TheTypedExtensionDecidesAndAConflictIsAsked) {
  using list_file_types::SaveFilterOf;
  MakeRedSky();
  WriteFile("taken.cdt", "{Old}[000000]\r\n");
  const struct {
    const char* typed;
    ListFormat type;  // picked by hand unless CDT, the type the dialog opens on
    std::vector<MessageAnswer> answers;
    const char* written;  // nullptr: nothing written
    const char* startsWith;
  } cases[] = {
      {"typed-ext.gpl", ListFormat::Cdt, {}, "typed-ext.gpl", "GIMP Palette"},
      {"day", ListFormat::Gpl, {}, "day.gpl", "GIMP Palette"},
      {"sky.HTML", ListFormat::Cdt, {}, "sky.HTML", "<"},
      {"both.gpl", ListFormat::Ase, {MessageAnswer::Yes}, "both.gpl", "GIMP Palette"},
      {"both2.gpl", ListFormat::Ase, {MessageAnswer::No}, "both2.ase", "ASEF"},
      {"both3.gpl", ListFormat::Ase, {MessageAnswer::Cancel}, nullptr, nullptr},
      {"taken", ListFormat::Cdt, {MessageAnswer::No}, nullptr, nullptr},  // taken.cdt is not replaced
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    // The dialog opens on CDT each time, so any other type was the user's own pick.
    Save(QString::fromStdString((scratch->Path() / "reset.cdt").string()));
    services.answers.assign(c.answers.begin(), c.answers.end());
    const std::size_t asked = services.messages.size();
    const QString path = QString::fromStdString((scratch->Path() / c.typed).string());
    const auto outcome = Save(path, SaveFilterOf(c.type));
    EXPECT_EQ(services.messages.size() - asked, c.answers.size());
    EXPECT_EQ(outcome, c.written ? SaveOutcome::Saved : SaveOutcome::Cancelled);
    if (c.written) {
      const std::string text = ReadFile(QString::fromStdString((scratch->Path() / c.written).string()));
      EXPECT_EQ(text.rfind(c.startsWith, 0), 0u);
    }
  }
  EXPECT_EQ(ReadFile(QString::fromStdString((scratch->Path() / "taken.cdt").string())), "{Old}[000000]\r\n");
  EXPECT_EQ(ReadFile(QString::fromStdString((scratch->Path() / "both3.gpl").string())), "<missing>");
  // The type box opens on the format last written, and follows a name as it is typed.
  Save(QString::fromStdString((scratch->Path() / "again.soc").string()));
  services.fileAnswers.push_back(std::nullopt);
  form->Files().SaveAsExecute();
  const FileDialogRequest& request = services.fileRequests.back();
  EXPECT_EQ(request.filterIndex, SaveFilterOf(ListFormat::Soc));
  ASSERT_TRUE(request.typeOfName);
  EXPECT_EQ(request.typeOfName("x.gpl", 1), SaveFilterOf(ListFormat::Gpl));
  EXPECT_EQ(request.typeOfName("x.aco", SaveFilterOf(ListFormat::AcoV0)), 0);  // already fits
  EXPECT_EQ(request.typeOfName("x.html", 1), 0);  // the box would rewrite it to .htm
  EXPECT_EQ(request.typeOfName("x.what", 1), 0);
}

long DiskFull(int, const void*, unsigned long) {
  errno = ENOSPC;
  return -1;
}

TEST_F(FilesTest, AFailedSaveSaysWhyAndKeepsEverything) {
#ifdef _WIN32
  GTEST_SKIP() << "the Windows file layer makes its own system calls, which tests cannot make fail";
#endif
  MakeRedSky();
  const QString path = QString::fromStdString((scratch->Path() / "keep.cdt").string());
  ASSERT_EQ(Save(path), SaveOutcome::Saved);
  SetRgb(1, 1, 1);
  form->ListPane().IndexColour();
  {
    // The disk fills up while the new list is written over the old one.
    const WriteSteps real = CurrentWriteSteps();
    CurrentWriteSteps().write = DiskFull;
    EXPECT_EQ(Save(path), SaveOutcome::Failed);
    CurrentWriteSteps() = real;
  }
  ASSERT_FALSE(services.messages.empty());
  EXPECT_TRUE(services.messages.back().text.contains("No space left on device"))
      << services.messages.back().text.toStdString();
  EXPECT_EQ(ReadFile(path), "{FF0000}[FF0000]\r\n{87CEEB}[87CEEB]\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch->Path()),
                          std::filesystem::directory_iterator()),
            1);  // the list, and no temporary file beside it
  EXPECT_TRUE(Find<QWidget>("ProgressPanel")->isHidden());
  services.answers = {MessageAnswer::Yes, MessageAnswer::No};  // exit? yes; save? no
  EXPECT_TRUE(form->close());
  EXPECT_EQ(services.messages.back().text,
            "Colour List Has Changed!  Do you want to save it?");  // still changed
}

TEST_F(FilesTest, SavingAnEmptyListWritesNoFile) {
  const QString path = QString::fromStdString((scratch->Path() / "empty.cdt").string());
  EXPECT_EQ(form->Files().SaveAsAccept(path, ListFormat::Cdt), SaveOutcome::NothingToSave);
  EXPECT_EQ(ReadFile(path), "<missing>");
  EXPECT_TRUE(Find<QWidget>("ProgressPanel")->isHidden());
  QTest::mouseClick(Find<SpeedButton>("SaveSpeedButton"), Qt::LeftButton);
  EXPECT_TRUE(services.fileRequests.empty());  // the button offers nothing to save
}

TEST_F(FilesTest, CtrlOOpensWithoutTheSaveQuestion) {
  MakeRedSky();
  services.fileAnswers.push_back(std::nullopt);
  QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(services.fileRequests.size(), 1u);
  EXPECT_TRUE(services.messages.empty());
}

// A version 1 Adobe swatch file of one RGB colour.
const std::string kRedAco("\x00\x01\x00\x01\x00\x00\xFF\xFF\x00\x00\x00\x00\x00\x00", 14);

TEST_F(FilesTest, DroppedFilesOpenInTurnByTheirExtension) {
  const QString a = WriteFile("a.cdt", "{A}[AAAAAA]\r\n");
  const QString b = WriteFile("b.CDT", "{B}[BBBBBB]\r\n");
  const QString txt = WriteFile("notes.txt", "{T}[000000]\r\n");
  services.answers = {MessageAnswer::Yes};  // append b to a
  form->Files().WMDropFiles({a, txt, b});
  EXPECT_EQ(Entries(), E({{"A", "AAAAAA"}, {"B", "BBBBBB"}}));
  EXPECT_EQ(services.messages.size(), 1u);                     // the text file is passed over without a word
  services.answers = {MessageAnswer::No, MessageAnswer::Yes};  // the swatches replace, the palette appends
  form->Files().WMDropFiles(
      {WriteFile("swatches.aco", kRedAco), WriteFile("warm.gpl", "GIMP Palette\n1 2 3 Dark\n")});
  EXPECT_EQ(Entries(), E({{"FF0000", "FF0000"}, {"Dark", "010203"}}));
  // A .txt whose lines make it a palette is taken; other text still is not.
  services.answers = {MessageAnswer::No, MessageAnswer::No};
  form->Files().WMDropFiles({WriteFile("pdn.txt", "; paint.net Palette File\r\nFF102030\r\n"),
                             WriteFile("readme.txt", "Hello\r\n")});
  EXPECT_EQ(Entries(), E({{"102030", "102030"}}));
}

class CommandLineTest : public FilesTest {
 protected:
  void BeforeStartUp() override {
    WriteFile("start.cdt", "{S}[010203]\r\n");
    WriteFile("start.aco", kRedAco);
    arguments = {QString::fromStdString((scratch->Path() / fileName).string())};
  }
  std::string fileName = "start.cdt";
};

TEST_F(CommandLineTest, ACdtOnTheCommandLineOpensAtTheFirstActivation) {
  EXPECT_EQ(Entries(), E({{"S", "010203"}}));
}

class TwoFilesCommandLineTest : public FilesTest {
 protected:
  void BeforeStartUp() override {
    arguments = {WriteFile("two.cdt", "{T}[020202]\r\n"), WriteFile("notes.txt", "{N}[000000]\r\n"),
                 WriteFile("big.lst", "Name=L\r\nColor=$0000FF\r\n")};
  }
};

TEST_F(TwoFilesCommandLineTest, EachArgumentIsAFileOfItsOwnAndTheOthersAreAppended) {
  EXPECT_EQ(Entries(), E({{"T", "020202"}, {"L", "0000FF"}}));
  EXPECT_TRUE(services.messages.empty());  // appended without a question
}

// Stands in for a window manager that never gives the window the focus.
class NoActivation : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::WindowActivate; }
};

TEST(CommandLine, TheListOpensOnceTheWindowIsShownEvenWithoutTheFocus) {
  TempDir scratch;
  const auto file = scratch / "start.cdt";
  ASSERT_FALSE(WriteFileAtomically(file, "{S}[010203]\r\n").has_value());
  FakeServices services;
  MainWindow form(services);
  NoActivation never;
  form.installEventFilter(&never);
  form.SetSettingsFile(QString::fromStdString((scratch / "tintora.ini").string()));
  form.StartUp({QString::fromStdString(file.string())});
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QCoreApplication::processEvents();
  EXPECT_EQ(form.List().Entries(), std::vector<ColourEntry>({{"S", "010203"}}));
}

class AcoCommandLineTest : public CommandLineTest {
 protected:
  void BeforeStartUp() override {
    fileName = "start.aco";
    CommandLineTest::BeforeStartUp();
  }
};

TEST_F(AcoCommandLineTest, AnAcoOnTheCommandLineOpensToo) {
  EXPECT_EQ(Entries(), E({{"FF0000", "FF0000"}}));
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(FilesTest, LeavingWithAChangedListAsksToSaveDiscardOrCancel) {
  MakeRedSky();
  services.answers = {MessageAnswer::Yes, MessageAnswer::Cancel};  // exit, then cancel
  EXPECT_FALSE(form->close());
  EXPECT_EQ(services.messages.back().buttons, MessageButtons::SaveDiscardCancel);
  EXPECT_TRUE(services.fileRequests.empty());  // nothing asked of the save dialog
  EXPECT_EQ(form->List().Count(), 2u);
  EXPECT_TRUE(form->ListModel().ListChanged());
  services.answers = {MessageAnswer::Yes, MessageAnswer::No};  // exit, then discard
  EXPECT_TRUE(form->close());
}

TEST_F(FilesTest, ACancelledSaveAtCloseKeepsTheWindowOpen) {
  MakeRedSky();
  services.answers = {MessageAnswer::Yes, MessageAnswer::Yes};  // exit, then save
  services.fileAnswers = {std::nullopt};
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(services.fileRequests.back().title, "Tintora v2.0: List Has Changed!");
  EXPECT_EQ(form->List().Count(), 2u);
  EXPECT_EQ(services.beeps.back(), BeepKind::Exclamation);
  // Saved this time, it closes.
  const QString path = QString::fromStdString((scratch->Path() / "closing.cdt").string());
  services.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
  services.fileAnswers = {FileDialogAnswer{path, 1}};
  EXPECT_TRUE(form->close());
  EXPECT_EQ(ReadFile(path), "{FF0000}[FF0000]\r\n{87CEEB}[87CEEB]\r\n");
}

}  // namespace
}  // namespace tintora::testing
