#include "capture/platform/x11/x11_pick_grab.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace tintora {

bool X11PickGrab::Take() {
  constexpr std::uint16_t kCrosshair = 34;  // in the X cursor font, followed by its mask
  const xcb_font_t font = xcb_generate_id(connection_);
  xcb_open_font(connection_, font, 6, "cursor");
  cursor_ = xcb_generate_id(connection_);
  xcb_create_glyph_cursor(connection_, cursor_, font, font, kCrosshair, kCrosshair + 1, 0, 0, 0, 0xFFFF,
                          0xFFFF, 0xFFFF);
  xcb_close_font(connection_, font);
  bool pointer = false, keyboard = false;
  for (int attempt = 0; attempt < 20 && !(pointer && keyboard); ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (!pointer) {
      auto* r = xcb_grab_pointer_reply(
          connection_,
          xcb_grab_pointer(connection_, 0, root_, XCB_EVENT_MASK_BUTTON_PRESS, XCB_GRAB_MODE_ASYNC,
                           XCB_GRAB_MODE_ASYNC, XCB_NONE, cursor_, XCB_CURRENT_TIME),
          nullptr);
      pointer = r && r->status == XCB_GRAB_STATUS_SUCCESS;
      free(r);
    }
    if (!keyboard) {
      auto* r = xcb_grab_keyboard_reply(connection_,
                                        xcb_grab_keyboard(connection_, 0, root_, XCB_CURRENT_TIME,
                                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                        nullptr);
      keyboard = r && r->status == XCB_GRAB_STATUS_SUCCESS;
      free(r);
    }
  }
  held_ = true;
  keySymbols_ = xcb_key_symbols_alloc(connection_);
  if (pointer && keyboard) return true;
  Release();
  return false;
}

void X11PickGrab::Release() {
  xcb_ungrab_pointer(connection_, XCB_CURRENT_TIME);
  xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
  xcb_free_cursor(connection_, cursor_);
  xcb_flush(connection_);
  if (keySymbols_) xcb_key_symbols_free(keySymbols_);
  keySymbols_ = nullptr;
  held_ = false;
}

std::optional<X11PickGrab::Request> X11PickGrab::Handle(const xcb_generic_event_t* event) {
  enum : unsigned { kEscape = 0xFF1B, kReturn = 0xFF0D, kEnter = 0xFF8D, kSpace = 0x20 };
  enum : unsigned { kLeft = 0xFF51, kUp = 0xFF52, kRight = 0xFF53, kDown = 0xFF54 };
  switch (event->response_type & 0x7F) {
    case XCB_BUTTON_PRESS: {
      const auto* press = reinterpret_cast<const xcb_button_press_event_t*>(event);
      if (press->detail == XCB_BUTTON_INDEX_1)
        return Request{Request::Kind::Pick, press->root_x, press->root_y};
      if (press->detail == XCB_BUTTON_INDEX_3) return Request{Request::Kind::Cancel};
      break;
    }
    case XCB_KEY_PRESS: {
      const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
      const unsigned keysym = xcb_key_symbols_get_keysym(keySymbols_, press->detail, 0);
      const int step = (press->state & XCB_MOD_MASK_SHIFT) ? 10 : 1;
      if (keysym == kEscape) return Request{Request::Kind::Cancel};
      if (keysym == kReturn || keysym == kEnter || keysym == kSpace)
        return Request{Request::Kind::Pick, press->root_x, press->root_y};
      if (keysym >= kLeft && keysym <= kDown) {
        const int dx = keysym == kLeft ? -step : keysym == kRight ? step : 0;
        const int dy = keysym == kUp ? -step : keysym == kDown ? step : 0;
        xcb_warp_pointer(connection_, XCB_NONE, XCB_NONE, 0, 0, 0, 0, static_cast<std::int16_t>(dx),
                         static_cast<std::int16_t>(dy));
        xcb_flush(connection_);
      }
      break;
    }
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace tintora
