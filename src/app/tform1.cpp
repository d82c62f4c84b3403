#include "app/tform1.h"

namespace tintora {

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setObjectName("Form1");
  setWindowTitle("Tintora v2.0");
  resize(400, 300);
}

}  // namespace tintora
