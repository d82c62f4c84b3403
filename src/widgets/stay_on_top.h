// Stay-on-top: the mode, the windows that follow it, and its suspension while a menu, a
// message box or an option window is up (a topmost main window would cover them). The
// suspension is one level deep, not a counter.
#pragma once

#include <vector>

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace tintora {

class TPopupExt;

// Sets or clears a window's stay-on-top style, keeping it shown if it was.
void ApplyStayOnTop(QWidget* window, bool on);

class StayOnTop : public QObject {
  Q_OBJECT
 public:
  explicit StayOnTop(QWidget* mainWindow);

  bool OnTopState() const { return onTopState_; }
  bool OnTopSuspended() const { return onTopSuspended_; }
  void SuspendOnTop() { onTopSuspended_ = onTopState_; }
  void RestoreOnTop() { onTopSuspended_ = false; }

  // A window that takes the mode with the main window. `inFrontByRight`: while it is the
  // active window the main window does not push itself above it.
  void Follow(QWidget* window, bool inFrontByRight);
  // A window that keeps the suspension for as long as it is open, even after the menu that
  // opened it has closed.
  void KeepSuspendedWhileOpen(QWidget* window);

  // Switches the mode on the main window and every follower.
  void OnTopToggler();
  // Whether `active` is one of the windows that may stand in front of the main window.
  bool InFrontByRight(const QWidget* active) const;

  void BeforePopUp() { SuspendOnTop(); }
  void AfterPopUp();

 signals:
  void Toggled(bool on);

 private:
  QWidget* main_;
  std::vector<QPointer<QWidget>> followers_;
  std::vector<QPointer<QWidget>> inFront_;
  std::vector<QPointer<QWidget>> optionWindows_;
  bool onTopState_ = false;
  bool onTopSuspended_ = false;
};

// A popup menu whose showing suspends stay-on-top.
TPopupExt* MakePopup(QWidget* parent, const char* name, StayOnTop& onTop);

}  // namespace tintora
