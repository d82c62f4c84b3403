#include "mixer/colour_viewer.h"

#include <QGroupBox>

#include "settings/settings_values.h"
#include "widgets/colour_panel.h"
#include "widgets/colour_selection.h"
#include "widgets/cursors.h"
#include "widgets/guarded.h"
#include "widgets/make.h"

namespace tintora {

namespace {
constexpr int kSilver = 0xC0C0C0;
constexpr int kFirstSample = 6;  // Panel6 .. Panel11
constexpr int kPaintBucket = 3;
}  // namespace

ColourViewer::ColourViewer(QGroupBox* pane, ActiveColourHolder& active, ColourSelection& selection)
    : active_(active), selection_(selection) {
  ColourViewPanel = Make<ColourPanel>(pane, "ColourViewPanel", {8, 20, 104, 41});
  ColourViewPanel->SetBevel(false);
  ColourViewNegPanel =
      Make<ColourPanel>(pane, "ColourViewNegPanel", {116, 20, 38, 30}, "Click to set this colour as active.");
  ColourViewNegPanel->SetCaption("INV");
  Panel14 = Make<ColourPanel>(pane, "Panel14", {116, 54, 38, 30});
  Panel14->SetBevel(false);
  Panel15 = Make<ColourPanel>(Panel14, "Panel15", {3, 3, 32, 24}, "Colour Compare");
  Panel15->SetColour(0);
  Panel15->setCursor(CustomCursor(kPaintBucket));

  // A sample web page: a header, a side bar, and a body with two blocks.
  const struct {
    int number;
    int parent;  // 0: the viewer pane
    QRect geometry;
  } samples[6] = {{6, 0, {8, 65, 104, 62}}, {7, 6, {0, 0, 104, 12}}, {8, 6, {0, 12, 20, 50}},
                  {9, 6, {20, 12, 84, 50}}, {10, 9, {4, 4, 76, 20}}, {11, 9, {4, 28, 76, 18}}};
  for (const auto& s : samples) {
    QWidget* parent = s.parent == 0 ? static_cast<QWidget*>(pane) : samplePanels_[s.parent];
    auto* p = Make<ColourPanel>(parent, QString("Panel%1").arg(s.number), s.geometry);
    p->SetColour(kSilver);
    p->SetBevel(s.number != kFirstSample);
    p->setCursor(CustomCursor(kPaintBucket));
    samplePanels_[s.number] = p;
  }
  Connect();
  ShowActiveColour(active_.Value());
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
  Link(Panel15, &ColourPanel::MousePressed, this, [this](Qt::MouseButton b, QPoint) { Panel15MouseDown(b); });
}

void ColourViewer::ShowActiveColour(const ActiveColour& c) {
  // The caption "INV" is drawn in the active colour on the inverse.
  ColourViewPanel->SetColour(c.Shown());
  ColourViewNegPanel->SetFontColour(c.Shown());
  ColourViewNegPanel->SetColour(c.Inverse());
}

QWidget* ColourViewer::SwatchHost() const { return ColourViewPanel; }

bool ColourViewer::SampleLayoutShown() const { return !samplePanels_[kFirstSample]->isHidden(); }

void ColourViewer::ColourSelectorPanelReScale() {
  if (!SampleLayoutShown()) {
    samplePanels_[kFirstSample]->show();
    ColourViewNegPanel->move(ColourViewNegPanel->x(), 20);
    ColourViewPanel->resize(ColourViewPanel->width(), 41);
  } else {
    samplePanels_[kFirstSample]->hide();
    ColourViewPanel->resize(ColourViewPanel->width(), 107);
    ColourViewNegPanel->move(ColourViewNegPanel->x(), 86);
  }
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
  selection_.ColourSelectorUpdate(kMaxColourValue - active_.Value().Levels());
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

void ColourViewer::Panel15MouseDown(Qt::MouseButton button) {
  if (button == Qt::LeftButton) Panel15->SetColour(active_.Value().Shown());
  if (button == Qt::RightButton) {
    selection_.ColourSelectorUpdate(Panel15->Colour());
    selection_.SetColourSelection();
  }
}

}  // namespace tintora
