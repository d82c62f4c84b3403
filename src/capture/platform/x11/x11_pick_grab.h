// The crosshair pick's hold on the X server: the pointer and the keyboard grabbed with a
// crosshair cursor, and what each click or key pressed meanwhile asks for.
#pragma once

#include <optional>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace tintora {

class X11PickGrab {
 public:
  X11PickGrab(xcb_connection_t* connection, xcb_window_t root) : connection_(connection), root_(root) {}

  // Both grabs, tried for a second (the key or click that started the pick may still hold one
  // for a moment); false, with nothing held, when either cannot be had.
  bool Take();
  void Release();
  bool Held() const { return held_; }

  // What an event asks of the pick: the pixel at a root position (a left click, Enter or
  // Space), or giving up (Escape, a right click). The arrow keys move the pointer here, a device
  // pixel at a time (ten with Shift), and ask nothing.
  struct Request {
    enum class Kind { Pick, Cancel } kind;
    int x = 0, y = 0;
  };
  std::optional<Request> Handle(const xcb_generic_event_t* event);

 private:
  xcb_connection_t* connection_;
  xcb_window_t root_;
  bool held_ = false;
  xcb_cursor_t cursor_ = 0;
  xcb_key_symbols_t* keySymbols_ = nullptr;
};

}  // namespace tintora
