#include "app/application.h"

#include <QIcon>

#include "version.h"
#include "widgets/guarded.h"

namespace tintora {

TintoraApplication::TintoraApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(kProductTitle);
  setApplicationVersion(kVersion);
  setOrganizationName(kProductName);
  setDesktopFileName("org.tintora.Tintora");
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QString(":/icons/org.tintora.Tintora-%1.png").arg(size));
  setWindowIcon(icon);
}

bool TintoraApplication::notify(QObject* receiver, QEvent* event) {
  bool result = false;
  Guarded([&] { result = QApplication::notify(receiver, event); });
  return result;
}

}  // namespace tintora
