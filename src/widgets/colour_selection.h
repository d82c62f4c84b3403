// The colour selector's colour. Every source outside the mixers (capture, palettes, tray, list,
// wheel, sample page, screen shot, colour dialog) shows its colour here first
// (ColourSelectorUpdate) and commits it as the active colour (SetColourSelection); the colour
// list indexes it when "Auto-Index" is on.
#pragma once

#include <QObject>

#include "widgets/active_colour_holder.h"

namespace tintora {

// How SetColourSelection goes on once the colour is active.
struct Commit {
  enum class Index { AsChecked, Always, Never };
  Index index = Index::AsChecked;  // AsChecked: only with "Auto-Index" on
  bool undoStepFirst = false;      // an undo step of the list before an auto-index
  bool complements = true;         // "Inc. Cmpl." may index the harmony colours with it
  bool copyValue = false;          // CopyValueToClip afterwards
};

class ColourSelection : public QObject {
  Q_OBJECT
 public:
  explicit ColourSelection(ActiveColourHolder& active, QObject* parent = nullptr);

  Rgb8 Colour() const { return colour_; }
  const ActiveColour& Active() const { return active_.Value(); }

  // Shows a colour in the selector, snapped to the web-safe palette while "Retrieve All as
  // Websafe" is on.
  void ColourSelectorUpdate(Rgb8 colour);
  // Shows a colour exactly as given, web-safe option or not (the colour dialog's choice).
  void Take(Rgb8 colour);
  // Makes the selector's colour the active colour.
  void SetColourSelection(const Commit& commit = {});
  // Puts levels back without indexing, and shows the shown colour in the selector again.
  void RestoreActiveColour(int red, int green, int blue);

  bool WebSafeOnly() const { return webSafeOnly_; }
  void SetWebSafeOnly(bool on) {
    if (on == webSafeOnly_) return;
    webSafeOnly_ = on;
    emit WebSafeOnlyChanged(on);
  }
  // Mirrors the colour list's "Auto-Index" check box.
  bool AutoIndex() const { return autoIndex_; }
  void SetAutoIndex(bool on) { autoIndex_ = on; }
  // The cursor over colour sources: 1 (into the list) with auto-index on, else 2.
  int SourceCursor() const { return autoIndex_ ? 1 : 2; }

 signals:
  void Changed(Rgb8 colour);
  // The colour list adds the active colour.
  void IndexRequested(bool undoStepFirst, bool complements);
  void CopyRequested();
  // "Retrieve All as Websafe" was switched.
  void WebSafeOnlyChanged(bool on);

 private:
  ActiveColourHolder& active_;
  Rgb8 colour_;
  bool webSafeOnly_ = false;
  bool autoIndex_ = false;
};

}  // namespace tintora
