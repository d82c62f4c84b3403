// How a glyph's drawing reaches the painter: rendered from its SVG where the build has Qt SVG
// (glyph_drawing_svg.cpp), or drawn from a picture rendered from the same SVG when the program
// was built (glyph_drawing_png.cpp, for Qt builds without the SVG module). The build picks one.
#pragma once

#include <QString>

class QPainter;
class QRectF;

namespace tintora {

// Draws the drawing `file` (":/glyphs/name.svg") into `target`, antialiased.
void DrawGlyph(QPainter& painter, const QString& file, const QRectF& target);

}  // namespace tintora
