// A widget that reports mouse presses, releases, moves, clicks and double clicks with their
// buttons, the way the original controls' handlers received them.
#pragma once

#include <QFrame>

namespace tintora {

class ClickArea : public QFrame {
  Q_OBJECT
 public:
  explicit ClickArea(QWidget* parent = nullptr);

 signals:
  void MousePressed(Qt::MouseButton button, QPoint pos);
  void MouseReleased(Qt::MouseButton button, QPoint pos);
  void MouseMoved(QPoint pos);
  void Clicked();
  void DoubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  bool pressedInside_ = false;
};

}  // namespace tintora
