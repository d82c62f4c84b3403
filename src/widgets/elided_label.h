// A label for data of any length (a file's name): it keeps its text whole for whoever reads
// it (hint, screen reader, tests) and shows what fits, shortened in the middle, rather than
// widening its window.
#pragma once

#include <QLabel>

namespace tintora {

class ElidedLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tintora
