// SplashWindow: the borderless window that greets the user at start and closes by itself.
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace tintora {

class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  explicit SplashWindow(QWidget* parent = nullptr);

  void OnCloseTimer();

 private:
  QTimer* CloseTimer = nullptr;
  void FormCreate();
};

}  // namespace tintora
