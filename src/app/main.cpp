#include <QApplication>

#include "app/tform1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tintora v2.0");
  tintora::TForm1 form;
  form.show();
  return app.exec();
}
