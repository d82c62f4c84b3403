// The "Colour List" pane: indexing, clicks and keys, renaming (ChangeColourNameDialogue),
// deleting, clearing, undo and redo, drag and drop, sorting and the list-wide conversions.
#pragma once

#include <memory>
#include <vector>

#include <QObject>
#include <QPoint>

#include "core/colour/custom_colours.h"
#include "core/list/colour_list.h"
#include "widgets/made_on_first_use.h"
#include "widgets/services.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QRadioButton;
class QWidget;

namespace tintora {

class ActiveColourHolder;
class ColourListModel;
class ColourListView;
class ColourSelection;
class DebugPanel;
class ListSaver;
class Notation;
class ProgressDisplay;
class SpeedButton;
class StayOnTop;
class ChangeColourNameDialogue;
class AdjustWindow;
class AdjustColours;
class PopupMenu;

// The shared objects the pane works with.
struct ColourListPaneParts {
  ColourListModel& model;
  ActiveColourHolder& active;
  ColourSelection& selection;
  Notation& notation;
  ProgressDisplay& progress;
  DebugPanel& debug;
  StayOnTop& onTop;
  Services& services;
  ListSaver& saver;
};

class ColourListPane : public QObject {
  Q_OBJECT
 public:
  ColourListPane(QGroupBox* pane, QWidget* window, MadeOnFirstUse<ChangeColourNameDialogue> nameDialogue,
                 MadeOnFirstUse<AdjustWindow> adjust, const ColourListPaneParts& parts);
  ~ColourListPane() override;

  // Adds the active colour, named in the value field's notation, by the add/insert mode;
  // `complements`: "Inc. Cmpl." may add the harmony colours after it.
  void IndexColour(bool complements = true);
  void StoreUndo();
  void DisplayListColour();
  void DeleteSelectedColours();
  void SortList(SortKey key);
  void CustomColourListBoxMoveItems(int x, int y);
  // Entries dropped on the list: from the list itself (a move) or from elsewhere.
  void CustomColourListBoxDragDrop(QObject* source, QPoint viewportPos, const QByteArray& cdtLines);
  void MakeColourSafe();
  void RGBHexListToWebSafe();
  void AppendCustomColours(const CustomColourSlots& customSlots);  // each after an undo step
  void AppendScaleOfActiveColour();
  void CheckColourVision();  // its window is made on first use
  // A list was just read: its first entry is selected and the list is shown.
  void ShowLoadedList();
  // "Inc. Cmpl." is offered while the harmony colours are shown.
  void SetComplementsOffered(bool offered);
  void SelectItem(int row, bool clearOthers);

  ChangeColourNameDialogue* NameDialogue();
  ChangeColourNameDialogue* OpenNameDialogue() const;  // null unless open; never builds it
  AdjustWindow* Adjust() const;
  AdjustColours& Adjuster() const { return *adjuster_; }

 signals:
  void SaveRequested();         // the Save button
  void SaveOptionsRequested();  // the Save button's right mouse button
  void ComplementsWanted();
  void DebugButtonToggleRequested();        // Ctrl+D
  void CalculateControlsToggleRequested();  // Ctrl+E
  // The rename dialog opened or closed: the colour sources wait meanwhile.
  void NameDialogueActive(bool active);
  // The list must be in view (the window shows its advanced panes).
  void InViewRequested();

 private:
  void Build(QGroupBox* pane);
  void BuildMenu(QGroupBox* pane);
  void Connect();
  void ConnectNameDialogue();
  void IndexRequested(bool undoStepFirst, bool complements);
  void InsertSpeedButtonClick();
  void InsertModeSpeedButtonClick();
  void CustomColourListBoxDblClick();
  void CustomColourListBoxKeyDown(QKeyEvent* event, bool* consumed);
  void NameEditSpeedButtonClick();
  void ChangeColourNameOK();
  void ClearAllSpeedButtonClick();
  void UndoLastChangeClick(bool redo);
  void ListMenuPopup();
  void SortCommand(SortKey key);
  void CopyListAsHtmlCommentClick();
  void UpdateCountLabel();
  void SetFileNameHint(const QString& path);
  // The entry with the keyboard focus; -1 when there is none.
  int CurrentItem() const;
  bool ListHoldsData() const;
  // A question about a changed list, with stay-on-top suspended while it is up.
  MessageAnswer AskAboutChanges(const QString& text, bool beep);

  QWidget* window_;
  MadeOnFirstUse<ChangeColourNameDialogue> nameDialogue_;
  std::unique_ptr<AdjustColours> adjuster_;
  ColourListPaneParts parts_;
  ColourListModel& model_;
  bool InsertBelow = false;

  ColourListView* CustomColourListBox = nullptr;
  QLabel* ColourListTotalLabel = nullptr;
  QLabel* FileNameLabel = nullptr;
  QWidget* ListControlPanel = nullptr;
  SpeedButton* InsertModeSpeedButton = nullptr;
  QRadioButton* AddmodeRadioButton = nullptr;
  QRadioButton* InsertModeRadioButton = nullptr;
  QCheckBox* AutoIndexCheckBox = nullptr;
  QCheckBox* IncludeComplimentaryCheckBox = nullptr;
  PopupMenu* ColourListPopupExt = nullptr;
  QAction* DeleteSelectedColoursAction = nullptr;
  QAction* UndoLastChangeAction = nullptr;
  QAction* RedoLastChangeAction = nullptr;
  QAction* AdjustSelectedColoursAction = nullptr;
  std::vector<QAction*> sorts_;  // the five sort commands
  QAction* ConvertListToWebSafeAction = nullptr;
  QAction* GenerateWebSafeListAction = nullptr;
  QAction* CopyListAsHtmlCommentAction = nullptr;
};

}  // namespace tintora
