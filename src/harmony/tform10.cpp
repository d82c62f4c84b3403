#include "harmony/tform10.h"

namespace tintora {

TForm10::TForm10(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Form10");
  setWindowTitle("Customize Colour Wheel");
}

}  // namespace tintora
