#include "widgets/window_scroller.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "widgets/centre.h"

namespace tintora {

WindowScroller::WindowScroller(QWidget* window) : QScrollArea(window), window_(window) {
  setObjectName("WindowScroller");
  setFrameShape(QFrame::NoFrame);
  setAccessibleName("Window contents");
  setWidgetResizable(false);
  // The window's own background shows through, as it did before there was a scroll area.
  viewport()->setAutoFillBackground(false);
  contents_ = new QWidget;
  contents_->setObjectName("WindowContents");
  setWidget(contents_);
  auto* column = new QVBoxLayout(window);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(this);
  contents_->installEventFilter(this);
  window->installEventFilter(this);
  // The keyboard's way through the window brings into view what it reaches.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (!now || !contents_->isAncestorOf(now)) return;
    // Once a layout the change of focus may have set off has settled.
    QTimer::singleShot(0, this, [this, target = QPointer<QWidget>(now)] {
      if (target) ensureWidgetVisible(target, 0, 0);
    });
  });
}

QSize WindowScroller::sizeHint() const { return contents_->size(); }

QSize WindowScroller::minimumSizeHint() const {
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  return {4 * bar, 4 * bar};
}

void WindowScroller::FitWindow() {
  if (contents_->layout()) contents_->layout()->activate();
  const QScreen* screen = QGuiApplication::screenAt(window_->geometry().center());
  if (!screen) screen = window_->screen();
  QSize size = contents_->size();
  if (screen) {
    fittedFrame_ = window_->windowHandle() ? window_->windowHandle()->frameMargins() : QMargins();
    const QSize margins(fittedFrame_.left() + fittedFrame_.right(),
                        fittedFrame_.top() + fittedFrame_.bottom());
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    size = ScrolledSize(size, screen->availableGeometry().size() - margins, bar);
  }
  window_->setFixedSize(size);
  KeepOnScreen(window_, size);
}

bool WindowScroller::eventFilter(QObject* watched, QEvent* event) {
  if (watched == contents_ && event->type() == QEvent::Resize) FitWindow();
  // A window manager puts its frame round a window some time after it shows; once the frame
  // is known, the window is fitted again with it. (Moves that leave the frame as it was, such
  // as the user's own, are left alone.)
  if (watched == window_ && event->type() == QEvent::Move && window_->windowHandle() &&
      window_->windowHandle()->frameMargins() != fittedFrame_)
    FitWindow();
  return QScrollArea::eventFilter(watched, event);
}

}  // namespace tintora
