// A coloured panel with an optional centred caption: the swatches, caption panels, previews
// and sample-page panels of the main window. Colours are colour values (red in the low byte).
#pragma once

#include "widgets/click_area.h"

namespace tintora {

class ColourPanel : public ClickArea {
  Q_OBJECT
 public:
  explicit ColourPanel(QWidget* parent = nullptr);

  int Colour() const { return colour_; }
  void SetColour(int colourValue);
  int FontColour() const { return fontColour_; }
  void SetFontColour(int colourValue);
  // Follow the palette (system colours) instead of fixed colours.
  void UseSystemColours(bool on);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  void SetBevel(bool raised);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Describe();

  int colour_ = 0xC0C0C0;
  int fontColour_ = 0;
  bool systemColours_ = false;
  QString caption_;
};

// "#RRGGBB" of a colour value, as a screen reader reads a colour picture.
QString ColourDescription(int colourValue);

// QColor of a colour value.
QColor ToQColor(int colourValue);
int FromQColor(const QColor& colour);

}  // namespace tintora
