#include "widgets/debug_panel.h"

#include <QLabel>

#include "widgets/make.h"

namespace tintora {

DebugPanel::DebugPanel(QWidget* parent) : QGroupBox("Program Data Box", parent) {
  setObjectName("DebugPanel");
  Label10 = Make<QLabel>(this, "Label10", {8, 20, 200, 16});
  MouseXLabel = Make<QLabel>(this, "MouseXLabel", {8, 40, 150, 16}, {}, "MouseX:=");
  MouseYLabel = Make<QLabel>(this, "MouseYLabel", {8, 58, 150, 16}, {}, "MouseY:=");
  hide();
}

void DebugPanel::ShowInsertPosition(int position) { Label10->setText(QString::number(position)); }

void DebugPanel::ShowMouse(QPoint p) {
  MouseXLabel->setText("MouseX:=" + QString::number(p.x()));
  MouseYLabel->setText("MouseY:=" + QString::number(p.y()));
}

}  // namespace tintora
