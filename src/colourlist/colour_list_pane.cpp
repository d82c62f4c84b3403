#include "colourlist/colour_list_pane.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "colourlist/adjust_colours.h"
#include "colourlist/adjust_window.h"
#include "colourlist/change_colour_name_dialogue.h"
#include "colourlist/colour_list_view.h"
#include "core/colour/notations.h"
#include "core/formats/colour_list_files.h"
#include "core/formats/file_names.h"
#include "widgets/active_colour_holder.h"
#include "widgets/centre.h"
#include "widgets/colour_list_model.h"
#include "widgets/colour_selection.h"
#include "widgets/debug_panel.h"
#include "widgets/elided_label.h"
#include "widgets/guarded.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/notation.h"
#include "widgets/popup_ext.h"
#include "widgets/services.h"
#include "widgets/speed_button.h"
#include "widgets/stay_on_top.h"

namespace tintora {

ColourListPane::ColourListPane(QGroupBox* pane, QWidget* window,
                               MadeOnFirstUse<ChangeColourNameDialogue> nameDialogue,
                               MadeOnFirstUse<AdjustWindow> adjust, const ColourListPaneParts& parts)
    : window_(window), nameDialogue_(std::move(nameDialogue)), parts_(parts), model_(parts.model) {
  Build(pane);
  adjuster_ = std::make_unique<AdjustColours>(std::move(adjust), window, model_,
                                              *CustomColourListBox->selectionModel(), parts_.selection,
                                              parts_.onTop, parts_.services);
  BuildMenu(pane);
  Connect();
  ConnectNameDialogue();
  UpdateCountLabel();
}

ColourListPane::~ColourListPane() = default;

ChangeColourNameDialogue* ColourListPane::NameDialogue() { return nameDialogue_.get(); }

ChangeColourNameDialogue* ColourListPane::OpenNameDialogue() const {
  return nameDialogue_.Visible() ? nameDialogue_.IfMade() : nullptr;
}

AdjustWindow* ColourListPane::Adjust() const { return adjuster_->Window(); }

void ColourListPane::Build(QGroupBox* pane) {
  // A long file name is shortened in the middle rather than widening the pane; its hint holds
  // the whole path.
  FileNameLabel = Make<ElidedLabel>(pane, "FileNameLabel", "Untitled", "Untitled");
  ColourListTotalLabel = Make<QLabel>(pane, "ColourListTotalLabel", {}, "Total:0");
  ColourListTotalLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  ReserveText(ColourListTotalLabel, "Total:000000");

  ListControlPanel = Make<QWidget>(pane, "ListControlPanel");
  QHBoxLayout* tools = RowOn(ListControlPanel, true);
  tools->setSpacing(2);
  const struct {
    const char* name;
    const char* glyph;
    const char* hint;
    bool gapBefore;  // the save button and the deleting pair stand apart
  } buttons[6] = {{"InsertSpeedButton", ":/glyphs/index.svg", "Index current colour", false},
                  {"InsertModeSpeedButton", ":/glyphs/insertabove.svg", "Insert mode: Above/Below", false},
                  {"NameEditSpeedButton", ":/glyphs/rename.svg", "Change Selected Colour's Name", false},
                  {"SaveSpeedButton", ":/glyphs/save.svg", "Save Colour List", true},
                  {"DeleteSpeedButton", ":/glyphs/delete.svg", "Delete highlighted colour(s)", true},
                  {"ClearAllSpeedButton", ":/glyphs/clear.svg", "Clear List", false}};
  SpeedButton* made[6];
  for (int i = 0; i < 6; ++i) {
    made[i] = Make<SpeedButton>(ListControlPanel, buttons[i].name, buttons[i].hint);
    made[i]->SetGlyph(buttons[i].glyph);
    if (buttons[i].gapBefore) tools->addSpacing(made[i]->sizeHint().width() / 2);
    if (i == 4) tools->addStretch(1);
    tools->addWidget(made[i]);
  }
  InsertModeSpeedButton = made[1];
  Link(made[0], &SpeedButton::clicked, this, [this](bool) { InsertSpeedButtonClick(); });
  Link(made[1], &SpeedButton::clicked, this, [this](bool) { InsertModeSpeedButtonClick(); });
  Link(made[2], &SpeedButton::clicked, this, [this](bool) { NameEditSpeedButtonClick(); });
  Link(made[3], &SpeedButton::clicked, this, [this](bool) { emit SaveRequested(); });
  Link(made[3], &SpeedButton::MouseUp, this, [this](Qt::MouseButton b) {
    if (b == Qt::RightButton) emit SaveOptionsRequested();
  });
  Link(made[4], &SpeedButton::clicked, this, [this](bool) {
    StoreUndo();
    DeleteSelectedColours();
    CustomColourListBox->viewport()->repaint();
  });
  Link(made[5], &SpeedButton::clicked, this, [this](bool) { ClearAllSpeedButtonClick(); });

  CustomColourListBox = new ColourListView(pane);
  CustomColourListBox->setModel(&model_);
  CustomColourListBox->setAccessibleName("Colour list");

  AddmodeRadioButton = Make<QRadioButton>(pane, "AddmodeRadioButton", "Add Mode", "Add");
  AddmodeRadioButton->setChecked(true);
  InsertModeRadioButton = Make<QRadioButton>(pane, "InsertModeRadioButton", "Insert Mode", "Insert");
  AutoIndexCheckBox =
      Make<QCheckBox>(pane, "AutoIndexCheckBox", "Automatically index selected colours", "Auto-Index");
  IncludeComplimentaryCheckBox = Make<QCheckBox>(pane, "IncludeComplimentaryCheckBox",
                                                 "Include complementary colours when Indexing", "Inc. Cmpl.");
  IncludeComplimentaryCheckBox->setEnabled(false);

  QGridLayout* grid = GridOn(pane);
  grid->addWidget(FileNameLabel, 0, 0);
  grid->addWidget(ColourListTotalLabel, 0, 1);
  grid->addWidget(ListControlPanel, 1, 0, 1, 2);
  grid->addWidget(CustomColourListBox, 2, 0, 1, 2);
  grid->addWidget(AddmodeRadioButton, 3, 0);
  grid->addWidget(InsertModeRadioButton, 3, 1);
  grid->addWidget(AutoIndexCheckBox, 4, 0);
  grid->addWidget(IncludeComplimentaryCheckBox, 4, 1);
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(0, 1);
}

void ColourListPane::BuildMenu(QGroupBox* pane) {
  PopupMenu* m = ColourListPopupExt = MakePopup(pane, "ColourListPopupExt", parts_.onTop);
  DeleteSelectedColoursAction = m->AddItem("DeleteSelectedColours1", "Delete Selected Colour(s)");
  UndoLastChangeAction = m->AddItem("UndoLastChange1", "Undo Last Change");
  UndoLastChangeAction->setEnabled(false);
  UndoLastChangeAction->setShortcut(QKeySequence::Undo);  // shown in the menu; the window's keys below
  RedoLastChangeAction = m->AddItem("RedoLastChange1", "Redo Last Change");
  RedoLastChangeAction->setEnabled(false);
  RedoLastChangeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
  // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z anywhere in the window but a text field (which keeps its
  // own undo).
  QAction* undo = AddWindowShortcut(pane, "EditUndo1", "&Undo", QKeySequence::Undo);
  Link(undo, &QAction::triggered, this, [this](bool) {
    if (UndoLastChangeAction->isEnabled()) UndoLastChangeAction->trigger();
  });
  QAction* redo = AddWindowShortcut(pane, "EditRedo1", "&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y));
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  Link(redo, &QAction::triggered, this, [this](bool) {
    if (RedoLastChangeAction->isEnabled()) RedoLastChangeAction->trigger();
  });
  AdjustSelectedColoursAction = m->AddItem("AdjustSelectedColours1", "Adjust Selected Colour(s)");
  Link(AdjustSelectedColoursAction, &QAction::triggered, this,
       [this](bool) { adjuster_->AdjustSelectedColoursClick(); });
  m->addSeparator();
  const struct {
    SortKey key;
    const char *name, *text;
  } kSorts[5] = {{SortKey::Alphabetical, "AlphabeticalSort1", "Alphabetize"},
                 {SortKey::Intensity, "SortByIntensity1", "Sort By Intensity"},
                 {SortKey::Saturation, "SortBySaturation1", "Sort By Saturation"},
                 {SortKey::Hue, "SortByHue", "Sort By Hue"},
                 {SortKey::HexValue, "SortByHexValue1", "Sort By Hex Value"}};
  for (const auto& sort : kSorts) {
    QAction* action = sorts_.emplace_back(m->AddItem(sort.name, sort.text));
    Link(action, &QAction::triggered, this, [this, key = sort.key](bool) { SortCommand(key); });
  }
  m->addSeparator();
  ConvertListToWebSafeAction = m->AddItem("ConvertListtoWebSafe1", "Convert List to Web Safe");
  GenerateWebSafeListAction = m->AddItem("GenerateWebSafeList1", "Generate WebSafe List");
  Link(m->AddItem("AddScaleOfActiveColour1", "Add Scale of Active Colour"), &QAction::triggered, this,
       [this](bool) { AppendScaleOfActiveColour(); });
  Link(m->AddItem("CheckColourVision1", "Check Colour Vision"), &QAction::triggered, this,
       [this](bool) { CheckColourVision(); });
  m->addSeparator();
  CopyListAsHtmlCommentAction = m->AddItem("CopyListasHTMLComment1", "Copy List as HTML Comment");
}

void ColourListPane::Connect() {
  Link(&parts_.selection, &ColourSelection::IndexRequested, this,
       [this](bool undoStepFirst, bool complements) { IndexRequested(undoStepFirst, complements); });
  Link(AutoIndexCheckBox, &QCheckBox::toggled, this, [this](bool on) { parts_.selection.SetAutoIndex(on); });
  Link(&model_, &ColourListModel::UndoAvailableChanged, this, [this](bool undo, bool redo) {
    UndoLastChangeAction->setEnabled(undo);
    RedoLastChangeAction->setEnabled(redo);
  });
  Link(&model_, &ColourListModel::FileNameChanged, this,
       [this](const QString& path) { SetFileNameHint(path); });
  // The count follows the list, whoever changed it.
  for (auto count : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(&model_, count, this, [this] { UpdateCountLabel(); });
  connect(&model_, &QAbstractItemModel::modelReset, this, [this] { UpdateCountLabel(); });

  Link(CustomColourListBox, &QListView::clicked, this, [this](const QModelIndex&) {
    if (ListHoldsData()) DisplayListColour();
  });
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
  Link(ColourListPopupExt, &QMenu::aboutToShow, this, [this] { ListMenuPopup(); });
  Link(DeleteSelectedColoursAction, &QAction::triggered, this, [this](bool) {
    StoreUndo();
    DeleteSelectedColours();
  });
  Link(UndoLastChangeAction, &QAction::triggered, this, [this](bool) { UndoLastChangeClick(false); });
  Link(RedoLastChangeAction, &QAction::triggered, this, [this](bool) { UndoLastChangeClick(true); });
  Link(ConvertListToWebSafeAction, &QAction::triggered, this, [this](bool) {
    StoreUndo();
    RGBHexListToWebSafe();
  });
  Link(GenerateWebSafeListAction, &QAction::triggered, this, [this](bool) {
    StoreUndo();
    MakeColourSafe();
  });
  Link(CopyListAsHtmlCommentAction, &QAction::triggered, this,
       [this](bool) { CopyListAsHtmlCommentClick(); });
}

void ColourListPane::ConnectNameDialogue() {
  nameDialogue_.OnMade([this](ChangeColourNameDialogue& dialog) {
    parts_.onTop.Follow(&dialog, true);
    Link(&dialog, &ChangeColourNameDialogue::Activated, this, [this] {
      ListControlPanel->setEnabled(false);
      CustomColourListBox->setEnabled(false);
      emit NameDialogueActive(true);
    });
    Link(&dialog, &ChangeColourNameDialogue::Accepted, this, [this] { ChangeColourNameOK(); });
    Link(&dialog, &ChangeColourNameDialogue::Closed, this, [this] {
      ListControlPanel->setEnabled(true);
      CustomColourListBox->setEnabled(true);
      emit NameDialogueActive(false);
      parts_.onTop.RestoreOnTop();
    });
  });
}

// ---------------------------------------------------------------- helpers

int ColourListPane::CurrentItem() const {
  const QModelIndex i = CustomColourListBox->currentIndex();
  return i.isValid() ? i.row() : -1;
}

void ColourListPane::SelectItem(int row, bool clearOthers) {
  if (row < 0 || row >= static_cast<int>(model_.List().Count())) return;
  auto* selection = CustomColourListBox->selectionModel();
  if (clearOthers) selection->clearSelection();
  selection->setCurrentIndex(model_.index(row), QItemSelectionModel::Select);
}

bool ColourListPane::ListHoldsData() const {
  if (model_.List().Empty()) return false;
  const std::string& first = model_.List().At(0).value;
  return first.find_last_not_of(' ') != std::string::npos;
}

void ColourListPane::UpdateCountLabel() {
  ColourListTotalLabel->setText("Total:" + QString::number(model_.List().Count()));
}

void ColourListPane::SetFileNameHint(const QString& path) {
  FileNameLabel->setToolTip(path);
  FileNameLabel->setText(path == "Untitled" ? path
                                            : QString::fromStdString(ExtractFileName(path.toStdString())));
}

void ColourListPane::SetComplementsOffered(bool offered) {
  IncludeComplimentaryCheckBox->setEnabled(offered);
}

// ---------------------------------------------------------------- indexing

void ColourListPane::IndexRequested(bool undoStepFirst, bool complements) {
  if (undoStepFirst) StoreUndo();
  IndexColour(complements);
}

void ColourListPane::IndexColour(bool complements) {
  if (nameDialogue_.Visible()) return;
  const ActiveColour& colour = parts_.active.Value();
  ColourEntry entry{parts_.notation.Text(colour).toStdString(), colour.HexRGBText()};
  if (AddmodeRadioButton->isChecked() || model_.List().Empty()) {
    const int last = static_cast<int>(model_.List().Count());
    model_.InsertEntry(last, std::move(entry));
    // The new colour is the one Rename and the arrow keys act on next.
    SelectItem(last, true);
  } else {
    const int current = CurrentItem();
    int p = std::max(current, 0);
    parts_.debug.ShowInsertPosition(p);
    if (InsertBelow && current >= 0) ++p;
    model_.InsertEntry(p, std::move(entry));
    SelectItem(InsertBelow ? p - 1 : p + 1, true);
    if (CurrentItem() < 0) SelectItem(0, true);
  }
  model_.SetListChanged(true);
  if (complements && IncludeComplimentaryCheckBox->isChecked()) emit ComplementsWanted();
}

void ColourListPane::InsertSpeedButtonClick() {
  StoreUndo();
  model_.SetListChanged(true);
  Guarded([this] { IndexColour(); });
}

void ColourListPane::InsertModeSpeedButtonClick() {
  InsertBelow = !InsertBelow;
  InsertModeSpeedButton->SetGlyph(InsertBelow ? ":/glyphs/insertbelow.svg" : ":/glyphs/insertabove.svg");
}

void ColourListPane::DisplayListColour() {
  const int i = CurrentItem();
  if (i < 0) return;
  if (const std::optional<Rgb8> colour = model_.List().ColourAt(static_cast<std::size_t>(i)))
    parts_.selection.ColourSelectorUpdate(*colour);
}

void ColourListPane::CustomColourListBoxDblClick() {
  DisplayListColour();
  parts_.selection.SetColourSelection({.index = Commit::Index::Never, .copyValue = true});
}

void ColourListPane::CustomColourListBoxKeyDown(QKeyEvent* event, bool* consumed) {
  if (event->key() == Qt::Key_Delete) {
    StoreUndo();
    DeleteSelectedColours();
    *consumed = true;
    return;
  }
  if (CurrentItem() < 0 || !ListHoldsData()) return;
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  if (event->key() == Qt::Key_Backspace) {
    StoreUndo();
    DeleteSelectedColours();
  } else if (event->key() == Qt::Key_F2) {
    NameEditSpeedButtonClick();
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    DisplayListColour();
    parts_.selection.SetColourSelection({.index = Commit::Index::Never});
  } else if (ctrl && event->key() == Qt::Key_D) {
    emit DebugButtonToggleRequested();
  } else if (ctrl && event->key() == Qt::Key_E) {
    emit CalculateControlsToggleRequested();
  } else {
    return;
  }
  *consumed = true;
}

// ---------------------------------------------------------------- renaming

void ColourListPane::NameEditSpeedButtonClick() {
  if (model_.List().Empty()) {
    parts_.services.Beep(BeepKind::Information);
    parts_.services.ShowMessage(window_, "There are no listed colours!", MessageIcon::Information,
                                MessageButtons::Ok);
    return;
  }
  const int i = CurrentItem();
  if (i < 0) return;
  ChangeColourNameDialogue* dialog = nameDialogue_.get();
  dialog->SetOldName(QString::fromStdString(model_.List().At(static_cast<std::size_t>(i)).name));
  dialog->adjustSize();
  dialog->move(CentreOver(window_->frameGeometry(), dialog->size()));
  parts_.onTop.SuspendOnTop();  // until it closes
  dialog->show();
  dialog->activateWindow();
  dialog->FocusName();
}

void ColourListPane::ChangeColourNameOK() {
  StoreUndo();
  const int i = CurrentItem();
  if (i >= 0) {
    model_.RenameEntry(i, nameDialogue_->NewName().toStdString());
    SelectItem(i, false);
  }
  model_.SetListChanged(true);
}

}  // namespace tintora
