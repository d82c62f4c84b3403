#include "colourlist/change_colour_name_dialogue.h"

namespace tintora {

TChangeColourNameDialogue::TChangeColourNameDialogue(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("ChangeColourNameDialogue");
  setWindowTitle("Colour Name");
}

}  // namespace tintora
