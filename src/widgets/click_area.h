// A widget that reports mouse presses, releases, moves, clicks and double clicks with their
// buttons, the way the original controls' handlers received them.
#pragma once

#include <QFrame>

namespace tintora {

class ClickArea : public QFrame {
  Q_OBJECT
 public:
  explicit ClickArea(QWidget* parent = nullptr);

 protected:
  // Draws the style's focus frame while the area has the keyboard focus (a panel the keyboard
  // can reach must show that it has it).
  void PaintFocusFrame(QPainter& painter) const;

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
  // Space and Enter click an area the keyboard has reached.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool pressedInside_ = false;
};

}  // namespace tintora
