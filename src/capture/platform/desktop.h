// The screen and the global hot key of the desktop the program runs on.
#pragma once

#include <memory>

#include "capture/platform/global_hot_key.h"
#include "capture/platform/screen_access.h"

namespace tintora {

class Desktop {
 public:
  ScreenAccess& Screen() { return screen_; }
  // Made on first use, once the application (and its window system connection) exists.
  GlobalHotKey& HotKey() {
    if (!hotKey_) hotKey_ = MakeGlobalHotKey();
    return *hotKey_;
  }

 private:
  QtScreenAccess screen_;
  std::unique_ptr<GlobalHotKey> hotKey_;
};

}  // namespace tintora
