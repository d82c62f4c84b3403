// Docking the hue/saturation mixer: dragged out of its page by its background it floats as a
// tool window without a close command; dropped back on the page, or the window asked to close,
// it docks again.
#include <QApplication>
#include <QLayout>
#include <QMouseEvent>

#include "mixer/floating_mixer_window.h"
#include "mixer/hs_mixer.h"
#include "widgets/guarded.h"
#include "widgets/image_box.h"

namespace tintora {

bool HsMixer::MixerFloating() const {
  return floatingMixer_ != nullptr && HSIMixerPanel->parentWidget() != HSIDockPanel;
}

bool HsMixer::DockContains(QPoint globalPos) const {
  const QRect dock(HSIDockPanel->mapToGlobal(QPoint(0, 0)), HSIDockPanel->size());
  return HSIDockPanel->isVisible() && dock.contains(globalPos);
}

bool HsMixer::NeedsTick() const { return MixerFloating() || (SpectrumRedrawPending_ && ActiveSpectrum()); }

void HsMixer::UndockMixer(const QPoint& globalPos) {
  if (MixerFloating()) return;
  emit TickWanted();
  if (!floatingMixer_) {
    floatingMixer_ = new FloatingMixerWindow(HSIDockPanel->window());
    Link(floatingMixer_, &FloatingMixerWindow::Moved, this, [this] {
      // Dropping the window onto its page docks it.
      if (!MixerFloating() || !floatingMixer_->isVisible()) return;
      if (DockContains(floatingMixer_->geometry().center()) &&
          !(QApplication::mouseButtons() & Qt::LeftButton))
        HSIDockPanelDockDrop();
    });
    Link(floatingMixer_, &FloatingMixerWindow::CloseRequested, this, [this] {
      if (MixerFloating()) HSIDockPanelDockDrop();
    });
  }
  HSIMixerPanel->hide();
  floatingMixer_->layout()->addWidget(HSIMixerPanel);
  floatingMixer_->move(globalPos - QPoint(10, 10));
  HSIMixerPanel->show();
  floatingMixer_->show();
}

void HsMixer::HSIDockPanelDockDrop() {
  HSIMixerPanel->hide();
  HSIDockPanel->layout()->addWidget(HSIMixerPanel);
  HSIDockPanel->layout()->activate();
  HSIMixerPanel->show();
  if (floatingMixer_) floatingMixer_->hide();
}

void HsMixer::KeepFloatingUncloseable() {
  if (MixerFloating()) floatingMixer_->RemoveCloseCommand();
}

void HsMixer::HideForSnapshot() {
  HSIMixerPanel->hide();
  if (MixerFloating()) floatingMixer_->hide();
}

void HsMixer::ShowAfterSnapshot() {
  HSIMixerPanel->show();
  if (MixerFloating()) floatingMixer_->show();
}

bool HsMixer::eventFilter(QObject* watched, QEvent* event) {
  // The harmony markers stand over the hue strip wherever the layout puts it.
  if (watched == ColourSpectrumImage && event->type() == QEvent::Move) PlaceMarkers();
  if (watched != HSIMixerPanel) return QObject::eventFilter(watched, event);
  auto* me = static_cast<QMouseEvent*>(event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (me->button() == Qt::LeftButton) {
        mixerDragStart_ = me->globalPosition().toPoint();
        mixerDragArmed_ = true;
      }
      break;
    case QEvent::MouseMove:
      if (mixerDragArmed_ && (me->buttons() & Qt::LeftButton)) {
        const QPoint now = me->globalPosition().toPoint();
        if (!MixerFloating()) {
          if ((now - mixerDragStart_).manhattanLength() >= QApplication::startDragDistance())
            Guarded([&] { UndockMixer(now); });
        } else {
          floatingMixer_->move(floatingMixer_->pos() + (now - mixerDragStart_));
          mixerDragStart_ = now;
        }
      }
      break;
    case QEvent::MouseButtonRelease:
      if (mixerDragArmed_ && MixerFloating() && DockContains(me->globalPosition().toPoint()))
        Guarded([this] { HSIDockPanelDockDrop(); });
      mixerDragArmed_ = false;
      break;
    default:
      break;
  }
  return false;
}

}  // namespace tintora
