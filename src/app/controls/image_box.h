// A picture the program draws into pixel by pixel (palettes, strips, wheel, zoom view) or a
// glyph that reacts to clicks (the frame icons).
#pragma once

#include <QImage>
#include <QWidget>

namespace tintora {

class ImageBox : public QWidget {
  Q_OBJECT
 public:
  explicit ImageBox(const QString& name, QWidget* parent = nullptr);

  // The picture itself; call update() after drawing into it.
  QImage& Picture() { return picture_; }
  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& image);
  // Scale the picture to the widget instead of drawing it at its own size.
  void SetStretch(bool on);
  // The colour value of a pixel of the picture; -1 outside it.
  int PixelColour(int x, int y) const;

 signals:
  void MousePressed(Qt::MouseButton button, QPoint pos);
  void MouseReleased(Qt::MouseButton button, QPoint pos);
  void MouseMoved(QPoint pos);
  void Clicked();
  void DoubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  bool stretch_ = false;
  bool pressedInside_ = false;
};

}  // namespace tintora
