// A secondary window built the first time it is wanted, not at start: most sessions never open
// most of them, and every window built before the main one shows is time the user waits
// through. The room that shows it owns it as before; what it connects to the window is said
// once (OnMade) and done when the window is made.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tintora {

template <class Window>
class MadeOnFirstUse {
 public:
  using Maker = std::function<std::unique_ptr<Window>()>;

  MadeOnFirstUse() = default;
  explicit MadeOnFirstUse(Maker make) : make_(std::move(make)) {}

  // Runs `wire` on the window when it is made (at once, if it already is).
  void OnMade(std::function<void(Window&)> wire) {
    if (window_) wire(*window_);
    wires_.push_back(std::move(wire));
  }

  // The window, made now if it was not yet.
  Window* get() {
    if (!window_) {
      window_ = make_();
      for (const auto& wire : wires_) wire(*window_);
    }
    return window_.get();
  }
  Window* operator->() { return get(); }

  // The window if it has been made, else null; asking does not make it.
  Window* IfMade() const { return window_.get(); }
  bool Visible() const { return window_ && window_->isVisible(); }

 private:
  Maker make_;
  std::vector<std::function<void(Window&)>> wires_;
  std::unique_ptr<Window> window_;
};

}  // namespace tintora
