// Stay-on-top: the mode, the windows that follow it, and its suspension while a menu, a
// message box or an option window is up (a topmost main window would cover them). Suspensions
// count: a box inside a suspended load keeps the main window down until both are over.
#pragma once

#include <vector>

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace tintora {

class PopupMenu;

// Sets or clears a window's stay-on-top style, keeping it shown if it was.
void ApplyStayOnTop(QWidget* window, bool on);

class StayOnTop : public QObject {
  Q_OBJECT
 public:
  explicit StayOnTop(QWidget* mainWindow);

  bool OnTopState() const { return onTopState_; }
  bool OnTopSuspended() const { return onTopState_ && suspensions_ > 0; }
  // A suspension each; prefer OnTopSuspension where the suspension ends with a scope. Restoring
  // more often than suspending is harmless.
  void SuspendOnTop() { ++suspensions_; }
  void RestoreOnTop() {
    if (suspensions_ > 0) --suspensions_;
  }

  // A window that takes the mode with the main window. `inFrontByRight`: while it is the
  // active window the main window does not push itself above it.
  void Follow(QWidget* window, bool inFrontByRight);
  // Switches the mode on the main window and every follower.
  void OnTopToggler();
  // Whether `active` is one of the windows that may stand in front of the main window.
  bool InFrontByRight(const QWidget* active) const;

  void BeforePopUp() { SuspendOnTop(); }
  void AfterPopUp() { RestoreOnTop(); }

 signals:
  void Toggled(bool on);

 private:
  QWidget* main_;
  std::vector<QPointer<QWidget>> followers_;
  std::vector<QPointer<QWidget>> inFront_;
  bool onTopState_ = false;
  int suspensions_ = 0;
};

// Suspends stay-on-top for its lifetime (nothing when there is no StayOnTop).
class OnTopSuspension {
 public:
  explicit OnTopSuspension(StayOnTop* onTop) : onTop_(onTop) {
    if (onTop_) onTop_->SuspendOnTop();
  }
  explicit OnTopSuspension(StayOnTop& onTop) : OnTopSuspension(&onTop) {}
  ~OnTopSuspension() {
    if (onTop_) onTop_->RestoreOnTop();
  }
  OnTopSuspension(const OnTopSuspension&) = delete;
  OnTopSuspension& operator=(const OnTopSuspension&) = delete;

 private:
  StayOnTop* onTop_;
};

// A popup menu whose showing suspends stay-on-top.
PopupMenu* MakePopup(QWidget* parent, const char* name, StayOnTop& onTop);

}  // namespace tintora
