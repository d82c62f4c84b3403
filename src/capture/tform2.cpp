#include "capture/tform2.h"

namespace tintora {

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Form2");
  setWindowTitle("Screen Shot");
}

}  // namespace tintora
