// The program's glyphs and cursors are drawings (SVG), rendered at the pixel density of the
// screen they are shown on, so they stay sharp at any scale.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;
class QRectF;

namespace tintora {

// An icon of a drawing, for buttons: sharp at every size and density the button asks for.
QIcon GlyphIcon(const QString& file);
// A drawing rendered into `size` logical pixels at `ratio` device pixels each.
QPixmap GlyphPixmap(const QString& file, QSize size, qreal ratio);
// Draws a drawing into a rectangle of a painter (at the painter's own density).
void PaintGlyph(QPainter& painter, const QString& file, const QRectF& target);

}  // namespace tintora
