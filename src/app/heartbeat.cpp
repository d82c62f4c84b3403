#include "app/heartbeat.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "widgets/guarded.h"

namespace tintora {

Heartbeat::Heartbeat(QObject* owner, std::function<void()> tick, std::function<bool()> needed)
    // The timer is the owner's own child, made after this object, so it outlives the filter
    // while the owner's children go.
    : QObject(owner), timer_(new QTimer(owner)), needed_(std::move(needed)) {
  timer_->setObjectName("Timer1");
  timer_->setInterval(50);
  connect(timer_, &QTimer::timeout, this, [tick = std::move(tick)] { Guarded(tick); });
  timer_->start();
  // Input and windows coming and going are what give the heartbeat work; watching them is
  // what lets it rest in between.
  QCoreApplication::instance()->installEventFilter(this);
}

void Heartbeat::Wake() {
  if (!timer_->isActive()) timer_->start();
}

void Heartbeat::RestUnlessNeeded() {
  if (!needed_()) timer_->stop();
}

bool Heartbeat::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::WindowStateChange:
    case QEvent::FocusIn:
      Wake();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tintora
