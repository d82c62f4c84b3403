// The progress display over the colour list: shown while a reader, writer or long list
// operation runs, hidden again however it ends.
#pragma once

#include <cstddef>

#include <QProgressBar>

#include "app/tform1.h"
#include "colour/notations.h"

namespace tintora {

class TForm1::Progress {
 public:
  explicit Progress(TForm1& form) : form_(form) {
    form_.ProgressBar2->setValue(0);
    form_.ProgressPanel->show();
    form_.ProgressPanel->raise();
    form_.ProgressPanel->repaint();
  }
  ~Progress() {
    form_.ProgressBar2->setValue(100);
    form_.ProgressPanel->hide();
  }
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  // After item i of n: the truncated percentage, painted at once (the loop does not return to
  // the event loop) but only when it changes.
  void Step(std::size_t i, std::size_t n) {
    const int percent = CalculatePercentInteger(static_cast<long double>(i), static_cast<long double>(n));
    if (percent == form_.ProgressBar2->value()) return;
    form_.ProgressBar2->setValue(percent);
    form_.ProgressBar2->repaint();
  }

 private:
  TForm1& form_;
};

}  // namespace tintora
