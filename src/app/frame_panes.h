// The main window's panes: built once, empty, in basic mode; each room builds its controls
// into the ones it is handed.
#pragma once

class QGroupBox;
class QTabWidget;
class QWidget;

namespace tintora {
class WindowScroller;
}

namespace tintora {

// The panes the other rooms build their controls into.
struct FramePanes {
  // What holds all of them, scrolling should the screen be too small.
  WindowScroller* Scroller = nullptr;
  QGroupBox* ColourSelectGroupBox = nullptr;
  QGroupBox* RGBValuesGroupBox = nullptr;
  QWidget* ExternalColourSourcePanel = nullptr;
  QTabWidget* MixerPages = nullptr;
  QWidget* RGBTabSheet = nullptr;
  QWidget* CmyTabSheet = nullptr;
  QWidget* HsTabSheet = nullptr;
  QWidget* TextColourizerTabSheet = nullptr;
  QWidget* LinksTabSheet = nullptr;
  QGroupBox* ColourViewerGroupBox = nullptr;
  QGroupBox* ColourListGroupBox = nullptr;
  QWidget* DonatePanel = nullptr;
};

// Builds the panes into the main window, in basic mode (only the top row shown).
FramePanes BuildFramePanes(QWidget* window);

}  // namespace tintora
