// Which way the program reads the screen and holds its hot key, and the plain rules of the
// desktop portal's answers, free of Qt and of D-Bus.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/colour/rgb8.h"

namespace tintora {

enum class ScreenBackend {
  X11,     // the X server read straight, the hot key grabbed on the root window
  Portal,  // a Wayland desktop: one colour or one picture per request, through xdg-desktop-portal
  Qt,      // Qt's own screen grab (Windows and the rest)
  None,    // nothing can be read
};

// The backend for this run. `platform` is Qt's platform name ("xcb", "wayland", ...),
// `override` the value of TINTORA_SCREEN ("x11", "portal" or "none"; anything else is
// ignored), `x11Built` whether this build has the X11 backend. `portalAnswers` is asked only
// on a Wayland session that no override settles.
ScreenBackend ChooseScreenBackend(std::string_view platform, std::string_view override, bool x11Built,
                                  const std::function<bool()>& portalAnswers);

// The name the About box gives it.
const char* ScreenBackendName(ScreenBackend backend);

// How a portal request ended, from the response code of its Response signal.
enum class PortalOutcome { Done, Cancelled, Failed };
PortalOutcome PortalOutcomeOf(unsigned responseCode);

// The object path a portal request with this handle token will have, for a caller whose
// unique bus name is `uniqueName` (":1.42" gives "1_42").
std::string PortalRequestPath(std::string_view uniqueName, std::string_view token);

// The portal's colour, three components 0..1; components outside the range (or not numbers)
// are clamped.
Rgb8 PortalColour(double red, double green, double blue);

// The trigger the global shortcuts portal is asked for, in the freedesktop shortcut form
// ("SHIFT+CTRL+ALT+F8", "KP_5"): `modifiers` 4 Shift, 2 Ctrl, 1 Alt, `virtualKey` one of the
// hot-key menu's codes. Empty for a key the menu does not offer.
std::string PortalTrigger(unsigned modifiers, unsigned virtualKey);

// Whether a picture the portal wrote may be deleted once read: only a file inside the
// temporary folder `tempFolder` (never the folder itself, nor a path that climbs out of it
// with "..").
bool IsPortalScratchFile(std::string_view path, std::string_view tempFolder);

}  // namespace tintora
