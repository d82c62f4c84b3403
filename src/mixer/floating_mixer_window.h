// The tool window the hue/saturation mixer floats in once it is dragged out of its page. It
// cannot be closed, only docked back.
#pragma once

#include <QWidget>

namespace tintora {

class FloatingMixerWindow : public QWidget {
  Q_OBJECT
 public:
  explicit FloatingMixerWindow(QWidget* parent = nullptr);
  // Takes the close command away again should the window system have put it back.
  void RemoveCloseCommand();

 signals:
  void Moved();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
};

}  // namespace tintora
