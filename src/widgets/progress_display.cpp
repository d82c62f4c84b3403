#include "widgets/progress_display.h"

#include <QProgressBar>

#include "colour/notations.h"
#include "widgets/make.h"

namespace tintora {

ProgressDisplay::ProgressDisplay(QWidget* parent) : QWidget(parent) {
  setObjectName("ProgressPanel");
  setAutoFillBackground(true);
  bar_ = Make<QProgressBar>(this, "ProgressBar2", {3, 3, 192, 20});
  bar_->setRange(0, 100);
  bar_->setTextVisible(false);
  hide();
}

Progress::Progress(ProgressDisplay& display) : display_(display) {
  display_.Bar()->setValue(0);
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
