// The hot key on X11: the key is grabbed on the root window for the chosen modifiers, four
// times (plain, with NumLock, with CapsLock, with both) so the lock keys do not get in the way;
// a native event filter hears the press.
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>

#include "capture/platform/backends.h"
#include "core/capture/hot_key.h"

namespace tintora {

namespace {

// X keysyms of the offered Windows virtual keys: F1..F24 are 0xFFBE.., the keypad digits 0xFFB0..
unsigned KeysymOf(unsigned virtualKey) {
  if (virtualKey >= 0x70 && virtualKey <= 0x87) return 0xFFBE + (virtualKey - 0x70);
  if (virtualKey >= 0x60 && virtualKey <= 0x69) return 0xFFB0 + (virtualKey - 0x60);
  return 0;
}

constexpr std::uint16_t kLockMasks[4] = {0, XCB_MOD_MASK_2 /* NumLock */, XCB_MOD_MASK_LOCK,
                                         XCB_MOD_MASK_2 | XCB_MOD_MASK_LOCK};

class X11GlobalHotKey final : public GlobalHotKey, public QAbstractNativeEventFilter {
 public:
  X11GlobalHotKey() {
    if (QGuiApplication::platformName() != "xcb") return;  // offscreen, Wayland: no X to talk to
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    connection_ = x11->connection();
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    symbols_ = xcb_key_symbols_alloc(connection_);
    QCoreApplication::instance()->installNativeEventFilter(this);
  }
  ~X11GlobalHotKey() override {
    if (!connection_) return;
    Unregister();
    QCoreApplication::instance()->removeNativeEventFilter(this);
    xcb_key_symbols_free(symbols_);
  }

  bool CanGrabHotKey() const override { return connection_ != nullptr; }

  bool Register(unsigned modifiers, unsigned virtualKey) override {
    if (!connection_) return false;
    if (held_ && modifiers == modifiers_ && virtualKey == virtualKey_) return true;
    Unregister();
    modifiers_ = modifiers;
    virtualKey_ = virtualKey;
    const unsigned keysym = KeysymOf(virtualKey);
    if (keysym == 0) return false;
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols_, keysym);
    if (!codes) return false;
    keycode_ = codes[0];
    free(codes);
    if (keycode_ == XCB_NO_SYMBOL) return false;
    mask_ = XMask(modifiers);
    bool ok = true;
    for (std::uint16_t lock : kLockMasks) {
      xcb_void_cookie_t cookie =
          xcb_grab_key_checked(connection_, 1, root_, static_cast<std::uint16_t>(mask_ | lock), keycode_,
                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
      // BadAccess: another program holds this combination.
      if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
        free(error);
        ok = false;
      }
    }
    held_ = true;  // release what we did get when the choice changes
    return ok;
  }

  void Unregister() override {
    if (!connection_ || !held_) return;
    for (std::uint16_t lock : kLockMasks)
      xcb_ungrab_key(connection_, keycode_, root_, static_cast<std::uint16_t>(mask_ | lock));
    xcb_flush(connection_);
    held_ = false;
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (!held_ || type != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS) return false;
    auto* press = reinterpret_cast<xcb_key_press_event_t*>(event);
    const std::uint16_t relevant = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
    if (press->detail != keycode_ || (press->state & relevant) != mask_) return false;
    Pressed();
    return true;
  }

 private:
  static std::uint16_t XMask(unsigned modifiers) {
    std::uint16_t m = 0;
    if (modifiers & kModShift) m |= XCB_MOD_MASK_SHIFT;
    if (modifiers & kModCtrl) m |= XCB_MOD_MASK_CONTROL;
    if (modifiers & kModAlt) m |= XCB_MOD_MASK_1;
    return m;
  }

  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = 0;
  xcb_key_symbols_t* symbols_ = nullptr;
  bool held_ = false;
  unsigned modifiers_ = 0, virtualKey_ = 0;
  xcb_keycode_t keycode_ = 0;
  std::uint16_t mask_ = 0;
};

}  // namespace

std::unique_ptr<GlobalHotKey> MakeNativeGlobalHotKey() { return std::make_unique<X11GlobalHotKey>(); }

}  // namespace tintora
