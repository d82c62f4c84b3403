#include "widgets/cursors.h"

#include <array>

#include <QPixmap>

namespace tintora {

QCursor CustomCursor(int number) {
  struct Picture {
    const char* file;
    int hotX, hotY;
  };
  static const Picture kPictures[4] = {{":/cursors/eyedroppertolist.png", 0, 14},
                                       {":/cursors/eyedropper.png", 0, 14},
                                       {":/cursors/paintbucket.png", 1, 13},
                                       {":/cursors/rightclick.png", 0, 0}};
  if (number < 1 || number > 4) return QCursor(Qt::ArrowCursor);
  // Loaded once, on first use (a cursor needs the application to exist), and never freed: a
  // pixmap must not outlive the application object, and the program ends right after it.
  static const auto* cursors = [] {
    auto* c = new std::array<QCursor, 4>;
    for (std::size_t i = 0; i < 4; ++i)
      (*c)[i] = QCursor(QPixmap(kPictures[i].file), kPictures[i].hotX, kPictures[i].hotY);
    return c;
  }();
  return (*cursors)[static_cast<std::size_t>(number - 1)];
}

}  // namespace tintora
