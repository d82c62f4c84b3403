#include "app/application.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include "version.h"
#include "widgets/guarded.h"

namespace tintora {

TintoraApplication::TintoraApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(kProductTitle);
  setApplicationVersion(kVersion);
  setOrganizationName(kProductName);
  setDesktopFileName("org.tintora.Tintora");
}

void SetProgramIcon() {
  // Read as the PNGs they are: a file handed to QIcon by name has every image format plugin
  // loaded to ask whether it is theirs (JPEG's library and all).
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    QImageReader png(QString(":/icons/org.tintora.Tintora-%1.png").arg(size), "png");
    png.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(png.read()));
  }
  QApplication::setWindowIcon(icon);
}

bool TintoraApplication::notify(QObject* receiver, QEvent* event) {
  bool result = false;
  Guarded([&] { result = QApplication::notify(receiver, event); });
  return result;
}

}  // namespace tintora
