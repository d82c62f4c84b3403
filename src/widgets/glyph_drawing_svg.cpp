#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include "widgets/glyph_drawing.h"

namespace tintora {

void DrawGlyph(QPainter& painter, const QString& file, const QRectF& target) {
  // Each drawing is read once and kept: glyphs are painted often, and parsing is the dear part.
  static auto* renderers = new QHash<QString, QSvgRenderer*>;  // lives as long as the program
  QSvgRenderer*& renderer = (*renderers)[file];
  if (!renderer) renderer = new QSvgRenderer(file);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer->render(&painter, target);
}

}  // namespace tintora
