// The colour list pane.
#include <QCheckBox>
#include <QGroupBox>

#include "app/tform1.h"

namespace tintora {

void TForm1::BuildColourList() {
  AutoIndexCheckBox = new QCheckBox("Auto-Index", ColourListGroupBox);
  AutoIndexCheckBox->setObjectName("AutoIndexCheckBox");
  AutoIndexCheckBox->setToolTip("Automatically index selected colours");
  AutoIndexCheckBox->setGeometry(8, 300, 100, 20);
  IncludeComplimentaryCheckBox = new QCheckBox("Inc. Cmpl.", ColourListGroupBox);
  IncludeComplimentaryCheckBox->setObjectName("IncludeComplimentaryCheckBox");
  IncludeComplimentaryCheckBox->setToolTip("Include complementary colours when Indexing");
  IncludeComplimentaryCheckBox->setEnabled(false);
  IncludeComplimentaryCheckBox->setGeometry(110, 300, 100, 20);
}

void TForm1::ConnectColourList() {}

void TForm1::IndexColour() {}

void TForm1::StoreUndo() {}

}  // namespace tintora
