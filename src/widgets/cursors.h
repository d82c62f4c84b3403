// The program's own cursors: 1 "EYEDROPPERTOLIST" (picking into the list), 2 "EYEDROPPER",
// 3 "PAINTBUCKET" (setting a sample panel), 4 "RIGHTCLICK". Any other number is the arrow.
#pragma once

#include <QCursor>

namespace tintora {

QCursor CustomCursor(int number);

}  // namespace tintora
