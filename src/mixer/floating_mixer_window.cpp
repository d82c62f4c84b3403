#include "mixer/floating_mixer_window.h"

#include <QCloseEvent>

#include "widgets/layouts.h"

namespace tintora {

FloatingMixerWindow::FloatingMixerWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("HSIMixerWindow");
  setWindowTitle("HSI Mixer");
  // As large as the mixer it holds.
  ColumnOn(this, true)->setSizeConstraint(QLayout::SetFixedSize);
}

void FloatingMixerWindow::RemoveCloseCommand() {
  if (windowFlags().testFlag(Qt::WindowCloseButtonHint)) {
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    if (visible) show();
  }
}

void FloatingMixerWindow::closeEvent(QCloseEvent* event) {
  // Refusing would keep the program from ending: Qt closes every window before it quits, and
  // one that will not close stops the quit.
  emit CloseRequested();
  event->accept();
}

void FloatingMixerWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  emit Moved();
}

}  // namespace tintora
