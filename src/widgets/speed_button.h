// A flat button that tells which mouse button went down and came up on it: several of the
// program's buttons do one thing on the left button and another on the right.
#pragma once

#include <QToolButton>

namespace tintora {

class SpeedButton : public QToolButton {
  Q_OBJECT
 public:
  explicit SpeedButton(QWidget* parent = nullptr);
  // The button's drawing (an SVG resource).
  void SetGlyph(const QString& file);
  // The right button's click, for the keyboard's menu key.
  void RightClick();

 signals:
  void MouseDown(Qt::MouseButton button);
  void MouseUp(Qt::MouseButton button);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool mouseClick_ = false;  // the click now being reported came from the mouse
};

}  // namespace tintora
