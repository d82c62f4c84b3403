#include "mixer/colour_viewer.h"

#include <QGroupBox>

#include "core/harmony/harmony.h"
#include "core/settings/settings_values.h"
#include "widgets/click_area.h"
#include "widgets/colour_panel.h"
#include "widgets/colour_selection.h"
#include "widgets/cursors.h"
#include "widgets/guarded.h"
#include "widgets/layouts.h"
#include "widgets/make.h"

namespace tintora {

namespace {
constexpr Rgb8 kSilver{0xC0, 0xC0, 0xC0};
constexpr int kFirstSample = 6;  // Panel6 .. Panel11
constexpr int kPaintBucket = 3;
}  // namespace

ColourViewer::ColourViewer(QGroupBox* pane, ActiveColourHolder& active, ColourSelection& selection)
    : active_(active), selection_(selection), pane_(pane), title_(pane->title()) {
  // The viewer's panels are pictures of a kind: the harmony swatches and the wheel are drawn
  // inside the big one, and the sample page is a little page of fixed parts.
  ColourViewPanel = Make<ColourPanel>(pane, "ColourViewPanel");
  KeepLogicalSize(ColourViewPanel, {104, 41});
  ColourViewPanel->SetBevel(false);
  ColourViewPanel->setFocusPolicy(Qt::TabFocus);
  ColourViewPanel->setAccessibleName("Active colour");
  ColourViewNegPanel = Make<ColourPanel>(pane, "ColourViewNegPanel", "Click to set this colour as active.");
  KeepLogicalSize(ColourViewNegPanel, {38, 30});
  ColourViewNegPanel->SetCaption("INV");
  ViewerPanel = Make<ColourPanel>(pane, "Panel14");
  KeepLogicalSize(ViewerPanel, {38, 30});
  ViewerPanel->SetBevel(false);
  ViewerPanel->setAccessibleName("Colour compare");
  ComparePanel = MakeInPicture<ColourPanel>(ViewerPanel, "Panel15", {3, 3, 32, 24}, "Colour Compare");
  ComparePanel->SetColour({});
  ComparePanel->setCursor(CustomCursor(kPaintBucket));

  // A sample web page: a header, a side bar, and a body with two blocks.
  const struct {
    int number;
    int parent;  // 0: the viewer pane
    QRect geometry;
  } samples[6] = {{6, 0, {0, 0, 104, 62}},  {7, 6, {0, 0, 104, 12}}, {8, 6, {0, 12, 20, 50}},
                  {9, 6, {20, 12, 84, 50}}, {10, 9, {4, 4, 76, 20}}, {11, 9, {4, 28, 76, 18}}};
  for (const auto& s : samples) {
    QWidget* parent = s.parent == 0 ? static_cast<QWidget*>(pane) : samplePanels_[s.parent];
    auto* p = s.parent == 0
                  ? Make<ColourPanel>(parent, QString("Panel%1").arg(s.number))
                  : MakeInPicture<ColourPanel>(parent, QString("Panel%1").arg(s.number), s.geometry);
    if (s.parent == 0) KeepLogicalSize(p, s.geometry.size());
    static const char* const kPart[12] = {"",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "Sample page",
                                          "Sample page header",
                                          "Sample page side bar",
                                          "Sample page body",
                                          "Sample page block 1",
                                          "Sample page block 2"};
    p->setAccessibleName(kPart[s.number]);
    p->SetColour(kSilver);
    p->SetBevel(s.number != kFirstSample);
    p->setCursor(CustomCursor(kPaintBucket));
    samplePanels_[s.number] = p;
  }
  grid_ = GridOn(pane);
  grid_->setRowStretch(3, 1);
  grid_->setColumnStretch(2, 1);
  PlacePanels();
  Connect();
  ShowActiveColour(active_.Value());
}

void ColourViewer::PlacePanels() {
  // With the sample page: the colour over the page, the inverse over the comparison; without
  // it, the colour twice as tall, the comparison over the inverse.
  const bool sample = SampleLayoutShown();
  for (QWidget* w : {static_cast<QWidget*>(ColourViewPanel), static_cast<QWidget*>(ColourViewNegPanel),
                     static_cast<QWidget*>(ViewerPanel), static_cast<QWidget*>(samplePanels_[kFirstSample])})
    grid_->removeWidget(w);
  const Qt::Alignment corner = Qt::AlignLeft | Qt::AlignTop;
  const auto sized = [this](QSize size) {
    return wheelRoom_ ? size.expandedTo(QSize(kWheelPanelSize, kWheelPanelSize)) : size;
  };
  if (sample) {
    KeepLogicalSize(ColourViewPanel, sized({104, 41}));
    grid_->addWidget(ColourViewPanel, 0, 0, corner);
    grid_->addWidget(ColourViewNegPanel, 0, 1, corner);
    grid_->addWidget(samplePanels_[kFirstSample], 1, 0, corner);
    grid_->addWidget(ViewerPanel, 1, 1, corner);
  } else {
    KeepLogicalSize(ColourViewPanel, sized({104, 107}));
    grid_->addWidget(ColourViewPanel, 0, 0, 2, 1, corner);
    grid_->addWidget(ViewerPanel, 0, 1, corner);
    grid_->addWidget(ColourViewNegPanel, 1, 1, Qt::AlignLeft | Qt::AlignBottom);
  }
}

void ColourViewer::PlaceUnder(QWidget* left, QWidget* right) {
  grid_->addWidget(left, 2, 0, Qt::AlignLeft | Qt::AlignTop);
  grid_->addWidget(right, 2, 1, Qt::AlignLeft | Qt::AlignTop);
}

void ColourViewer::Connect() {
  Link(&active_, &ActiveColourHolder::Changed, this,
       [this](const ActiveColour& now, const ActiveColour&) { ShowActiveColour(now); });
  Link(ColourViewPanel, &ColourPanel::MouseMoved, this,
       [this](QPoint) { selection_.ColourSelectorUpdate(active_.Value().Shown()); });
  Link(ColourViewPanel, &ColourPanel::MousePressed, this, [this](Qt::MouseButton b, QPoint) {
    if (b == Qt::RightButton) ColourSelectorPanelReScale();
  });
  Link(ColourViewPanel, &ColourPanel::DoubleClicked, this, [this] { ColourViewPanelDblClick(); });
  Link(ColourViewNegPanel, &ColourPanel::MouseMoved, this,
       [this](QPoint) { selection_.ColourSelectorUpdate(active_.Value().Inverse()); });
  Link(ColourViewNegPanel, &ColourPanel::Clicked, this, [this] { ColourViewNegPanelClick(); });
  for (int n = kFirstSample; n <= 11; ++n) {
    ColourPanel* p = samplePanels_[n];
    Link(p, &ColourPanel::MouseMoved, this,
         [this, p](QPoint) { selection_.ColourSelectorUpdate(p->Colour()); });
    Link(p, &ColourPanel::MousePressed, this,
         [this, p](Qt::MouseButton b, QPoint) { SamplePanelMouseDown(p, b); });
  }
  Link(ComparePanel, &ColourPanel::MousePressed, this,
       [this](Qt::MouseButton b, QPoint) { ComparePanelMouseDown(b); });
}

void ColourViewer::ShowActiveColour(const ActiveColour& c) {
  // The caption "INV" is drawn in the active colour on the inverse.
  ColourViewPanel->SetColour(c.Shown());
  ColourViewNegPanel->SetFontColour(c.Shown());
  ColourViewNegPanel->SetColour(c.Inverse());
}

void ColourViewer::SetWheelRoom(bool wheel) {
  if (wheel == wheelRoom_) return;
  wheelRoom_ = wheel;
  PlacePanels();
}

QWidget* ColourViewer::SwatchHost() const { return ColourViewPanel; }

bool ColourViewer::SampleLayoutShown() const { return !samplePanels_[kFirstSample]->isHidden(); }

void ColourViewer::ColourSelectorPanelReScale() {
  samplePanels_[kFirstSample]->setVisible(!SampleLayoutShown());
  PlacePanels();
  emit LayoutChanged(!SampleLayoutShown());
}

void ColourViewer::ApplySettings(const SettingsValues& v) {
  if (v.large && SampleLayoutShown()) ColourSelectorPanelReScale();
}

void ColourViewer::CollectSettings(SettingsValues& v) const { v.large = !SampleLayoutShown(); }

void ColourViewer::ColourViewPanelDblClick() {
  for (int n = kFirstSample; n <= 11; ++n) samplePanels_[n]->SetColour(kSilver);
}

void ColourViewer::ColourViewNegPanelClick() {
  // The exact inverse: the levels' complement with the offset turned round.
  selection_.ColourSelectorUpdate(active_.Value().Levels().Inverse());
  active_.SetIntensity(-active_.Value().Intensity());
  selection_.SetColourSelection();
}

void ColourViewer::SamplePanelMouseDown(ColourPanel* panel, Qt::MouseButton button) {
  if (button == Qt::LeftButton) panel->SetColour(active_.Value().Shown());
  if (button == Qt::RightButton) {
    selection_.ColourSelectorUpdate(panel->Colour());
    selection_.SetColourSelection({.undoStepFirst = true});
  }
}

void ColourViewer::ComparePanelMouseDown(Qt::MouseButton button) {
  if (button == Qt::LeftButton) ComparePanel->SetColour(active_.Value().Shown());
  if (button == Qt::RightButton) {
    selection_.ColourSelectorUpdate(ComparePanel->Colour());
    selection_.SetColourSelection();
  }
}

void ColourViewer::SetVision(ColourVision vision) {
  ViewAs(pane_, vision);
  if (vision == ColourVision::Normal) {
    pane_->setTitle(title_);
    return;
  }
  // The title says how the pane is shown without widening the window: the deficiency's name
  // whole, with as much of the pane's own name as there is room for; cut only where not even
  // the name fits.
  const int room = pane_->width();
  const QString name =
      QString::fromLatin1(ColourVisionName(vision).data(), static_cast<int>(ColourVisionName(vision).size()));
  for (const QString& title :
       {QString("%1 (%2)").arg(title_, name), QString("Viewer (%1)").arg(name), name}) {
    pane_->setTitle(title);
    if (pane_->minimumSizeHint().width() <= room) return;
  }
  for (int textWidth = pane_->fontMetrics().horizontalAdvance(name);
       pane_->minimumSizeHint().width() > room && textWidth > 0;) {
    textWidth -= pane_->fontMetrics().averageCharWidth();
    pane_->setTitle(pane_->fontMetrics().elidedText(name, Qt::ElideRight, textWidth));
  }
}

}  // namespace tintora
