// The colour list's undo and redo: the whole list as it was before each change, newest last.
// Each step packs the entries into one buffer (their bytes and the lengths), so a step of a
// 100,000-entry list costs about its text, a few megabytes, not a heap block per string. The
// steps together are bounded twice: at most `maxSteps` of them, and at most `byteBudget`
// bytes; past either, the oldest undo steps go first. The step just taken always stays, so a
// list larger than the budget can still undo its last change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/list/colour_list.h"

namespace tintora {

class UndoHistory {
 public:
  static constexpr std::size_t kMaxSteps = 200;
  static constexpr std::size_t kByteBudget = std::size_t{64} << 20;

  explicit UndoHistory(std::size_t maxSteps = kMaxSteps, std::size_t byteBudget = kByteBudget)
      : maxSteps_(maxSteps == 0 ? 1 : maxSteps), byteBudget_(byteBudget) {}

  // The list as it was before a change; the steps that could be redone are gone.
  void Record(const std::vector<ColourEntry>& before);
  // The list to go back to, or nothing when there is no step; `current` becomes a redo step.
  // Steps that equal `current` (a change that changed nothing) are passed over.
  std::optional<std::vector<ColourEntry>> Undo(const std::vector<ColourEntry>& current);
  // The list an undo left, or nothing; `current` becomes an undo step again.
  std::optional<std::vector<ColourEntry>> Redo(const std::vector<ColourEntry>& current);
  void Clear();

  std::size_t UndoSteps() const { return undo_.size(); }
  std::size_t RedoSteps() const { return redo_.size(); }
  // The bytes the steps hold, as the budget counts them.
  std::size_t BytesHeld() const { return bytes_; }

 private:
  struct Step {
    std::string text;                  // every name and value, back to back
    std::vector<std::uint32_t> sizes;  // name, value, name, value ... lengths
    std::size_t Bytes() const { return text.size() + sizes.size() * sizeof(std::uint32_t) + sizeof(Step); }
  };
  static Step Pack(const std::vector<ColourEntry>& entries);
  static std::vector<ColourEntry> Unpack(const Step& step);
  static bool Same(const Step& step, const std::vector<ColourEntry>& entries);
  void Push(std::vector<Step>& steps, Step step);
  Step Pop(std::vector<Step>& steps);
  void Trim();

  std::size_t maxSteps_;
  std::size_t byteBudget_;
  std::vector<Step> undo_;  // oldest first
  std::vector<Step> redo_;  // the next redo last
  std::size_t bytes_ = 0;
};

}  // namespace tintora
