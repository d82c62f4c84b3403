#include "widgets/debug_panel.h"

#include <QLabel>

#include "widgets/make.h"

namespace tintora {

DebugPanel::DebugPanel(QWidget* parent) : QGroupBox("Program Data Box", parent) {
  setObjectName("DebugPanel");
  Label10 = Make<QLabel>(this, "Label10", {8, 20, 200, 16});
  MouseXLabel = Make<QLabel>(this, "MouseXLabel", {8, 40, 150, 16}, {}, "MouseX:=");
  MouseYLabel = Make<QLabel>(this, "MouseYLabel", {8, 58, 150, 16}, {}, "MouseY:=");
  Label17 = Make<QLabel>(this, "Label17", {8, 76, 100, 16});
  Label20 = Make<QLabel>(this, "Label20", {112, 76, 100, 16});
  Label21 = Make<QLabel>(this, "Label21", {8, 94, 200, 16});
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
