#include "app/controls/colour_panel.h"

#include <QPainter>

namespace tintora {

QColor ToQColor(int c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
int FromQColor(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

ColourPanel::ColourPanel(const QString& name, QWidget* parent) : ClickArea(name, parent) { SetBevel(true); }

void ColourPanel::SetColour(int c) {
  if (c == colour_ && !systemColours_) return;
  colour_ = c;
  systemColours_ = false;
  update();
}

void ColourPanel::SetFontColour(int c) {
  if (c == fontColour_) return;
  fontColour_ = c;
  update();
}

void ColourPanel::UseSystemColours(bool on) {
  if (systemColours_ == on) return;
  systemColours_ = on;
  update();
}

void ColourPanel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void ColourPanel::SetBevel(bool raised) {
  setFrameStyle(raised ? (QFrame::Panel | QFrame::Raised) : (QFrame::Panel | QFrame::Sunken));
  setLineWidth(1);
}

void ColourPanel::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    p.fillRect(rect(), systemColours_ ? palette().color(QPalette::Button) : ToQColor(colour_));
    if (!caption_.isEmpty()) {
      p.setPen(systemColours_ ? palette().color(QPalette::ButtonText) : ToQColor(fontColour_));
      p.drawText(rect(), Qt::AlignCenter, caption_);
    }
  }
  QFrame::paintEvent(event);
}

}  // namespace tintora
