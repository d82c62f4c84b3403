// The main window's 50 ms heartbeat (the QTimer "Timer1"), which rests while it has nothing to
// do: after each tick it stops unless `needed` says a step has work, and it starts again on
// any input or window shown, hidden or activated, or when a room asks (Wake).
#pragma once

#include <functional>

#include <QObject>

class QTimer;

namespace tintora {

class Heartbeat : public QObject {
 public:
  Heartbeat(QObject* owner, std::function<void()> tick, std::function<bool()> needed);

  void Wake();
  // The end of a tick: the timer stops unless a step still has work.
  void RestUnlessNeeded();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTimer* timer_;
  std::function<bool()> needed_;
};

}  // namespace tintora
