#include "widgets/cursors.h"

#include <array>
#include <optional>

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
  // Each made once, when first asked for (a cursor needs the application to exist; the window
  // sets two of the four at start), and never freed: a pixmap must not outlive the
  // application object, and the program ends right after it.
  static auto* const cursors = new std::array<std::optional<QCursor>, 4>;
  const Picture& p = kPictures[number - 1];
  std::optional<QCursor>& cursor = (*cursors)[static_cast<std::size_t>(number - 1)];
  if (!cursor) {
    const QPixmap pix = GlyphPixmap(p.file, p.size * kScale, qApp->devicePixelRatio());
    cursor = QCursor(pix, static_cast<int>(p.hotX * kScale), static_cast<int>(p.hotY * kScale));
  }
  return *cursor;
}

}  // namespace tintora
