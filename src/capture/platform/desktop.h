// The screen and the global hot key of the desktop the program runs on, from one backend
// chosen once at start.
#pragma once

#include <memory>

#include "capture/platform/global_hot_key.h"
#include "capture/platform/screen_access.h"
#include "core/capture/screen_backend.h"

namespace tintora {

class Desktop {
 public:
  Desktop();
  ~Desktop();
  // Chosen on first use, once the application (and its window system connection) exists:
  // from the platform Qt runs on and TINTORA_SCREEN.
  ScreenBackend Backend();
  ScreenAccess& Screen();
  GlobalHotKey& HotKey();

 private:
  void Choose();

  bool chosen_ = false;
  ScreenBackend backend_ = ScreenBackend::None;
  std::unique_ptr<ScreenAccess> screen_;
  std::unique_ptr<GlobalHotKey> hotKey_;
};

}  // namespace tintora
