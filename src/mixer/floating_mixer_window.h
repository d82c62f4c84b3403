// The tool window the hue/saturation mixer floats in once it is dragged out of its page. It has
// no close command of its own; a request to close it (Alt+F4, the window manager's button, the
// program ending) docks the mixer back and lets the window go.
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
  // Something asked the window to close: the mixer goes back to its page.
  void CloseRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
};

}  // namespace tintora
