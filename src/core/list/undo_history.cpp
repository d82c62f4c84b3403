#include "core/list/undo_history.h"

#include <string_view>
#include <utility>

namespace tintora {

UndoHistory::Step UndoHistory::Pack(const std::vector<ColourEntry>& entries) {
  Step step;
  std::size_t total = 0;
  for (const ColourEntry& e : entries) total += e.name.size() + e.value.size();
  step.text.reserve(total);
  step.sizes.reserve(entries.size() * 2);
  for (const ColourEntry& e : entries) {
    step.text += e.name;
    step.text += e.value;
    step.sizes.push_back(static_cast<std::uint32_t>(e.name.size()));
    step.sizes.push_back(static_cast<std::uint32_t>(e.value.size()));
  }
  return step;
}

std::vector<ColourEntry> UndoHistory::Unpack(const Step& step) {
  std::vector<ColourEntry> entries;
  entries.reserve(step.sizes.size() / 2);
  std::size_t at = 0;
  for (std::size_t i = 0; i + 1 < step.sizes.size(); i += 2) {
    ColourEntry& e = entries.emplace_back();
    e.name.assign(step.text, at, step.sizes[i]);
    at += step.sizes[i];
    e.value.assign(step.text, at, step.sizes[i + 1]);
    at += step.sizes[i + 1];
  }
  return entries;
}

bool UndoHistory::Same(const Step& step, const std::vector<ColourEntry>& entries) {
  if (step.sizes.size() != entries.size() * 2) return false;
  std::string_view text = step.text;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const ColourEntry& e = entries[i];
    if (step.sizes[2 * i] != e.name.size() || step.sizes[2 * i + 1] != e.value.size()) return false;
    if (text.substr(0, e.name.size()) != e.name) return false;
    text.remove_prefix(e.name.size());
    if (text.substr(0, e.value.size()) != e.value) return false;
    text.remove_prefix(e.value.size());
  }
  return true;
}

void UndoHistory::Push(std::vector<Step>& steps, Step step) {
  bytes_ += step.Bytes();
  steps.push_back(std::move(step));
}

UndoHistory::Step UndoHistory::Pop(std::vector<Step>& steps) {
  Step step = std::move(steps.back());
  steps.pop_back();
  bytes_ -= step.Bytes();
  return step;
}

void UndoHistory::Trim() {
  // The oldest undo steps go; a redo step only goes when no undo step is left but the newest.
  while (undo_.size() + redo_.size() > 1 &&
         (undo_.size() + redo_.size() > maxSteps_ || bytes_ > byteBudget_)) {
    if (undo_.size() > 1 || (undo_.size() == 1 && redo_.empty())) {
      bytes_ -= undo_.front().Bytes();
      undo_.erase(undo_.begin());
    } else {
      bytes_ -= redo_.front().Bytes();
      redo_.erase(redo_.begin());
    }
  }
}

void UndoHistory::Record(const std::vector<ColourEntry>& before) {
  while (!redo_.empty()) Pop(redo_);
  Push(undo_, Pack(before));
  Trim();
}

std::optional<std::vector<ColourEntry>> UndoHistory::Undo(const std::vector<ColourEntry>& current) {
  while (!undo_.empty() && Same(undo_.back(), current)) Pop(undo_);
  if (undo_.empty()) return std::nullopt;
  std::vector<ColourEntry> back = Unpack(Pop(undo_));
  Push(redo_, Pack(current));
  Trim();
  return back;
}

std::optional<std::vector<ColourEntry>> UndoHistory::Redo(const std::vector<ColourEntry>& current) {
  if (redo_.empty()) return std::nullopt;
  std::vector<ColourEntry> forward = Unpack(Pop(redo_));
  Push(undo_, Pack(current));
  Trim();
  return forward;
}

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
  bytes_ = 0;
}

}  // namespace tintora
