#include "app/pick_mode.h"

#include <cstdio>

#include <QApplication>
#include <QTimer>

#include "capture/platform/desktop.h"
#include "core/capture/capture_maths.h"
#include "core/colour/notations.h"

namespace tintora {

int RunPickMode(QApplication& app) {
  Desktop desktop;
  // "--average N", as tintora-colour passes it on: checked there, so anything else is one pixel.
  const QStringList arguments = QCoreApplication::arguments();
  const qsizetype average = arguments.indexOf("--average");
  if (average >= 0 && average + 1 < arguments.size())
    desktop.Screen().SetPickSample(SampleSizeOrOne(arguments[average + 1].toInt()));
  int status = 1;
  QTimer::singleShot(0, &app, [&] {
    // On X11 the pointer is held with a crosshair; on Wayland the portal shows its own picker.
    desktop.Screen().PickColour([&](const ScreenAnswer& answer) {
      if (answer.outcome == ScreenAnswer::Outcome::Done && answer.colour >= 0) {
        std::printf("#%s\n", BGRIntToRGBHEX(answer.colour).c_str());
        std::fflush(stdout);
        status = 0;
      } else if (answer.outcome == ScreenAnswer::Outcome::Failed) {
        std::fprintf(stderr, "tintora: %s\n", answer.message.toLocal8Bit().constData());
      }
      app.quit();
    });
  });
  app.exec();
  return status;
}

}  // namespace tintora
