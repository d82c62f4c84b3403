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
  InsertPositionLabel = Make<QLabel>(this, "Label10");
  MouseXLabel = Make<QLabel>(this, "MouseXLabel", {}, "MouseX:=");
  MouseYLabel = Make<QLabel>(this, "MouseYLabel", {}, "MouseY:=");
  SizeLabel = Make<QLabel>(this, "Label17");
  CountLabel = Make<QLabel>(this, "Label20");
  CheckedCountLabel = Make<QLabel>(this, "Label21");
  QGridLayout* grid = GridOn(this);
  grid->addWidget(InsertPositionLabel, 0, 0, 1, 2);
  grid->addWidget(MouseXLabel, 1, 0, 1, 2);
  grid->addWidget(MouseYLabel, 2, 0, 1, 2);
  grid->addWidget(SizeLabel, 3, 0);
  grid->addWidget(CountLabel, 3, 1);
  grid->addWidget(CheckedCountLabel, 4, 0, 1, 2);
  setMinimumWidth(fontMetrics().horizontalAdvance("Number of Checked Colours = 00000") + 24);
  hide();
}

void DebugPanel::ShowInsertPosition(int position) { InsertPositionLabel->setText(QString::number(position)); }

void DebugPanel::ShowMouse(QPoint p) {
  MouseXLabel->setText("MouseX:=" + QString::number(p.x()));
  MouseYLabel->setText("MouseY:=" + QString::number(p.y()));
}

void DebugPanel::ShowSwatchSections(std::size_t fileSize, std::size_t secondSection) {
  SizeLabel->setText(QString::number(fileSize));
  CountLabel->setText(QString::number(secondSection));
}

void DebugPanel::ShowColourizerCounts(std::size_t characters, std::size_t colours, std::size_t checked) {
  SizeLabel->setText("Total # of Characters = " + QString::number(characters));
  CountLabel->setText("Number of Colours = " + QString::number(colours));
  CheckedCountLabel->setText("Number of Checked Colours = " + QString::number(checked));
}

}  // namespace tintora
