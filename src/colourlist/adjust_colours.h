// "Adjust Selected Colour(s)": the window that turns the hue and moves the saturation and
// vibrance of the selected list colours together, with its preview, Accept (one undo step)
// and Cancel/Close. It follows the list and its selection while it is open.
#pragma once

#include <memory>
#include <vector>

#include <QObject>

#include "core/list/adjust.h"
#include "widgets/made_on_first_use.h"

class QAction;
class QItemSelectionModel;
class QWidget;

namespace tintora {

class ColourListModel;
class ColourSelection;
class Services;
class StayOnTop;
class AdjustWindow;
class PopupMenu;

class AdjustColours : public QObject {
  Q_OBJECT
 public:
  AdjustColours(MadeOnFirstUse<AdjustWindow> window, QWidget* mainWindow, ColourListModel& model,
                QItemSelectionModel& selection, const ColourSelection& webSafe, StayOnTop& onTop,
                Services& services);
  ~AdjustColours() override;

  AdjustWindow* Window();
  PopupMenu* Menu();

  // The colour list's menu item: the window, with its preview.
  void AdjustSelectedColoursClick();
  // Redraws the preview from the list, its selection and the sliders; Accept follows.
  void CreateColourAdjustImage();
  // The selected entries' new values go into the list, as one undo step.
  void AdjustAcceptButtonClick();

 private:
  void ReadSelection();

  MadeOnFirstUse<AdjustWindow> window_;
  QWidget* mainWindow_;
  ColourListModel& model_;
  QItemSelectionModel& selection_;
  const ColourSelection& webSafe_;
  Services& services_;
  PopupMenu* AdjustedColoursPopupExt = nullptr;
  QAction* CopyAdjustedAction = nullptr;
  std::vector<std::size_t> selected_;  // in list order
};

}  // namespace tintora
