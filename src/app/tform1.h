// The main window: it holds the one active colour and every control around it.
#pragma once

#include <QWidget>

namespace tintora {

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
};

}  // namespace tintora
