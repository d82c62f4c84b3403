// Saving the colour list, as the rooms that must offer it before they clear, convert or close
// ask for it. The list files room answers.
#pragma once

#include <QString>

namespace tintora {

enum class SaveOutcome { Saved, Exported, Cancelled, Failed, NothingToSave };

class ListSaver {
 public:
  virtual ~ListSaver() = default;
  // The save dialog (with this title, or the usual one when empty), then the save dispatch.
  virtual SaveOutcome SaveAsExecute(const QString& title = {}) = 0;
};

}  // namespace tintora
