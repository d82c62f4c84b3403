// The harmony colours as sources: pointing at them and picking them from the swatches and the
// wheel, and indexing them into the list.
#include "harmony/harmony_colours.h"

#include <QAction>

#include "core/colour/websafe.h"
#include "core/harmony/harmony.h"
#include "core/harmony/wheel.h"
#include "harmony/wheel_options_window.h"
#include "widgets/colour_selection.h"
#include "widgets/cursors.h"
#include "widgets/guarded.h"
#include "widgets/image_box.h"
#include "widgets/settings_store.h"
#include "widgets/shape_box.h"
#include "widgets/stay_on_top.h"

namespace tintora {

// ---------------------------------------------------------------- picking and indexing

void HarmonyColours::PointAt(Rgb8 colour, QWidget* source) {
  source->setCursor(CustomCursor(selection_.SourceCursor()));
  selection_.ColourSelectorUpdate(colour);
}

void HarmonyColours::IndexComplimentary(Rgb8 colour) {
  // The active colour comes back exactly as it was: its levels, not the shown value (which
  // carries the intensity offset and could be snapped by web-safe retrieval).
  const ActiveColour saved = active_.Value();
  selection_.ColourSelectorUpdate(colour);
  selection_.SetColourSelection({.index = Commit::Index::Always, .complements = !indexingComplements_});
  selection_.RestoreActiveColour(saved.Red(), saved.Green(), saved.Blue());
}

void HarmonyColours::IndexComplements() {
  if (!ShowingComplements() || indexingComplements_) return;
  // Taken before any is indexed: indexing moves the active colour to each in turn.
  std::vector<Rgb8> colours;
  if (!schemes_[5]->isChecked()) {
    colours.push_back(swatches_[0]->BrushColour());
    if (!schemes_[0]->isChecked()) colours.push_back(ComplementWebSafe(swatches_[1]->BrushColour()));
    if (schemes_[4]->isChecked()) colours.push_back(ComplementWebSafe(swatches_[2]->BrushColour()));
  } else {
    for (int offset : WheelIndexOffsets(CurrentOptions().divisions))
      colours.push_back(ComplementWebSafe(HarmonyColour(offset)));
  }
  indexingComplements_ = true;
  Guarded([&] {
    for (Rgb8 c : colours) IndexComplimentary(c);
  });
  indexingComplements_ = false;
  ComplimentaryColDisplay();
}

void HarmonyColours::ShapeMouseDown(ShapeBox* shape, Qt::MouseButton button) {
  if (button == Qt::LeftButton) {
    selection_.ColourSelectorUpdate(shape->BrushColour());
    selection_.SetColourSelection();
  } else {
    IndexComplimentary(shape->BrushColour());
  }
}

void HarmonyColours::WheelImageMouseMove(QPoint pos) {
  const std::optional<Rgb8> pixel = WheelImage->PixelColour(pos.x(), pos.y());
  const bool colour = pixel && !IsWheelChrome(*pixel);
  if (colour) selection_.ColourSelectorUpdate(*pixel);
  WheelImage->setCursor(colour && *pixel != ActiveShown() ? CustomCursor(selection_.SourceCursor())
                                                          : QCursor(Qt::ArrowCursor));
}

void HarmonyColours::WheelImageMouseDown(Qt::MouseButton button, QPoint pos) {
  const std::optional<Rgb8> pixel = WheelImage->PixelColour(pos.x(), pos.y());
  if (button == Qt::LeftButton) {
    if (pixel == ActiveShown()) return;
    WheelImage->setCursor(CustomCursor(selection_.SourceCursor()));
    if (pixel && !IsWheelChrome(*pixel)) selection_.ColourSelectorUpdate(*pixel);
    selection_.SetColourSelection({.copyValue = true});
  } else if (button == Qt::RightButton) {
    if (pixel && *pixel != kWheelBackgroundColour && *pixel != Rgb8{} && *pixel != kWheelOutlineColour &&
        *pixel != ActiveShown()) {
      IndexComplimentary(*pixel);
    } else {
      emit ViewerRescaleRequested();
    }
  }
}

void HarmonyColours::WheelCenterShapeMouseDown(Qt::MouseButton button) {
  if (button == Qt::RightButton) {
    emit ViewerRescaleRequested();
    return;
  }
  selection_.ColourSelectorUpdate(WheelCenterShape->BrushColour());
  selection_.SetColourSelection({.copyValue = true});
}

}  // namespace tintora
