// A key combination that reaches the program wherever the keyboard focus is. One interface,
// one backend per desktop (X11, the desktop portal, Windows, none).
#pragma once

#include <functional>
#include <memory>

namespace tintora {

class GlobalHotKey {
 public:
  virtual ~GlobalHotKey() = default;
  // False when this desktop gives programs no global keys (Wayland, offscreen, unknown systems).
  virtual bool CanGrabHotKey() const = 0;
  // Makes this the one combination: the previous one is released first. `modifiers` are the
  // flags 4 Shift, 2 Ctrl, 1 Alt; `virtualKey` a Windows virtual-key code (0: no key, nothing
  // is held). Registering the combination already held costs nothing. False when another
  // program holds the combination or there is no hot key support.
  virtual bool Register(unsigned modifiers, unsigned virtualKey) = 0;
  // Releases the combination held, if any.
  virtual void Unregister() = 0;
  // Called on the GUI thread whenever the combination is pressed.
  void SetHandler(std::function<void()> handler) { handler_ = std::move(handler); }
  // Called on the GUI thread when CanGrabHotKey's answer changes (a desktop portal answers
  // some time after start).
  void SetAvailabilityHandler(std::function<void()> handler) { availability_ = std::move(handler); }

 protected:
  void Pressed() {
    if (handler_) handler_();
  }
  void AvailabilityChanged() {
    if (availability_) availability_();
  }

 private:
  std::function<void()> handler_;
  std::function<void()> availability_;
};

}  // namespace tintora
