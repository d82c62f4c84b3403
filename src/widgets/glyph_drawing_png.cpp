#include <map>
#include <tuple>

#include <QHash>
#include <QImage>
#include <QPainter>

#include "widgets/glyph_drawing.h"

namespace tintora {

void DrawGlyph(QPainter& painter, const QString& file, const QRectF& target) {
  // ":/glyphs/name.svg" was drawn at eight times its size into ":/glyphs/name.png" when the
  // program was built; each size asked for is scaled from it once, by area, and kept.
  static auto* pictures = new QHash<QString, QImage>;  // lives as long as the program
  static auto* scaled = new std::map<std::tuple<QString, int, int>, QImage>;
  QImage& picture = (*pictures)[file];
  if (picture.isNull()) picture = QImage(QString(file).replace(".svg", ".png"));
  const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const QSize device = (painter.transform().mapRect(target).size() * ratio).toSize();
  const auto key = std::tuple(file, device.width(), device.height());
  auto found = scaled->find(key);
  if (found == scaled->end())
    found =
        scaled->emplace(key, picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)).first;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, found->second);
}

}  // namespace tintora
