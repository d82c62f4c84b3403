#include "widgets/when_first_drawn.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "widgets/guarded.h"

namespace tintora {

namespace {

// Lives on the window until the work has run.
class FirstExposeWatch : public QObject {
 public:
  FirstExposeWatch(QWidget* window, std::function<void()> work, std::chrono::milliseconds latest)
      : QObject(window), work_(std::move(work)) {
    if (QWindow* handle = window->windowHandle()) handle->installEventFilter(this);
    QTimer::singleShot(latest, this, [this] { Run(); });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    // Queued: the expose is answered with the first paint, which comes first.
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
      QTimer::singleShot(0, this, [this] { Run(); });
    return false;
  }

 private:
  void Run() {
    if (!work_) return;
    const std::function<void()> work = std::exchange(work_, nullptr);
    deleteLater();
    Guarded(work);
  }

  std::function<void()> work_;
};

}  // namespace

void WhenFirstDrawn(QWidget* window, std::function<void()> work, std::chrono::milliseconds latest) {
  new FirstExposeWatch(window, std::move(work), latest);
}

}  // namespace tintora
