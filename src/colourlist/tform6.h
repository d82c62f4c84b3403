// TForm6: adjusts the hue, saturation and vibrance of the selected list colours as a batch.
#pragma once

#include <QWidget>

namespace tintora {

class TForm6 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm6(QWidget* parent = nullptr);
};

}  // namespace tintora
