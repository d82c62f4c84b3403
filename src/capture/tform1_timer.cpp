// The 50 ms heartbeat. Besides the pixel capture it keeps the floating mixer uncloseable,
// keeps the main window on top, keeps the focus inside open dialogs, and redraws the
// hue/saturation strips that slider drags marked.
#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>

#include "app/about_box.h"
#include "app/guarded.h"
#include "app/services.h"
#include "app/tform1.h"
#include "colourlist/change_colour_name_dialogue.h"
#include "harmony/tform10.h"
#include "mixer/floating_mixer_window.h"

namespace tintora {

void TForm1::Timer1Timer() {
  // 1. The floating mixer can only be docked back, never closed.
  if (MixerFloating()) floatingMixer_->RemoveCloseCommand();

  // 2. Keep on top, unless paused or one of our own windows is in front by right.
  QWidget* active = QApplication::activeWindow();
  if (OnTopState && active != aboutBox_.get() && active != changeColourNameDialogue_.get() &&
      !OnTopSuspended && active != this) {
    // An option window may have taken the style away while it was open; topmost again.
    ApplyStayOnTop(this, true);
    services_.KeepOnTop(this);
  }

  // 3. Drop on top once the mode is off.
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) && !OnTopState) ApplyStayOnTop(this, false);

  // 4. Keep the keyboard focus inside an open dialog: the colour name dialog first, else the
  // about box.
  if (TChangeColourNameDialogue* names = changeColourNameDialogue_.get(); names->isVisible()) {
    QWidget* focus = QApplication::focusWidget();
    if (focus != names->ChangeColourNameEdit && focus != names->CancelBtn && focus != names->OKBtn &&
        focus != names) {
      if (OnTopState) ApplyStayOnTop(names, true);
      names->activateWindow();
      names->ChangeColourNameEdit->setFocus();
    }
  } else if (aboutBox_->isVisible()) {
    QWidget* focus = QApplication::focusWidget();
    if (focus != aboutBox_->Memo1 && focus != aboutBox_->Button1 && focus != aboutBox_->OKButton) {
      aboutBox_->activateWindow();
      aboutBox_->Memo1->setFocus();
    }
  }

  // The wheel's option window keeps the focus while it is open; the main window stays below it.
  if (form10_->isVisible()) {
    QWidget* focus = QApplication::focusWidget();
    const bool inside = focus && (focus == form10_.get() || form10_->isAncestorOf(focus));
    if (!inside) {
      ApplyStayOnTop(this, false);
      form10_->activateWindow();
      form10_->Button1->setFocus();
    }
  }

  // 5. The capture hot key: held whatever the capture state, acting only while capturing.
  // Asking again for the combination already held costs nothing.
  services_.HotKey().Register(HotKeyModifiers, HotKeyVirtualKey);

  // 6. The pixel under the mouse.
  if (PixelCaptureActive) CaptureTick();

  // 7. Strips marked by slider drags are redrawn at most once a tick.
  if (SpectrumRedrawPending && ActiveSpecCheckBox->isChecked()) {
    ChangeSpectrumImage(1);
    ChangeSpectrumImage(2);
    SpectrumRedrawPending = false;
  }
}

}  // namespace tintora
