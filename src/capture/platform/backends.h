// The makers of each desktop backend; Desktop picks among them at start. A maker for a
// backend this build lacks is not declared here at all, so the choice is made at compile time
// as well as at start.
#pragma once

#include <memory>

#include "capture/platform/global_hot_key.h"
#include "capture/platform/screen_access.h"

namespace tintora {

// The hot key of the window system the build targets: the root-window grab on X11 (it holds
// nothing unless Qt runs on xcb), RegisterHotKey on Windows, none elsewhere.
std::unique_ptr<GlobalHotKey> MakeNativeGlobalHotKey();
// A hot key that never holds anything.
std::unique_ptr<GlobalHotKey> MakeNoGlobalHotKey();

// A screen nothing can be read from.
std::unique_ptr<ScreenAccess> MakeNoScreenAccess();

#ifdef TINTORA_HAVE_X11
// The X server named by DISPLAY, on a connection of its own; nullptr when it cannot be reached.
std::unique_ptr<ScreenAccess> MakeX11ScreenAccess();
#endif

#ifdef TINTORA_HAVE_PORTAL
// Whether xdg-desktop-portal's screenshot portal answers on the session bus, with a colour
// picker (version 2 or later).
bool PortalAnswers();
std::unique_ptr<ScreenAccess> MakePortalScreenAccess();
std::unique_ptr<GlobalHotKey> MakePortalGlobalHotKey();
#endif

}  // namespace tintora
