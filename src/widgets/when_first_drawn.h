// Work that the first picture of a window should not wait for: run once the window system
// has shown and drawn the window, not before.
#pragma once

#include <chrono>
#include <functional>

class QWidget;

namespace tintora {

// Runs `work` once, just after the first expose of `window` (which must have been shown), so
// that it neither holds back the mapping nor the first paint; or at `latest` if no expose has
// come by then (a window started minimised is never drawn, yet still wants its work done).
void WhenFirstDrawn(QWidget* window, std::function<void()> work,
                    std::chrono::milliseconds latest = std::chrono::seconds(1));

}  // namespace tintora
