#include "settings/tform9.h"

namespace tintora {

TForm9::TForm9(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Form9");
  setWindowTitle("Change Default Directory");
}

}  // namespace tintora
