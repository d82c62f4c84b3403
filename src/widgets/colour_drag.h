// Colours dragged out of the program and into it, in the forms other programs use: a colour
// (application/x-color, which GTK and Qt programs read) and its text, "#RRGGBB".
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QObject>
#include <QPoint>

#include "core/colour/rgb8.h"

class QMimeData;
class QWidget;

namespace tintora {

// One colour or several (their texts one a line); the colour data is the first one's.
QMimeData* ColourMimeData(const std::vector<Rgb8>& colours);
// The colour in something dropped or pasted: its colour data, else its text where that is one
// colour the CSS reader takes. Nothing when there is neither.
std::optional<Rgb8> ColourOfMimeData(const QMimeData* mime);

// Makes `source` a place a colour can be dragged from: pressing on it and moving the pointer
// the desktop's drag distance drags the colour `colourOf` gives at that moment. Clicks work as
// before. Owned by `source`.
class ColourDragSource : public QObject {
 public:
  ColourDragSource(QWidget* source, std::function<Rgb8()> colourOf);
  // Window tests see the drag's data instead of a drag really starting.
  static void SetDragHook(std::function<void(QMimeData*)> hook);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<Rgb8()> colourOf_;
  QPoint pressedAt_;
  bool pressed_ = false;
};

}  // namespace tintora
