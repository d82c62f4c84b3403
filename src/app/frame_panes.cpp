#include "app/frame_panes.h"

#include <QGroupBox>
#include <QTabBar>
#include <QTabWidget>

#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/window_scroller.h"

namespace tintora {

FramePanes BuildFramePanes(QWidget* frameWindow) {
  FramePanes p;
  p.Scroller = new WindowScroller(frameWindow);
  QWidget* window = p.Scroller->Contents();
  p.ColourSelectGroupBox = Make<QGroupBox>(window, "ColourSelectGroupBox", {}, "Colour Selector");
  p.RGBValuesGroupBox = Make<QGroupBox>(window, "RGBValuesGroupBox", {}, "RGB Values");
  p.ColourViewerGroupBox = Make<QGroupBox>(window, "ColourViewerGroupBox", {}, "Colour Viewer");
  p.ColourListGroupBox = Make<QGroupBox>(window, "ColourListGroupBox", {}, "Colour List");
  p.ExternalColourSourcePanel = Make<QWidget>(window, "ExternalColourSourcePanel");
  // The capture, clipboard, palette and load buttons, each put in by its own room.
  ColumnOn(p.ExternalColourSourcePanel, true)->addStretch(1);
  p.MixerPages = Make<QTabWidget>(window, "PageControl1");
  p.MixerPages->setAccessibleName("Mixers and tools");
  auto page = [&p](const char* name, const char* caption) {
    auto* w = Make<QWidget>(nullptr, name);
    p.MixerPages->addTab(w, caption);
    return w;
  };
  p.RGBTabSheet = page("RGBTabSheet", "RGB Colour Mixer");
  p.CmyTabSheet = page("TabSheet2", "CMY Mixer");
  p.HsTabSheet = page("TabSheet1", "HS... Mixer");
  p.TextColourizerTabSheet = page("TextColourizerTabSheet", "Text Colourizer");
  p.LinksTabSheet = page("LinksTabSheet", "Links");
  // Every tab shows its whole caption: the bar never scrolls, the pages widen instead.
  p.MixerPages->tabBar()->setUsesScrollButtons(false);
  p.MixerPages->tabBar()->setElideMode(Qt::ElideNone);
  p.MixerPages->tabBar()->setExpanding(false);
  p.DonatePanel = Make<QWidget>(window, "DonatePanel");

  // The top row (selector, value, capture buttons) is the basic window; the mixers, viewer and
  // list join it in the advanced one. The window takes the size of what it shows, as far as
  // its screen has room.
  auto* grid = GridOn(window);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  auto* left = new QVBoxLayout;
  left->setContentsMargins(0, 0, 0, 0);
  left->addLayout(Row({p.ColourSelectGroupBox, p.RGBValuesGroupBox, p.ExternalColourSourcePanel}));
  left->addLayout(Row({p.MixerPages, p.ColourViewerGroupBox}), 1);
  grid->addLayout(left, 0, 0);
  grid->addWidget(p.ColourListGroupBox, 0, 1);
  grid->addWidget(p.DonatePanel, 1, 0, 1, 2);

  p.MixerPages->hide();
  p.ColourViewerGroupBox->hide();
  p.ColourListGroupBox->hide();
  p.DonatePanel->hide();
  return p;
}

}  // namespace tintora
