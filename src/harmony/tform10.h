// TForm10: the colour wheel's divisions and drawing options.
#pragma once

#include <QWidget>

namespace tintora {

class TForm10 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm10(QWidget* parent = nullptr);
};

}  // namespace tintora
