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

// The program's icon in every size a desktop shows it, for all its windows. Set once the main
// window is drawn: six pictures to decode and a quarter megabyte for the window system to take
// would otherwise come before the first picture.
void SetProgramIcon();

}  // namespace tintora
