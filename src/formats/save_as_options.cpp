#include "formats/save_as_options.h"

namespace tintora {

TSaveAsOptions::TSaveAsOptions(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("SaveAsOptions");
  setWindowTitle("Save As Options");
}

}  // namespace tintora
