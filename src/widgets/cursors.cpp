#include "widgets/cursors.h"

#include <array>

#include <QGuiApplication>

#include "widgets/glyphs.h"

namespace tintora {

QCursor CustomCursor(int number) {
  struct Picture {
    const char* file;
    QSize size;         // the drawing's own units
    double hotX, hotY;  // in the drawing's units
  };
  static const Picture kPictures[4] = {{":/cursors/eyedroppertolist.svg", {16, 22}, 1.2, 14.6},
                                       {":/cursors/eyedropper.svg", {16, 16}, 1.2, 14.6},
                                       {":/cursors/paintbucket.svg", {16, 16}, 1.6, 13.4},
                                       {":/cursors/rightclick.svg", {16, 16}, 0.5, 0.5}};
  // A cursor half as large again as its drawing, as desktop cursors are, at the screen's density.
  constexpr double kScale = 1.5;
  if (number < 1 || number > 4) return QCursor(Qt::ArrowCursor);
  // Made once, on first use (a cursor needs the application to exist), and never freed: a
  // pixmap must not outlive the application object, and the program ends right after it.
  static const auto* cursors = [] {
    auto* c = new std::array<QCursor, 4>;
    const qreal ratio = qApp->devicePixelRatio();
    for (std::size_t i = 0; i < 4; ++i) {
      const Picture& p = kPictures[i];
      const QPixmap pix = GlyphPixmap(p.file, p.size * kScale, ratio);
      (*c)[i] = QCursor(pix, static_cast<int>(p.hotX * kScale), static_cast<int>(p.hotY * kScale));
    }
    return c;
  }();
  return (*cursors)[static_cast<std::size_t>(number - 1)];
}

}  // namespace tintora
