// The colour list pane's commands on the whole list or its selection: deleting, clearing,
// undo and redo, moving, sorting, the web-safe conversions, the HTML comment copy, and entries that
// arrive from elsewhere.
#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>

#include "colourlist/colour_list_pane.h"

#include "core/colour/css_colour.h"
#include "core/colour/websafe.h"
#include "core/design/design_helpers.h"

#include "colourlist/colour_list_view.h"
#include "colourlist/colour_vision_check.h"
#include "core/formats/cdt.h"
#include "core/formats/colour_list_files.h"
#include "widgets/active_colour_holder.h"
#include "widgets/colour_list_model.h"
#include "widgets/colour_selection.h"
#include "widgets/guarded.h"
#include "widgets/list_saver.h"
#include "widgets/progress_display.h"
#include "widgets/services.h"
#include "widgets/stay_on_top.h"

namespace tintora {

void ColourListPane::StoreUndo() {
  Progress progress(parts_.progress);
  model_.StoreUndo();
}

void ColourListPane::UndoLastChangeClick(bool redo) {
  if (!(redo ? model_.RedoAvailable() : model_.UndoAvailable())) return;
  {
    Progress progress(parts_.progress);
    redo ? model_.RedoLastChange() : model_.UndoLastChange();
  }
  SelectItem(0, true);
}

void ColourListPane::DeleteSelectedColours() {
  std::vector<std::size_t> rows;
  for (const QModelIndex& i : CustomColourListBox->selectionModel()->selectedIndexes())
    rows.push_back(static_cast<std::size_t>(i.row()));
  if (rows.empty()) return;
  const std::size_t smallest = *std::min_element(rows.begin(), rows.end());
  model_.Reset([&](ColourList& l) { l.Remove(rows); });
  model_.SetListChanged(true);
  if (!model_.List().Empty()) SelectItem(smallest > 0 ? static_cast<int>(smallest) - 1 : 0, true);
  if (model_.List().Empty()) {
    model_.SetListChanged(false);
    model_.SetFileName("Untitled");
  }
}

MessageAnswer ColourListPane::AskAboutChanges(const QString& text, bool beep) {
  if (beep) parts_.services.Beep(BeepKind::Exclamation);
  const MessageAnswer answer =
      parts_.services.ShowMessage(window_, text, MessageIcon::Warning, MessageButtons::YesNoCancel);
  return answer;
}

void ColourListPane::ClearAllSpeedButtonClick() {
  if (model_.ListChanged()) {
    const MessageAnswer answer =
        AskAboutChanges("Save:\r\n\r\nColour List Has Changed!  Do you want to save it?", true);
    if (answer == MessageAnswer::Cancel) return;
    // A list the user wanted saved is only cleared once it is saved.
    if (answer == MessageAnswer::Yes && parts_.saver.SaveAsExecute() != SaveOutcome::Saved) return;
  }
  if (!model_.List().Empty()) StoreUndo();  // a cleared list can be had back
  model_.NewList();
  model_.SetFileName("Untitled");
}

// ---------------------------------------------------------------- moving

void ColourListPane::CustomColourListBoxDragDrop(QObject* source, QPoint pos, const QByteArray& lines) {
  // A step of its own; when the drop changed nothing, undo passes over it.
  StoreUndo();
  if (source == CustomColourListBox)
    CustomColourListBoxMoveItems(pos.x(), pos.y());
  else  // the text colourizer's colours, copied in as entries of their own
    model_.AppendEntries(ParseCdtText(lines.toStdString()));
  model_.SetListChanged(true);
  CustomColourListBox->viewport()->update();
}

void ColourListPane::CustomColourListBoxMoveItems(int x, int y) {
  const int from = CurrentItem();
  int to = CustomColourListBox->RowAt(QPoint(x, y));
  if (from < 0 || to == from) return;
  to = std::clamp(to, 0, static_cast<int>(model_.List().Count()) - 1);
  if (to == from) return;
  model_.MoveEntry(from, to);
  CustomColourListBox->selectionModel()->setCurrentIndex(model_.index(to), QItemSelectionModel::NoUpdate);
}

// ---------------------------------------------------------------- popup, sorting, conversions

void ColourListPane::ListMenuPopup() {
  const bool any = !model_.List().Empty();
  for (QAction* a : {DeleteSelectedColoursAction, AdjustSelectedColoursAction, ConvertListToWebSafeAction,
                     CopyListAsHtmlCommentAction})
    a->setEnabled(any);
  for (QAction* a : sorts_) a->setEnabled(any);
}

void ColourListPane::SortList(SortKey key) {
  if (model_.List().Empty()) return;
  Progress progress(parts_.progress);
  model_.Reset([key](ColourList& l) { l.Sort(key); });
}

void ColourListPane::SortCommand(SortKey key) {
  StoreUndo();
  SortList(key);
  CustomColourListBox->viewport()->repaint();
  model_.SetListChanged(true);
}

void ColourListPane::RGBHexListToWebSafe() {
  if (model_.ListChanged()) {
    const MessageAnswer answer = AskAboutChanges(
        "Convert:\r\n\r\nColour List Has Changed!\r\nDo you want to save it before\r\nit is converted?",
        false);
    if (answer == MessageAnswer::Cancel) return;
    // The conversion can be undone, so it goes ahead whatever became of the save.
    if (answer == MessageAnswer::Yes) parts_.saver.SaveAsExecute();
  }
  if (!model_.List().Empty()) {
    Progress progress(parts_.progress);
    model_.ChangeValues([](ColourList& l) { l.ConvertToWebSafe(); });
  }
  model_.SetListChanged(true);
  CustomColourListBox->viewport()->repaint();
}

void ColourListPane::MakeColourSafe() {
  ActiveColourHolder& active = parts_.active;
  ColourSelection& selection = parts_.selection;
  const bool addMode = AddmodeRadioButton->isChecked();
  const bool autoIndex = AutoIndexCheckBox->isChecked();
  const ActiveColour saved = active.Value();
  // Entries take the shown colour; an intensity offset would push them off the web-safe grid.
  active.SetIntensity(0);
  AddmodeRadioButton->setChecked(true);
  AutoIndexCheckBox->setChecked(true);
  Guarded([&] {
    for (Rgb8 c : WebSafeColours()) {
      selection.ColourSelectorUpdate(c);
      selection.SetColourSelection();
    }
  });
  AutoIndexCheckBox->setChecked(false);
  // The colour from before comes back as it was.
  active.SetIntensity(saved.Intensity());
  selection.RestoreActiveColour(saved.Red(), saved.Green(), saved.Blue());
  (addMode ? AddmodeRadioButton : InsertModeRadioButton)->setChecked(true);
  AutoIndexCheckBox->setChecked(autoIndex);
}

void ColourListPane::CopyListAsHtmlCommentClick() {
  if (model_.List().Empty()) return;
  QStringList lines;
  for (const std::string& line : HtmlCommentLines(model_.List())) lines << QString::fromStdString(line);
#ifdef Q_OS_WIN
  parts_.services.SetClipboardText(lines.join("\r\n"));
#else
  parts_.services.SetClipboardText(lines.join("\n"));
#endif
}

// ---------------------------------------------------------------- entries from elsewhere

void ColourListPane::AppendCustomColours(const CustomColourSlots& customSlots) {
  StoreUndo();
  model_.SetListChanged(true);
  emit InViewRequested();
  CustomColourListBox->setFocus();
  model_.AppendEntries(CustomColourEntries(customSlots));
  SelectItem(static_cast<int>(model_.List().Count()) - 1, true);
  CustomColourListBox->viewport()->update();
}

void ColourListPane::AppendScaleOfActiveColour() {
  // Named after the colour: its CSS name where it has one, its value otherwise.
  const Rgb8 colour = parts_.active.Value().Shown();
  const auto css = CssNameOf(colour);
  const std::string name = css ? std::string(*css) : colour.Hex();
  const std::array<Rgb8, 11> scale = ColourScale(colour);
  std::vector<ColourEntry> entries;
  for (std::size_t i = 0; i < scale.size(); ++i)
    entries.push_back({name + " " + std::to_string(kScaleSteps[i]), scale[i].Hex()});
  StoreUndo();
  model_.SetListChanged(true);
  emit InViewRequested();
  CustomColourListBox->setFocus();
  model_.AppendEntries(std::move(entries));
  SelectItem(static_cast<int>(model_.List().Count()) - 1, true);
  CustomColourListBox->viewport()->update();
}

void ColourListPane::CheckColourVision() {
  auto* check = window_->findChild<ColourVisionCheck*>("ColourVisionCheck");
  if (!check) {
    check = new ColourVisionCheck(window_);
    Link(check, &ColourVisionCheck::PairChosen, this, [this](int first, int second) {
      SelectItem(first, true);
      SelectItem(second, false);
    });
  }
  check->Check(model_.List());
  check->show();
  check->raise();
  check->activateWindow();
}

void ColourListPane::ShowLoadedList() {
  SelectItem(0, true);
  emit InViewRequested();
  if (CustomColourListBox->isVisible()) CustomColourListBox->setFocus();
}

}  // namespace tintora
