#include "app/application.h"

#include "widgets/guarded.h"

namespace tintora {

TintoraApplication::TintoraApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Tintora v2.0");
  setApplicationVersion("2.0.2.2");
  setOrganizationName("Tintora");
}

bool TintoraApplication::notify(QObject* receiver, QEvent* event) {
  bool result = false;
  Guarded([&] { result = QApplication::notify(receiver, event); });
  return result;
}

}  // namespace tintora
