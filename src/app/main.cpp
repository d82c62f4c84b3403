#include <cstdio>
#include <string_view>

#include "app/application.h"
#include "app/pick_mode.h"
#include "app/qt_services.h"
#include "app/tform1.h"
#include "app/tintora_style.h"
#include "version.h"

namespace {

// Answered before Qt starts, so they work without a display (and for help2man).
bool AnsweredWithoutWindow(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--version") {
      std::printf("tintora %s\n", tintora::kVersion);
      return true;
    }
    if (arg == "--help" || arg == "-h") {
      std::printf(
          "Usage: tintora [FILE...]\n"
          "       tintora --pick\n"
          "\n"
          "A colour picker: mix a colour, pick one from the screen, keep colour lists and save\n"
          "them as palette files.\n"
          "\n"
          "The first FILE is opened as the colour list and the others are appended to it; a\n"
          "FILE is any palette Tintora reads (see tintora-convert --help for the formats).\n"
          "\n"
          "Options:\n"
          "  --pick      pick one colour from the screen without a window and print it as\n"
          "              #rrggbb; exit status 0 picked, 1 cancelled or no picker\n"
          "  --help      this text\n"
          "  --version   the version\n"
          "\n"
          "Settings live in ~/.config/tintora/tintora.ini (the About box says which file is\n"
          "in use); the manual opens with F1.\n");
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnsweredWithoutWindow(argc, argv)) return 0;
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
