// The Menu key and Shift+F10 act as a right click on the focused control, so every command that
// lives in a right-click menu, or on a right click, is reachable without a mouse.
#pragma once

#include <QObject>

class QWidget;

namespace tintora {

class KeyboardMenus : public QObject {
  Q_OBJECT
 public:
  // Listens to the keys of `window` and of the windows it owns.
  explicit KeyboardMenus(QWidget* window);

  // What a right click on the middle of `target` does: its menu, or its right-click action.
  static void RightClick(QWidget* target);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
};

}  // namespace tintora
