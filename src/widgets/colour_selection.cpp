#include "widgets/colour_selection.h"

#include "core/colour/websafe.h"

namespace tintora {

ColourSelection::ColourSelection(ActiveColourHolder& active, QObject* parent)
    : QObject(parent), active_(active) {}

void ColourSelection::ColourSelectorUpdate(Rgb8 colour) {
  Take(webSafeOnly_ ? WebSafeColour(colour) : colour);
}

void ColourSelection::Take(Rgb8 colour) {
  if (colour == colour_) return;
  colour_ = colour;
  emit Changed(colour_);
}

void ColourSelection::SetColourSelection(const Commit& commit) {
  active_.SetRgb(colour_.red, colour_.green, colour_.blue);
  const bool index =
      commit.index == Commit::Index::Always || (commit.index == Commit::Index::AsChecked && autoIndex_);
  if (index) emit IndexRequested(commit.undoStepFirst, commit.complements);
  if (commit.copyValue) emit CopyRequested();
}

void ColourSelection::RestoreActiveColour(int red, int green, int blue) {
  active_.SetRgb(red, green, blue);
  ColourSelectorUpdate(active_.Value().Shown());
}

}  // namespace tintora
