#include "widgets/progress_display.h"

#include <QProgressBar>

#include "core/colour/notations.h"
#include "widgets/layouts.h"
#include "widgets/make.h"

namespace tintora {

ProgressDisplay::ProgressDisplay(QWidget* parent) : QWidget(parent) {
  setObjectName("ProgressPanel");
  setAutoFillBackground(true);
  bar_ = Make<QProgressBar>(this, "ProgressBar2");
  bar_->setRange(0, 100);
  bar_->setTextVisible(false);
  ColumnOn(this)->addWidget(bar_);
  hide();
}

void ProgressDisplay::PlaceOverParent() {
  // Over the middle of what it reports on, most of its width, as tall as the bar wants.
  const QRect area = parentWidget()->contentsRect();
  const QSize size(area.width() * 9 / 10, sizeHint().height());
  setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
}

Progress::Progress(ProgressDisplay& display) : display_(display) {
  display_.Bar()->setValue(0);
  display_.PlaceOverParent();
  display_.show();
  display_.raise();
  display_.repaint();
}

Progress::~Progress() {
  display_.Bar()->setValue(100);
  display_.hide();
}

void Progress::Step(std::size_t i, std::size_t n) {
  const int percent = CalculatePercentInteger(static_cast<long double>(i), static_cast<long double>(n));
  if (percent == display_.Bar()->value()) return;
  display_.Bar()->setValue(percent);
  display_.Bar()->repaint();
}

}  // namespace tintora
