#include "widgets/colour_selection.h"

#include "core/colour/websafe.h"

namespace tintora {

ColourSelection::ColourSelection(ActiveColourHolder& active, QObject* parent)
    : QObject(parent), active_(active) {}

void ColourSelection::ColourSelectorUpdate(long long c) {
  if (c < 0 || c > kMaxColourValue) return;
  Take(webSafeOnly_ ? ConvertDecimalToWebSafe(static_cast<int>(c)) : static_cast<int>(c));
}

void ColourSelection::Take(int colourValue) {
  if (colourValue == colour_) return;
  colour_ = colourValue;
  emit Changed(colour_);
}

void ColourSelection::SetColourSelection(const Commit& commit) {
  active_.SetRgb(RedOf(colour_), GreenOf(colour_), BlueOf(colour_));
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
