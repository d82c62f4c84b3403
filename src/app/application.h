// The application object: it names the program and, as the last line of defence, shows any
// error that escapes an event handler in a message box and keeps running.
#pragma once

#include <QApplication>

namespace tintora {

class TintoraApplication : public QApplication {
 public:
  TintoraApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace tintora
