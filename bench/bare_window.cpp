// The yardstick for start-up: the least a Qt 6 Widgets program can show, one label in a
// window, built with the same compiler and flags as Tintora.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label("A bare Qt window");
  label.setWindowTitle("Bare Qt window");
  label.show();
  return app.exec();
}
