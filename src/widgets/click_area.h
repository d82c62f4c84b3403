// A widget that reports mouse presses, releases, moves, clicks and double clicks with their
// buttons, the way the original controls' handlers received them.
#pragma once

#include <QFrame>

#include "core/colour/colour_vision.h"

namespace tintora {

class ClickArea : public QFrame {
  Q_OBJECT
 public:
  explicit ClickArea(QWidget* parent = nullptr);

  // How the area draws its colours: as someone with a colour-vision deficiency sees them. The
  // colours it holds, reports and describes stay the real ones.
  void SetVision(ColourVision vision);
  ColourVision Vision() const { return vision_; }

 protected:
  // Draws the style's focus frame while the area has the keyboard focus (a panel the keyboard
  // can reach must show that it has it).
  void PaintFocusFrame(QPainter& painter) const;
  // A colour value, and a picture, as drawn in the area's vision.
  QColor Seen(Rgb8 colour) const;
  QImage Seen(const QImage& picture) const;

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
  ColourVision vision_ = ColourVision::Normal;
};

// Every area in `root` (and `root` itself) drawn in that vision.
void ViewAs(QWidget* root, ColourVision vision);

}  // namespace tintora
