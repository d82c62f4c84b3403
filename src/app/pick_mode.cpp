#include "app/pick_mode.h"

#include <cstdio>

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include "capture/colour_management.h"
#include "capture/platform/desktop.h"
#include "core/capture/capture_maths.h"
#include "core/colour/notations.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings_values.h"
#include "settings/settings_file.h"

namespace tintora {

int RunPickMode(QApplication& app) {
  Desktop desktop;
  // "--average N", as tintora-colour passes it on: checked there, so anything else is one pixel.
  const QStringList arguments = QCoreApplication::arguments();
  const qsizetype average = arguments.indexOf("--average");
  if (average >= 0 && average + 1 < arguments.size())
    desktop.Screen().SetPickSample(SampleSizeOrOne(arguments[average + 1].toInt()));
  // The display profile's sRGB colour, as the window's picks give it, unless the screen's own
  // value is asked for ("--device") or the user turned profiles off in the window.
  const QString settings = DefaultSettingsFilePath();
  IniFile ini(settings.toStdString());
  ColourManagement management(desktop.Screen());
  management.SetEnabled(!arguments.contains("--device") && !ReadSettings(ini.Values()).ignoreDisplayProfile);
  int status = 1;
  QTimer::singleShot(0, &app, [&] {
    // On X11 the pointer is held with a crosshair; on Wayland the portal shows its own picker.
    desktop.Screen().PickColour([&](const ScreenAnswer& answer) {
      if (answer.outcome == ScreenAnswer::Outcome::Done && answer.colour) {
        // Picked where the pointer is now.
        const Rgb8 colour = management.Seen(*answer.colour, QCursor::pos());
        std::printf("#%s\n", colour.Hex().c_str());
        std::fflush(stdout);
        status = 0;
        // The window's recent picks take it too (a settings file that cannot be written is
        // no reason to fail a pick that worked).
        QDir().mkpath(QFileInfo(settings).absolutePath());
        AddRecentPick(ini, colour);
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
