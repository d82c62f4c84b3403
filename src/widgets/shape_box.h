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

  int BrushColour() const { return brush_; }
  void SetBrushColour(int colourValue);
  void SetPen(bool visible, int colourValue);
  bool PenVisible() const { return penVisible_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
  int brush_ = 0xFFFFFF;
  int pen_ = 0;
  bool penVisible_ = true;
};

}  // namespace tintora
