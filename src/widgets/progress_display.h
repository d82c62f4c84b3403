// The progress display over the colour list: shown while a reader, writer or long list
// operation runs, hidden again however it ends.
#pragma once

#include <cstddef>

#include <QWidget>

class QProgressBar;

namespace tintora {

class ProgressDisplay : public QWidget {
  Q_OBJECT
 public:
  explicit ProgressDisplay(QWidget* parent);
  QProgressBar* Bar() const { return bar_; }
  // Over the middle of its parent (the colour list), sized from its own size hint.
  void PlaceOverParent();

 private:
  QProgressBar* bar_;
};

// Shows the display for its lifetime.
class Progress {
 public:
  explicit Progress(ProgressDisplay& display);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  // After item i of n: the truncated percentage, painted at once (the loop does not return to
  // the event loop) but only when it changes.
  void Step(std::size_t i, std::size_t n);

 private:
  ProgressDisplay& display_;
};

}  // namespace tintora
