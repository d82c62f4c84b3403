// A coloured panel with an optional centred caption: the swatches, caption panels, previews
// and sample-page panels of the main window.
#pragma once

#include "widgets/click_area.h"

namespace tintora {

class ColourPanel : public ClickArea {
  Q_OBJECT
 public:
  explicit ColourPanel(QWidget* parent = nullptr);

  Rgb8 Colour() const { return colour_; }
  void SetColour(Rgb8 colour);
  Rgb8 FontColour() const { return fontColour_; }
  void SetFontColour(Rgb8 colour);
  // Follow the palette (system colours) instead of fixed colours.
  void UseSystemColours(bool on);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  void SetBevel(bool raised);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Describe();

  Rgb8 colour_{0xC0, 0xC0, 0xC0};
  Rgb8 fontColour_;
  bool systemColours_ = false;
  QString caption_;
};

// "#RRGGBB", as a screen reader reads a colour picture.
QString ColourDescription(Rgb8 colour);

QColor ToQColor(Rgb8 colour);
Rgb8 FromQColor(const QColor& colour);

}  // namespace tintora
