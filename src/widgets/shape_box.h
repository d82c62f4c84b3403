// A filled rectangle or circle with an optional outline: harmony swatches, hue markers, the
// wheel's centre disc and the web-safe grid lines.
#pragma once

#include "widgets/click_area.h"

namespace tintora {

class ShapeBox : public ClickArea {
  Q_OBJECT
 public:
  enum class Kind { Rectangle, Circle };
  explicit ShapeBox(Kind kind, QWidget* parent = nullptr);

  Rgb8 BrushColour() const { return brush_; }
  void SetBrushColour(Rgb8 colour);
  void SetPen(bool visible, Rgb8 colour);
  bool PenVisible() const { return penVisible_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
  Rgb8 brush_{0xFF, 0xFF, 0xFF};
  Rgb8 pen_;
  bool penVisible_ = true;
};

}  // namespace tintora
