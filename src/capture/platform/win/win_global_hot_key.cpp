// The hot key on Windows: RegisterHotKey on a message-only window; WM_HOTKEY reaches the
// native event filter. Identifier -1, as the program always used.
#include <windows.h>
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include "capture/platform/backends.h"

namespace tintora {

namespace {

constexpr int kHotKeyId = -1;

class WinGlobalHotKey final : public GlobalHotKey, public QAbstractNativeEventFilter {
 public:
  WinGlobalHotKey() {
    window_ = CreateWindowExW(0, L"STATIC", L"TintoraHotKey", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                              nullptr);
    QCoreApplication::instance()->installNativeEventFilter(this);
  }
  ~WinGlobalHotKey() override {
    Unregister();
    QCoreApplication::instance()->removeNativeEventFilter(this);
    if (window_) DestroyWindow(window_);
  }
  bool CanGrabHotKey() const override { return window_ != nullptr; }
  bool Register(unsigned modifiers, unsigned virtualKey) override {
    if (!window_) return false;
    if (held_ && modifiers == modifiers_ && virtualKey == virtualKey_) return true;
    Unregister();
    modifiers_ = modifiers;
    virtualKey_ = virtualKey;
    if (virtualKey == 0) return false;
    held_ = RegisterHotKey(window_, kHotKeyId, modifiers, virtualKey) != 0;
    return held_;
  }
  void Unregister() override {
    if (held_) UnregisterHotKey(window_, kHotKeyId);
    held_ = false;
  }
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "windows_generic_MSG") return false;
    auto* msg = static_cast<MSG*>(message);
    if (msg->hwnd != window_ || msg->message != WM_HOTKEY || static_cast<int>(msg->wParam) != kHotKeyId)
      return false;
    Pressed();
    return true;
  }

 private:
  HWND window_ = nullptr;
  bool held_ = false;
  unsigned modifiers_ = 0, virtualKey_ = 0;
};

}  // namespace

std::unique_ptr<GlobalHotKey> MakeNativeGlobalHotKey() { return std::make_unique<WinGlobalHotKey>(); }

}  // namespace tintora
