#include "colourlist/tform6.h"

namespace tintora {

TForm6::TForm6(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Form6");
  setWindowTitle("Adjust Selected Colours");
}

}  // namespace tintora
