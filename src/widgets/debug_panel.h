// The program data box: work controls for developers, hidden until the colour list's Ctrl+D
// shows the button that shows it.
#pragma once

#include <QGroupBox>

class QLabel;

namespace tintora {

class DebugPanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit DebugPanel(QWidget* parent);

  // Where the last insert went in the list.
  void ShowInsertPosition(int position);
  // The pointer's screen position, as capture last read it.
  void ShowMouse(QPoint position);

 private:
  QLabel* Label10;
  QLabel* MouseXLabel;
  QLabel* MouseYLabel;
};

}  // namespace tintora
