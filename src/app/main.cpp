#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/application.h"
#include "app/main_window.h"
#include "app/pick_mode.h"
#include "app/qt_services.h"
#include "app/tintora_style.h"
#include "core/io/file_io.h"
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

// Qt ends a program that finds no display with a fatal message in its own words (and a core
// dump); until the application stands, that is said plainly instead, with exit status 1.
void SayPlainlyWhenThereIsNoDisplay() {
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
      const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(name) + (value && *value ? std::string(" is ") + value : " is not set");
      };
      std::fprintf(stderr, "tintora: no display or desktop portal is reachable (%s; %s).\n",
                   variable("DISPLAY").c_str(), variable("WAYLAND_DISPLAY").c_str());
      std::_Exit(1);
    }
    // The platform's own words about the display it could not open go with the fatal message.
    if (context.category && std::string_view(context.category).starts_with("qt.qpa")) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (AnsweredWithoutWindow(argc, argv)) return 0;
  SayPlainlyWhenThereIsNoDisplay();
  tintora::TintoraApplication app(argc, argv);
  qInstallMessageHandler(nullptr);
  if (QCoreApplication::arguments().contains("--pick")) return tintora::RunPickMode(app);
  tintora::RecoverInterruptedSaves();  // files a crash left half-written in place
  tintora::ApplyTintoraLook();
  tintora::QtServices services;
  tintora::MainWindow form(services);
  QObject::connect(&form, &tintora::MainWindow::Closed, &app, &QCoreApplication::quit);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  form.StartUp(arguments);
  form.show();
  return app.exec();
}
