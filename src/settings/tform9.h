// TForm9: chooses the folder in which the open and save dialogs start.
#pragma once

#include <QWidget>

namespace tintora {

class TForm9 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm9(QWidget* parent = nullptr);
};

}  // namespace tintora
