// The screen and the global hot key of the desktop the program runs on.
#pragma once

#include <memory>

#include "capture/platform/global_hot_key.h"
#include "capture/platform/screen_access.h"

namespace tintora {

class Desktop {
 public:
  // Both made on first use, once the application (and its window system connection) exists.
  ScreenAccess& Screen() {
    if (!screen_) screen_ = MakeScreenAccess();
    return *screen_;
  }
  GlobalHotKey& HotKey() {
    if (!hotKey_) hotKey_ = MakeGlobalHotKey();
    return *hotKey_;
  }

 private:
  std::unique_ptr<ScreenAccess> screen_;
  std::unique_ptr<GlobalHotKey> hotKey_;
};

}  // namespace tintora
