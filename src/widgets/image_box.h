// A picture the program draws into pixel by pixel (palettes, strips, wheel, zoom view) or a
// glyph that reacts to clicks (the frame icons).
#pragma once

#include <QImage>
#include "widgets/click_area.h"

namespace tintora {

class ImageBox : public ClickArea {
  Q_OBJECT
 public:
  explicit ImageBox(QWidget* parent = nullptr);

  // The picture itself; call update() after drawing into it.
  QImage& Picture() { return picture_; }
  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& image);
  // What is shown in place of the picture, drawn at the screen's density (a smooth rendering of
  // it); the picture stays what PixelColour reads. A null image shows the picture itself.
  void SetDisplay(const QImage& display);

  // A drawing (SVG) instead of a picture: a glyph, drawn sharp at the screen's density and
  // as large as the style's small icons.
  void SetGlyph(const QString& file);
  const QString& Glyph() const { return glyph_; }
  QSize sizeHint() const override;
  // Scale the picture to the widget instead of drawing it at its own size.
  void SetStretch(bool on);
  // A gradient (a palette, a strip): on a screen of more than one device pixel per logical one it
  // is drawn through, each device pixel blending its neighbours, instead of in blocks.
  void SetGradient(bool on) { gradient_ = on; }
  // The colour of a pixel of the picture; nothing outside it.
  std::optional<Rgb8> PixelColour(int x, int y) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  QImage display_;
  QString glyph_;
  bool stretch_ = false;
  bool gradient_ = false;
};

}  // namespace tintora
