// A window's contents inside a frameless scroll area. As a rule the window is exactly the size
// of its contents and no bar shows; on a screen too small for them (a big font on a small
// display) the window takes what room the screen has and the contents scroll.
#pragma once

#include <QScrollArea>

namespace tintora {

class WindowScroller : public QScrollArea {
  Q_OBJECT
 public:
  // Becomes the only thing in `window`; the window's controls go into Contents().
  explicit WindowScroller(QWidget* window);

  QWidget* Contents() const { return contents_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // The window at its contents' size, or as much of it as its screen's free area holds, and
  // wholly on that area. Done by itself whenever the contents change size.
  void FitWindow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  QWidget* contents_;
  // The window frame the last fit allowed for.
  QMargins fittedFrame_;
};

}  // namespace tintora
