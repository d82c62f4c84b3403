#include "app/application.h"
#include "app/pick_mode.h"
#include "app/qt_services.h"
#include "app/tform1.h"
#include "app/tintora_style.h"

int main(int argc, char** argv) {
  tintora::TintoraApplication app(argc, argv);
  if (QCoreApplication::arguments().contains("--pick")) return tintora::RunPickMode(app);
  tintora::ApplyTintoraLook();
  tintora::QtServices services;
  tintora::TForm1 form(services);
  QObject::connect(&form, &tintora::TForm1::Closed, &app, &QCoreApplication::quit);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  form.StartUp(arguments);
  form.show();
  return app.exec();
}
