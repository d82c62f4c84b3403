// The "Colour Viewer" pane: the active colour and its inverse, the comparison swatch and a
// sample web page layout to try colours on (hidden for a large viewer).
#pragma once

#include <QObject>

#include "core/colour/colour_vision.h"
#include "widgets/active_colour_holder.h"

class QGridLayout;
class QGroupBox;
class QWidget;

namespace tintora {

class ColourPanel;
class ColourSelection;
struct SettingsValues;

class ColourViewer : public QObject {
  Q_OBJECT
 public:
  ColourViewer(QGroupBox* pane, ActiveColourHolder& active, ColourSelection& selection);

  // Shows or hides the sample page; the viewer grows into its place when it is hidden.
  void ColourSelectorPanelReScale();
  // The sample page back to silver.
  void ColourViewPanelDblClick();
  bool SampleLayoutShown() const;
  // The settings file's "Large": the viewer enlarged, the sample page hidden.
  void ApplySettings(const SettingsValues& values);
  void CollectSettings(SettingsValues& values) const;
  // Where the harmony room lays out its swatches and wheel.
  QWidget* SwatchHost() const;
  // Room for the harmony colours' wheel: the colour panel kWheelPanelSize square while it shows.
  void SetWheelRoom(bool wheel);
  // Widgets of another room in the row under the panels (the harmony colours' caption).
  void PlaceUnder(QWidget* left, QWidget* right);
  // The whole pane drawn as seen with a colour-vision deficiency ("View as" on the Links page);
  // its title says so.
  void SetVision(ColourVision vision);

 signals:
  // The viewer changed size (large: the sample page is hidden).
  void LayoutChanged(bool large);

 private:
  void Connect();
  void PlacePanels();
  void ShowActiveColour(const ActiveColour& colour);
  void ColourViewNegPanelClick();
  void SamplePanelMouseDown(ColourPanel* panel, Qt::MouseButton button);
  void ComparePanelMouseDown(Qt::MouseButton button);

  ActiveColourHolder& active_;
  ColourSelection& selection_;
  QGroupBox* pane_;
  QString title_;

  ColourPanel* ColourViewPanel = nullptr;
  ColourPanel* ColourViewNegPanel = nullptr;
  ColourPanel* ViewerPanel = nullptr;
  ColourPanel* ComparePanel = nullptr;
  ColourPanel* samplePanels_[12] = {};  // Panel6 .. Panel11
  QGridLayout* grid_ = nullptr;
  bool wheelRoom_ = false;
};

}  // namespace tintora
