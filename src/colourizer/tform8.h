// TForm8: a larger preview of the colourized text.
#pragma once

#include <QWidget>

namespace tintora {

class TForm8 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm8(QWidget* parent = nullptr);
};

}  // namespace tintora
