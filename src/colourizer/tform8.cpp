#include "colourizer/tform8.h"

namespace tintora {

TForm8::TForm8(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Form8");
  setWindowTitle("Text Colourizer Preview");
}

}  // namespace tintora
