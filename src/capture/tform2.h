// TForm2: the desktop snapshot or clipboard picture the user picks colours from.
#pragma once

#include <QWidget>

namespace tintora {

class TForm2 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);
};

}  // namespace tintora
