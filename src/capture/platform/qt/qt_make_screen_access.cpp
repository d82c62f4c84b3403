// Builds without an X11 backend read the screen through Qt alone.
#include "capture/platform/screen_access.h"

namespace tintora {

std::unique_ptr<ScreenAccess> MakeScreenAccess() { return std::make_unique<QtScreenAccess>(); }

}  // namespace tintora
