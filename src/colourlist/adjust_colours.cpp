#include "colourlist/adjust_colours.h"

#include <algorithm>

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "colourlist/tform6.h"
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

AdjustColours::AdjustColours(std::unique_ptr<TForm6> window, QWidget* mainWindow, ColourListModel& model,
                             QItemSelectionModel& selection, const ColourSelection& webSafe, StayOnTop& onTop,
                             Services& services)
    : window_(std::move(window)),
      mainWindow_(mainWindow),
      model_(model),
      selection_(selection),
      webSafe_(webSafe),
      services_(services) {
  TForm6* w = window_.get();
  onTop.Follow(w, true);
  AdjustedColoursPopupExt = MakePopup(w, "AdjustedColoursPopupExt", onTop);
  CopyToClipboard2 = AdjustedColoursPopupExt->AddItem("CopyToClipboard2", "Copy To Clipboard");
  Link(CopyToClipboard2, &QAction::triggered, this,
       [this](bool) { services_.SetClipboardImage(window_->PaletteImage->Picture(kPictureHeight)); });
  Link(w->PaletteImage, &AdjustPreview::MenuRequested, this,
       [this](QPoint at) { AdjustedColoursPopupExt->Popup(at); });

  Link(w->HueTrackBar, &QSlider::valueChanged, this, [this](int v) {
    CreateColourAdjustImage();
    window_->HueEdit->setText(QString("+%1").arg(v) + QChar(0xB0));
  });
  Link(w->SaturationTrackBar, &QSlider::valueChanged, this, [this](int v) {
    CreateColourAdjustImage();
    window_->SaturationEdit->setText(QString::fromStdString(AdjustPercentText(v)));
  });
  Link(w->IntensityTrackBar3, &QSlider::valueChanged, this, [this](int v) {
    CreateColourAdjustImage();
    window_->Intensity3Edit->setText(QString::fromStdString(AdjustPercentText(v)));
  });
  Link(w->AdjustAcceptButton, &QPushButton::clicked, this, [this](bool) { AdjustAcceptButtonClick(); });
  Link(w->AdjustCancelButton, &QPushButton::clicked, this, [this](bool) {
    SlidersToZero();
    window_->close();
  });
  Link(w, &TForm6::Closed, this, [this] { window_->PaletteImage->SetCells(0, {}); });

  // While the window is open, whatever changes the list or its selection changes the preview.
  auto follow = [this] {
    if (window_->isVisible()) {
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

void AdjustColours::AdjustSelectedColours1Click() {
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
  window_->AdjustAcceptButton->setEnabled(!selected_.empty() && !a.IsNone());
  const bool webSafe = webSafe_.WebSafeOnly();
  // Each cell is worked out as it is painted, from the same list, selection and sliders that
  // Accept reads, so what Accept writes is what the preview shows.
  window_->PaletteImage->SetCells(selected_.size(), [this, a, webSafe](std::size_t k) {
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
  SlidersToZero();
  CreateColourAdjustImage();
  if (!model_.List().Empty()) model_.SetListChanged(true);
}

void AdjustColours::SlidersToZero() {
  for (QSlider* s : {window_->HueTrackBar, window_->SaturationTrackBar, window_->IntensityTrackBar3})
    s->setValue(0);
}

}  // namespace tintora
