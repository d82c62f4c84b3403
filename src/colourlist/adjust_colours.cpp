#include "colourlist/adjust_colours.h"

#include <algorithm>

#include <QItemSelectionModel>

#include "colourlist/adjust_window.h"
#include "widgets/centre.h"
#include "widgets/colour_list_model.h"
#include "widgets/colour_selection.h"
#include "widgets/guarded.h"
#include "widgets/popup_ext.h"
#include "widgets/services.h"
#include "widgets/stay_on_top.h"

namespace tintora {

namespace {
// The tallest picture the copy puts on the clipboard (about 1,870 entries).
constexpr int kPictureHeight = 32760;
}  // namespace

AdjustColours::AdjustColours(MadeOnFirstUse<AdjustWindow> window, QWidget* mainWindow, ColourListModel& model,
                             QItemSelectionModel& selection, const ColourSelection& webSafe, StayOnTop& onTop,
                             Services& services)
    : window_(std::move(window)),
      mainWindow_(mainWindow),
      model_(model),
      selection_(selection),
      webSafe_(webSafe),
      services_(services) {
  window_.OnMade([this, &onTop](AdjustWindow& w) {
    onTop.Follow(&w, true);
    AdjustedColoursPopupExt = MakePopup(&w, "AdjustedColoursPopupExt", onTop);
    CopyAdjustedAction = AdjustedColoursPopupExt->AddItem("CopyToClipboard2", "Copy To Clipboard");
    Link(CopyAdjustedAction, &QAction::triggered, this,
         [this](bool) { services_.SetClipboardImage(window_->Preview().Picture(kPictureHeight)); });
    Link(&w.Preview(), &AdjustPreview::MenuRequested, this,
         [this](QPoint at) { AdjustedColoursPopupExt->Popup(at); });
    Link(&w, &AdjustWindow::SlidersMoved, this, [this] { CreateColourAdjustImage(); });
    Link(&w, &AdjustWindow::AcceptClicked, this, [this] { AdjustAcceptButtonClick(); });
    Link(&w, &AdjustWindow::CancelClicked, this, [this] {
      window_->ResetSliders();
      window_->close();
    });
    Link(&w, &AdjustWindow::Closed, this, [this] { window_->Preview().SetCells(0, {}); });
  });

  // While the window is open, whatever changes the list or its selection changes the preview.
  auto follow = [this] {
    if (window_.Visible()) {
      ReadSelection();
      CreateColourAdjustImage();
    }
  };
  for (auto change : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(&model_, change, this, [follow] { Guarded(follow); });
  connect(&model_, &QAbstractItemModel::rowsMoved, this, [follow] { Guarded(follow); });
  connect(&model_, &QAbstractItemModel::modelReset, this, [follow] { Guarded(follow); });
  connect(&model_, &QAbstractItemModel::dataChanged, this, [follow] { Guarded(follow); });
  connect(&selection_, &QItemSelectionModel::selectionChanged, this, [follow] { Guarded(follow); });
  connect(&webSafe_, &ColourSelection::WebSafeOnlyChanged, this, [follow] { Guarded(follow); });
}

AdjustColours::~AdjustColours() = default;

AdjustWindow* AdjustColours::Window() { return window_.get(); }

PopupMenu* AdjustColours::Menu() {
  window_.get();  // the menu is the window's
  return AdjustedColoursPopupExt;
}

void AdjustColours::AdjustSelectedColoursClick() {
  if (!window_->isVisible()) window_->move(CentreOver(mainWindow_->frameGeometry(), window_->size()));
  window_->show();
  window_->raise();
  ReadSelection();
  CreateColourAdjustImage();
}

void AdjustColours::ReadSelection() {
  selected_.clear();
  for (const QModelIndex& i : selection_.selectedRows())
    if (i.row() < static_cast<int>(model_.List().Count()))
      selected_.push_back(static_cast<std::size_t>(i.row()));
  std::sort(selected_.begin(), selected_.end());
}

void AdjustColours::CreateColourAdjustImage() {
  const Adjustment a = window_->Sliders();
  window_->SetAcceptEnabled(!selected_.empty() && !a.IsNone());
  const bool webSafe = webSafe_.WebSafeOnly();
  // Each cell is worked out as it is painted, from the same list, selection and sliders that
  // Accept reads, so what Accept writes is what the preview shows.
  window_->Preview().SetCells(selected_.size(), [this, a, webSafe](std::size_t k) {
    return AdjustEntry(model_.List(), selected_[k], a, webSafe);
  });
}

void AdjustColours::AdjustAcceptButtonClick() {
  ReadSelection();
  const Adjustment a = window_->Sliders();
  if (selected_.empty() || a.IsNone()) return;
  model_.StoreUndo();
  std::vector<ColourEntry> after = AdjustedEntries(model_.List(), selected_, a);
  model_.ChangeValues([&after](ColourList& list) { list.Replace(std::move(after)); });
  window_->ResetSliders();
  CreateColourAdjustImage();
  if (!model_.List().Empty()) model_.SetListChanged(true);
}

}  // namespace tintora
