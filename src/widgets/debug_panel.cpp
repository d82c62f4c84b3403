#include "widgets/debug_panel.h"

#include <QLabel>

#include "widgets/layouts.h"
#include "widgets/make.h"

namespace tintora {

DebugPanel::DebugPanel(QWidget* owner) : QGroupBox("Program Data Box", owner) {
  setObjectName("DebugPanel");
  // A small window of its own, kept above the window it reports on.
  setWindowFlags(Qt::Tool);
  setWindowTitle("Program Data Box");
  Label10 = Make<QLabel>(this, "Label10");
  MouseXLabel = Make<QLabel>(this, "MouseXLabel", {}, "MouseX:=");
  MouseYLabel = Make<QLabel>(this, "MouseYLabel", {}, "MouseY:=");
  Label17 = Make<QLabel>(this, "Label17");
  Label20 = Make<QLabel>(this, "Label20");
  Label21 = Make<QLabel>(this, "Label21");
  QGridLayout* grid = GridOn(this);
  grid->addWidget(Label10, 0, 0, 1, 2);
  grid->addWidget(MouseXLabel, 1, 0, 1, 2);
  grid->addWidget(MouseYLabel, 2, 0, 1, 2);
  grid->addWidget(Label17, 3, 0);
  grid->addWidget(Label20, 3, 1);
  grid->addWidget(Label21, 4, 0, 1, 2);
  setMinimumWidth(fontMetrics().horizontalAdvance("Number of Checked Colours = 00000") + 24);
  hide();
}

void DebugPanel::ShowInsertPosition(int position) { Label10->setText(QString::number(position)); }

void DebugPanel::ShowMouse(QPoint p) {
  MouseXLabel->setText("MouseX:=" + QString::number(p.x()));
  MouseYLabel->setText("MouseY:=" + QString::number(p.y()));
}

void DebugPanel::ShowSwatchSections(std::size_t fileSize, std::size_t secondSection) {
  Label17->setText(QString::number(fileSize));
  Label20->setText(QString::number(secondSection));
}

void DebugPanel::ShowColourizerCounts(std::size_t characters, std::size_t colours, std::size_t checked) {
  Label17->setText("Total # of Characters = " + QString::number(characters));
  Label20->setText("Number of Colours = " + QString::number(colours));
  Label21->setText("Number of Checked Colours = " + QString::number(checked));
}

}  // namespace tintora
