#include "widgets/colour_drag.h"

#include <QApplication>
#include <QColor>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "core/colour/css_colour.h"

namespace tintora {

namespace {
std::function<void(QMimeData*)>& DragHook() {
  static std::function<void(QMimeData*)> hook;
  return hook;
}

QColor QColorOf(Rgb8 c) { return QColor(c.red, c.green, c.blue); }
}  // namespace

QMimeData* ColourMimeData(const std::vector<Rgb8>& colours) {
  auto* mime = new QMimeData;
  if (colours.empty()) return mime;
  mime->setColorData(QColorOf(colours.front()));
  QStringList texts;
  for (Rgb8 c : colours) texts << "#" + QString::fromStdString(c.Hex());
  mime->setText(texts.join('\n'));
  return mime;
}

std::optional<Rgb8> ColourOfMimeData(const QMimeData* mime) {
  if (!mime) return std::nullopt;
  if (mime->hasColor()) {
    const QColor c = qvariant_cast<QColor>(mime->colorData()).toRgb();
    if (c.isValid())
      return Rgb8{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                  static_cast<std::uint8_t>(c.blue())};
  }
  if (mime->hasText()) {
    // Text of a few colours, or a page of prose, is not one colour.
    const QString text = mime->text().trimmed();
    if (text.size() > 200) return std::nullopt;
    if (const CssColourReading read = ReadCssColour(text.toStdString())) return read.colour;
  }
  return std::nullopt;
}

ColourDragSource::ColourDragSource(QWidget* source, std::function<Rgb8()> colourOf)
    : QObject(source), colourOf_(std::move(colourOf)) {
  source->installEventFilter(this);
}

void ColourDragSource::SetDragHook(std::function<void(QMimeData*)> hook) { DragHook() = std::move(hook); }

bool ColourDragSource::eventFilter(QObject* watched, QEvent* event) {
  auto* source = static_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      pressed_ = mouse->button() == Qt::LeftButton;
      pressedAt_ = mouse->position().toPoint();
      break;
    }
    case QEvent::MouseButtonRelease:
      pressed_ = false;
      break;
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (!pressed_ || !(mouse->buttons() & Qt::LeftButton) ||
          (mouse->position().toPoint() - pressedAt_).manhattanLength() < QApplication::startDragDistance())
        break;
      pressed_ = false;
      const Rgb8 colour = colourOf_();
      QMimeData* mime = ColourMimeData({colour});
      if (DragHook()) {
        DragHook()(mime);
        delete mime;
        return true;
      }
      // The pointer carries a small swatch of the colour.
      QPixmap swatch(24, 24);
      swatch.fill(QColorOf(colour));
      QPainter(&swatch).drawRect(0, 0, 23, 23);
      auto* drag = new QDrag(source);
      drag->setMimeData(mime);
      drag->setPixmap(swatch);
      drag->exec(Qt::CopyAction);
      return true;
    }
    default:
      break;
  }
  return false;
}

}  // namespace tintora
