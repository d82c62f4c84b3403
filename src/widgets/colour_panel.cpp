#include "widgets/colour_panel.h"

#include <QPainter>

namespace tintora {

QColor ToQColor(Rgb8 c) { return QColor(c.red, c.green, c.blue); }
Rgb8 FromQColor(const QColor& c) {
  return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
          static_cast<std::uint8_t>(c.blue())};
}

ColourPanel::ColourPanel(QWidget* parent) : ClickArea(parent) {
  SetBevel(true);
  Describe();
}

QString ColourDescription(Rgb8 c) { return "#" + QString::fromStdString(c.Hex()); }

void ColourPanel::Describe() {
  // What a screen reader says the panel shows: its colour, or its caption where it has no colour
  // of its own.
  setAccessibleDescription(systemColours_ ? caption_ : ColourDescription(colour_));
}

void ColourPanel::SetColour(Rgb8 c) {
  if (c == colour_ && !systemColours_) return;
  colour_ = c;
  systemColours_ = false;
  Describe();
  update();
}

void ColourPanel::SetFontColour(Rgb8 c) {
  if (c == fontColour_) return;
  fontColour_ = c;
  update();
}

void ColourPanel::UseSystemColours(bool on) {
  if (systemColours_ == on) return;
  systemColours_ = on;
  Describe();
  update();
}

void ColourPanel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Describe();
  update();
}

void ColourPanel::SetBevel(bool raised) {
  setFrameStyle(raised ? (QFrame::Panel | QFrame::Raised) : (QFrame::Panel | QFrame::Sunken));
  setLineWidth(1);
}

void ColourPanel::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    p.fillRect(rect(), systemColours_ ? palette().color(QPalette::Button) : Seen(colour_));
    if (!caption_.isEmpty()) {
      p.setPen(systemColours_ ? palette().color(QPalette::ButtonText) : Seen(fontColour_));
      p.drawText(rect(), Qt::AlignCenter, caption_);
    }
    PaintFocusFrame(p);
  }
  QFrame::paintEvent(event);
}

}  // namespace tintora
