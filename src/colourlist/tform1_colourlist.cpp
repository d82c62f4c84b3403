// The colour list pane: indexing the active colour, the list's clicks and keys, renaming,
// deleting, clearing, one-level undo, moving by drag and drop, sorting and the list-wide
// conversions.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "app/controls/colour_panel.h"
#include "app/controls/shape_box.h"
#include "app/controls/speed_button.h"
#include "app/guarded.h"
#include "app/popup_ext.h"
#include "app/services.h"
#include "app/tform1.h"
#include "app/tform1_progress.h"
#include "colour/notations.h"
#include "colour/rounding.h"
#include "colour/websafe.h"
#include "colourlist/change_colour_name_dialogue.h"
#include "colourlist/colour_list_model.h"
#include "colourlist/colour_list_view.h"
#include "formats/colour_list_files.h"
#include "harmony/harmony.h"
#include "harmony/tform10.h"

namespace tintora {

void TForm1::BuildColourList() {
  QWidget* pane = ColourListGroupBox;
  FileNameLabel = new QLabel("Untitled", pane);
  FileNameLabel->setObjectName("FileNameLabel");
  FileNameLabel->setToolTip("Untitled");
  FileNameLabel->setGeometry(8, 18, 130, 16);
  ColourListTotalLabel = new QLabel("Total:0", pane);
  ColourListTotalLabel->setObjectName("ColourListTotalLabel");
  ColourListTotalLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  ColourListTotalLabel->setGeometry(140, 18, 82, 16);

  ListControlPanel = new QWidget(pane);
  ListControlPanel->setObjectName("ListControlPanel");
  ListControlPanel->setGeometry(8, 36, 214, 26);
  auto button = [this](const char* name, const char* glyph, const char* hint, int x) {
    auto* b = new SpeedButton(name, ListControlPanel);
    b->SetGlyph(QPixmap(glyph));
    b->setToolTip(hint);
    b->setGeometry(x, 1, 24, 24);
    return b;
  };
  InsertSpeedButton = button("InsertSpeedButton", ":/glyphs/index.png", "Index current colour", 0);
  InsertModeSpeedButton =
      button("InsertModeSpeedButton", ":/glyphs/insertabove.png", "Insert mode: Above/Below", 26);
  NameEditSpeedButton =
      button("NameEditSpeedButton", ":/glyphs/rename.png", "Change Selected Colour's Name", 52);
  SaveSpeedButton = button("SaveSpeedButton", ":/glyphs/save.png", "Save Colour List", 84);
  DeleteSpeedButton = button("DeleteSpeedButton", ":/glyphs/delete.png", "Delete highlighted colour(s)", 156);
  ClearAllSpeedButton = button("ClearAllSpeedButton", ":/glyphs/clear.png", "Clear List", 182);

  listModel_ = new ColourListModel(list_, this);
  CustomColourListBox = new ColourListView(pane);
  CustomColourListBox->setModel(listModel_);
  CustomColourListBox->setGeometry(8, 64, 214, 226);

  AddmodeRadioButton = new QRadioButton("Add", pane);
  AddmodeRadioButton->setObjectName("AddmodeRadioButton");
  AddmodeRadioButton->setToolTip("Add Mode");
  AddmodeRadioButton->setChecked(true);
  AddmodeRadioButton->setGeometry(8, 296, 60, 20);
  InsertModeRadioButton = new QRadioButton("Insert", pane);
  InsertModeRadioButton->setObjectName("InsertModeRadioButton");
  InsertModeRadioButton->setToolTip("Insert Mode");
  InsertModeRadioButton->setGeometry(72, 296, 70, 20);

  AutoIndexCheckBox = new QCheckBox("Auto-Index", pane);
  AutoIndexCheckBox->setObjectName("AutoIndexCheckBox");
  AutoIndexCheckBox->setToolTip("Automatically index selected colours");
  AutoIndexCheckBox->setGeometry(8, 320, 100, 20);
  IncludeComplimentaryCheckBox = new QCheckBox("Inc. Cmpl.", pane);
  IncludeComplimentaryCheckBox->setObjectName("IncludeComplimentaryCheckBox");
  IncludeComplimentaryCheckBox->setToolTip("Include complementary colours when Indexing");
  IncludeComplimentaryCheckBox->setEnabled(false);
  IncludeComplimentaryCheckBox->setGeometry(112, 320, 100, 20);

  ColourListPopupExt = MakePopup("ColourListPopupExt");
  auto item = [this](const char* name, const char* caption) {
    QAction* a = ColourListPopupExt->addAction(caption);
    a->setObjectName(name);
    return a;
  };
  DeleteSelectedColours1 = item("DeleteSelectedColours1", "Delete Selected Colour(s)");
  UndoLastChange1 = item("UndoLastChange1", "Undo Last Change");
  UndoLastChange1->setEnabled(false);
  ColourListPopupExt->addSeparator();
  AlphabeticalSort1 = item("AlphabeticalSort1", "Alphabetize");
  SortByIntensity1 = item("SortByIntensity1", "Sort By Intensity");
  SortBySaturation1 = item("SortBySaturation1", "Sort By Saturation");
  SortByHue = item("SortByHue", "Sort By Hue");
  SortByHexValue1 = item("SortByHexValue1", "Sort By Hex Value");
  ColourListPopupExt->addSeparator();
  ConvertListtoWebSafe1 = item("ConvertListtoWebSafe1", "Convert List to Web Safe");
  GenerateWebSafeList1 = item("GenerateWebSafeList1", "Generate WebSafe List");
  ColourListPopupExt->addSeparator();
  CopyListasHTMLComment1 = item("CopyListasHTMLComment1", "Copy List as HTML Comment");
}

void TForm1::ConnectColourList() {
  Link(InsertSpeedButton, &SpeedButton::clicked, this, [this](bool) { InsertSpeedButtonClick(); });
  Link(InsertModeSpeedButton, &SpeedButton::clicked, this, [this](bool) { InsertModeSpeedButtonClick(); });
  Link(NameEditSpeedButton, &SpeedButton::clicked, this, [this](bool) { NameEditSpeedButtonClick(); });
  Link(DeleteSpeedButton, &SpeedButton::clicked, this, [this](bool) { DeleteSpeedButtonClick(); });
  Link(ClearAllSpeedButton, &SpeedButton::clicked, this, [this](bool) { ClearAllSpeedButtonClick(); });
  Link(CustomColourListBox, &QListView::clicked, this,
       [this](const QModelIndex&) { CustomColourListBoxClick(); });
  Link(CustomColourListBox, &QListView::doubleClicked, this,
       [this](const QModelIndex&) { CustomColourListBoxDblClick(); });
  Link(CustomColourListBox, &ColourListView::KeyPressed, this,
       [this](QKeyEvent* e, bool* consumed) { CustomColourListBoxKeyDown(e, consumed); });
  Link(CustomColourListBox, &ColourListView::EntriesDropped, this,
       [this](QObject* source, QPoint pos, const QByteArray& lines) {
         CustomColourListBoxDragDrop(source, pos, lines);
       });
  Link(CustomColourListBox, &QListView::customContextMenuRequested, this, [this](const QPoint& p) {
    ColourListPopupExt->Popup(CustomColourListBox->viewport()->mapToGlobal(p));
  });
  Link(ColourListPopupExt, &QMenu::aboutToShow, this, [this] { PopupMenu1Popup(); });
  Link(DeleteSelectedColours1, &QAction::triggered, this, [this](bool) {
    StoreUndo();
    DeleteSelectedColours();
  });
  Link(UndoLastChange1, &QAction::triggered, this, [this](bool) { UndoLastChange1Click(); });
  const std::pair<QAction*, int> sorts[] = {{AlphabeticalSort1, 0},
                                            {SortByIntensity1, 1},
                                            {SortBySaturation1, 2},
                                            {SortByHue, 3},
                                            {SortByHexValue1, 4}};
  for (auto [action, code] : sorts)
    Link(action, &QAction::triggered, this, [this, code](bool) { SortCommand(code); });
  Link(ConvertListtoWebSafe1, &QAction::triggered, this, [this](bool) { ConvertListtoWebSafe1Click(); });
  Link(GenerateWebSafeList1, &QAction::triggered, this, [this](bool) { GenerateColourSafeList1Click(); });
  Link(CopyListasHTMLComment1, &QAction::triggered, this, [this](bool) { CopyListasHTMLComment1Click(); });

  TChangeColourNameDialogue* dialog = changeColourNameDialogue_.get();
  Link(dialog, &TChangeColourNameDialogue::Shown, this, [this] { setEnabled(false); });
  Link(dialog, &TChangeColourNameDialogue::Activated, this, [this] {
    ListControlPanel->setEnabled(false);
    ExternalColourSourcePanel->setEnabled(false);
    CustomColourListBox->setEnabled(false);
  });
  Link(dialog, &TChangeColourNameDialogue::Accepted, this, [this] { ChangeColourNameOK(); });
  Link(dialog, &TChangeColourNameDialogue::Closed, this, [this] {
    setEnabled(true);
    ListControlPanel->setEnabled(true);
    ExternalColourSourcePanel->setEnabled(true);
    CustomColourListBox->setEnabled(true);
    RestoreOnTop();
  });
}

// ---------------------------------------------------------------- helpers

int TForm1::CurrentItem() const {
  const QModelIndex i = CustomColourListBox->currentIndex();
  return i.isValid() ? i.row() : -1;
}

void TForm1::SelectItem(int row, bool clearOthers) {
  if (row < 0 || row >= static_cast<int>(list_.Count())) return;
  const QModelIndex i = listModel_->index(row);
  auto* selection = CustomColourListBox->selectionModel();
  if (clearOthers) selection->clearSelection();
  selection->setCurrentIndex(i, QItemSelectionModel::Select);
}

bool TForm1::ListHoldsData() const {
  if (list_.Empty()) return false;
  const std::string& first = list_.At(0).value;
  return first.find_last_not_of(' ') != std::string::npos;
}

void TForm1::UpdateCountLabel() { ColourListTotalLabel->setText("Total:" + QString::number(list_.Count())); }

void TForm1::SetFileNameHint(const QString& path) {
  FileNameLabel->setToolTip(path);
  FileNameLabel->setText(path == "Untitled" ? path
                                            : QString::fromStdString(ExtractFileName(path.toStdString())));
}

void TForm1::SetColourSelectionWithoutIndexing() {
  const bool autoIndex = AutoIndexCheckBox->isChecked();
  AutoIndexCheckBox->setChecked(false);
  SetColourSelection();
  AutoIndexCheckBox->setChecked(autoIndex);
}

void TForm1::RestoreActiveColour(int red, int green, int blue) {
  BlueTrackBar->setValue(blue);
  GreenTrackBar->setValue(green);
  RedTrackBar->setValue(red);
  ColourSelectorUpdate(ColourViewPanel->Colour());
}

// ---------------------------------------------------------------- indexing

void TForm1::IndexColour() {
  if (changeColourNameDialogue_->isVisible()) return;
  ColourEntry entry{HexHTMLEdit->text().toStdString(), HexRGBText.toStdString()};
  if (AddmodeRadioButton->isChecked() || list_.Empty()) {
    listModel_->InsertEntry(static_cast<int>(list_.Count()), std::move(entry));
  } else {
    const int current = CurrentItem();
    int p = std::max(current, 0);
    Label10->setText(QString::number(p));
    if (InsertBelow && current >= 0) ++p;
    listModel_->InsertEntry(p, std::move(entry));
    SelectItem(InsertBelow ? p - 1 : p + 1, true);
    if (CurrentItem() < 0) SelectItem(0, true);
  }
  UpdateCountLabel();
  ListChanged = true;

  if (IndexingComplements || !ShowComplimentaryColours1->isChecked() ||
      !IncludeComplimentaryCheckBox->isChecked())
    return;
  IndexingComplements = true;
  Guarded([this] {
    if (!ColourWheel1->isChecked()) {
      IndexComplimentary(Shape1->BrushColour());
      if (!Complimentary1->isChecked()) IndexComplimentary(ComplementWebSafe(Shape2->BrushColour()));
      if (Tetradic1->isChecked()) IndexComplimentary(ComplementWebSafe(Shape3->BrushColour()));
    } else {
      for (int offset : WheelIndexOffsets(form10_->Divisions()))
        IndexComplimentary(ComplementWebSafe(HSVtoRGBforComplCol(offset)));
    }
  });
  IndexingComplements = false;
}

void TForm1::InsertSpeedButtonClick() {
  StoreUndo();
  ManualIndexing = true;
  ListChanged = true;
  Guarded([this] { IndexColour(); });
  ManualIndexing = false;
  if (ShowComplimentaryColours1->isChecked()) ComplimentaryColUpdate();
}

void TForm1::InsertModeSpeedButtonClick() {
  InsertBelow = !InsertBelow;
  InsertModeSpeedButton->SetGlyph(InsertBelow ? InsertBelowImage : InsertAboveImage);
}

void TForm1::DisplayListColour() {
  const int i = CurrentItem();
  if (i < 0) return;
  ColourSelectorUpdate(RGBHEXToBGRInt(list_.At(static_cast<std::size_t>(i)).value));
}

void TForm1::CustomColourListBoxClick() {
  if (ListHoldsData()) DisplayListColour();
}

void TForm1::CustomColourListBoxDblClick() {
  DisplayListColour();
  SetColourSelectionWithoutIndexing();
  CopyValueToClip();
}

void TForm1::CustomColourListBoxKeyDown(QKeyEvent* event, bool* consumed) {
  if (event->key() == Qt::Key_Delete) {
    StoreUndo();
    DeleteSelectedColours();
    *consumed = true;
    return;
  }
  if (CurrentItem() < 0 || !ListHoldsData()) return;
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  if (event->key() == Qt::Key_Backspace) {
    DeleteSelectedColours();
    *consumed = true;
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    DisplayListColour();
    SetColourSelectionWithoutIndexing();
    *consumed = true;
  } else if (ctrl && event->key() == Qt::Key_D) {
    DebugButton->setVisible(DebugButton->isHidden());
    *consumed = true;
  } else if (ctrl && event->key() == Qt::Key_E) {
    ToggleCalculateControls();
    *consumed = true;
  }
}

// ---------------------------------------------------------------- renaming

void TForm1::NameEditSpeedButtonClick() {
  if (list_.Empty()) {
    SuspendOnTop();
    services_.Beep(BeepKind::Information);
    services_.ShowMessage(this, "There are no listed colours!", MessageIcon::Information, MessageButtons::Ok);
    RestoreOnTop();
    return;
  }
  const int i = CurrentItem();
  if (i < 0) return;
  TChangeColourNameDialogue* dialog = changeColourNameDialogue_.get();
  dialog->SetOldName(QString::fromStdString(list_.At(static_cast<std::size_t>(i)).name));
  const QRect main = frameGeometry();
  dialog->move(main.left() + static_cast<int>(Round(main.width() / 2.0)) -
                   static_cast<int>(Round(dialog->width() / 2.0)),
               main.top() + static_cast<int>(Round(main.height() / 2.0)) -
                   static_cast<int>(Round(dialog->height() / 2.0)));
  dialog->show();
  dialog->activateWindow();
  dialog->ChangeColourNameEdit->setFocus();
}

void TForm1::ChangeColourNameOK() {
  StoreUndo();
  const int i = CurrentItem();
  if (i >= 0) {
    listModel_->RenameEntry(i, changeColourNameDialogue_->ChangeColourNameEdit->text().toStdString());
    SelectItem(i, false);
  }
  ListChanged = true;
}

// ---------------------------------------------------------------- deleting, clearing, undo

void TForm1::DeleteSelectedColours() {
  std::vector<std::size_t> rows;
  for (const QModelIndex& i : CustomColourListBox->selectionModel()->selectedIndexes())
    rows.push_back(static_cast<std::size_t>(i.row()));
  if (rows.empty()) return;
  const std::size_t smallest = *std::min_element(rows.begin(), rows.end());
  listModel_->Reset([&](ColourList& l) { l.Remove(rows); });
  ListChanged = true;
  if (!list_.Empty()) SelectItem(smallest > 0 ? static_cast<int>(smallest) - 1 : 0, true);
  if (list_.Empty()) {
    ListChanged = false;
    SetFileNameHint("Untitled");
  }
  UpdateCountLabel();
}

void TForm1::DeleteSpeedButtonClick() {
  StoreUndo();
  DeleteSelectedColours();
  CustomColourListBox->viewport()->repaint();
}

void TForm1::ClearAllSpeedButtonClick() {
  if (ListChanged) {
    SuspendOnTop();
    services_.Beep(BeepKind::Exclamation);
    const MessageAnswer answer =
        services_.ShowMessage(this, "Save:\r\n\r\nColour List Has Changed!  Do you want to save it?",
                              MessageIcon::Warning, MessageButtons::YesNoCancel);
    RestoreOnTop();
    if (answer == MessageAnswer::Cancel) return;
    // A list the user wanted saved is only cleared once it is saved.
    if (answer == MessageAnswer::Yes && FileSaveAs1Execute() != SaveOutcome::Saved) return;
  }
  Memo1.clear();
  listModel_->Reset([](ColourList& l) { l.Clear(); });
  saveDialogFileName_.clear();
  SetFileNameHint("Untitled");
  ListChanged = false;
  UpdateCountLabel();
}

void TForm1::StoreUndo() {
  if (list_.Empty()) return;
  ParseDataForCDTFile();
  UndoCount = 1;
  UndoLastChange1->setEnabled(true);
}

void TForm1::UndoLastChange1Click() {
  if (UndoCount > 0) {
    listModel_->Reset([](ColourList& l) { l.Clear(); });
    CDTFileParser();
    --UndoCount;
    ListChanged = true;
  }
  if (UndoCount == 0) UndoLastChange1->setEnabled(false);
}

// ---------------------------------------------------------------- moving

void TForm1::CustomColourListBoxDragDrop(QObject* source, QPoint pos, const QByteArray&) {
  if (source == CustomColourListBox) CustomColourListBoxMoveItems(pos.x(), pos.y());
  ListChanged = true;
  CustomColourListBox->viewport()->update();
}

void TForm1::CustomColourListBoxMoveItems(int x, int y) {
  const int from = CurrentItem();
  int to = CustomColourListBox->RowAt(QPoint(x, y));
  if (from < 0 || to == from) return;
  const int count = static_cast<int>(list_.Count());
  to = std::clamp(to, 0, count - 1);
  if (to == from) return;
  listModel_->MoveEntry(from, to);
  CustomColourListBox->selectionModel()->setCurrentIndex(listModel_->index(to),
                                                         QItemSelectionModel::NoUpdate);
}

// ---------------------------------------------------------------- popup, sorting, conversions

void TForm1::PopupMenu1Popup() {
  const bool any = !list_.Empty();
  for (QAction* a : {DeleteSelectedColours1, AlphabeticalSort1, SortByIntensity1, SortBySaturation1,
                     SortByHue, SortByHexValue1, ConvertListtoWebSafe1, CopyListasHTMLComment1})
    a->setEnabled(any);
}

void TForm1::SortList(int code) {
  if (list_.Empty()) return;
  Progress progress(*this);
  listModel_->Reset([code](ColourList& l) { l.Sort(static_cast<SortKey>(code)); });
}

void TForm1::SortCommand(int code) {
  StoreUndo();
  SortList(code);
  CustomColourListBox->viewport()->repaint();
  ListChanged = true;
}

void TForm1::ConvertListtoWebSafe1Click() {
  StoreUndo();
  RGBHexListToWebSafe();
}

void TForm1::RGBHexListToWebSafe() {
  if (ListChanged) {
    SuspendOnTop();
    const MessageAnswer answer = services_.ShowMessage(
        this, "Convert:\r\n\r\nColour List Has Changed!\r\nDo you want to save it before\r\nit is converted?",
        MessageIcon::Warning, MessageButtons::YesNoCancel);
    RestoreOnTop();
    if (answer == MessageAnswer::Cancel) return;
    if (answer == MessageAnswer::Yes) FileSaveAs1Execute();
  }
  if (!list_.Empty()) {
    Progress progress(*this);
    list_.ConvertToWebSafe();
    listModel_->ValuesChanged();
  }
  ListChanged = true;
  CustomColourListBox->viewport()->repaint();
}

void TForm1::GenerateColourSafeList1Click() {
  StoreUndo();
  MakeColourSafe();
}

void TForm1::MakeColourSafe() {
  const bool addMode = AddmodeRadioButton->isChecked();
  const bool autoIndex = AutoIndexCheckBox->isChecked();
  const int r = RedTrackBar->value(), g = GreenTrackBar->value(), b = BlueTrackBar->value();
  // Entries take the shown colour; an intensity offset would push them off the web-safe grid.
  const int intensity = IntensityTrackBar->value();
  IntensityTrackBar->setValue(0);
  AddmodeRadioButton->setChecked(true);
  AutoIndexCheckBox->setChecked(true);
  Guarded([this] {
    for (int c : WebSafeColourValues()) {
      ColourSelectorUpdate(c);
      SetColourSelection();
    }
  });
  AutoIndexCheckBox->setChecked(false);
  // The colour from before comes back as it was (see IndexComplimentary).
  IntensityTrackBar->setValue(intensity);
  RestoreActiveColour(r, g, b);
  (addMode ? AddmodeRadioButton : InsertModeRadioButton)->setChecked(true);
  AutoIndexCheckBox->setChecked(autoIndex);
}

void TForm1::CopyListasHTMLComment1Click() {
  if (list_.Empty()) return;
  QStringList lines;
  for (const std::string& line : HtmlCommentLines(list_)) lines << QString::fromStdString(line);
#ifdef Q_OS_WIN
  services_.SetClipboardText(lines.join("\r\n"));
#else
  services_.SetClipboardText(lines.join("\n"));
#endif
}

}  // namespace tintora
