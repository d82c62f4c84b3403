#include "mixer/floating_mixer_window.h"

#include <QCloseEvent>

namespace tintora {

FloatingMixerWindow::FloatingMixerWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("HSIMixerWindow");
  setWindowTitle("HSI Mixer");
}

void FloatingMixerWindow::RemoveCloseCommand() {
  if (windowFlags().testFlag(Qt::WindowCloseButtonHint)) {
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    if (visible) show();
  }
}

void FloatingMixerWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

void FloatingMixerWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  emit Moved();
}

}  // namespace tintora
