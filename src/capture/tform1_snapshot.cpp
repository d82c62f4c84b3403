// The other outside colour sources: a snapshot of the desktop, a picture from the clipboard
// (both shown in the "Screen Shot" window to pick from), and the system colour dialog with its
// custom colours.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QTabWidget>

#include "app/controls/colour_panel.h"
#include "app/controls/image_box.h"
#include "app/controls/speed_button.h"
#include "app/guarded.h"
#include "app/popup_ext.h"
#include "app/services.h"
#include "app/tform1.h"
#include "capture/tform2.h"
#include "colourlist/colour_list_model.h"
#include "colourlist/colour_list_view.h"
#include "mixer/floating_mixer_window.h"

namespace tintora {

void TForm1::BuildSnapshot() {
  CopyFromClipSpeedButton = new SpeedButton("CopyFromClipSpeedButton", ExternalColourSourcePanel);
  CopyFromClipSpeedButton->SetGlyph(QPixmap(":/glyphs/clipboard.png"));
  CopyFromClipSpeedButton->setToolTip("Get image from clipboard (if available)");
  CopyFromClipSpeedButton->setGeometry(4, 40, 28, 28);
  WinPaletteSpeedButton = new SpeedButton("WinPaletteSpeedButton", ExternalColourSourcePanel);
  WinPaletteSpeedButton->SetGlyph(QPixmap(":/glyphs/palette.png"));
  WinPaletteSpeedButton->setToolTip("Open standard Colour Palette");
  WinPaletteSpeedButton->setGeometry(4, 76, 28, 28);

  DesktopCapturePopupExt = MakePopup("DesktopCapturePopupExt");
  CopyToClipboard1 = DesktopCapturePopupExt->addAction("Copy to Clipboard");
  CopyToClipboard1->setObjectName("CopyToClipboard1");
}

void TForm1::ConnectSnapshot() {
  Link(CopyFromClipSpeedButton, &SpeedButton::clicked, this,
       [this](bool) { CopyFromClipSpeedButtonClick(); });
  Link(WinPaletteSpeedButton, &SpeedButton::clicked, this, [this](bool) { WinPaletteSpeedButtonClick(); });
  Link(CopyToClipboard1, &QAction::triggered, this,
       [this](bool) { services_.SetClipboardImage(form2_->Picture()); });
  TForm2* shot = form2_.get();
  shot->SetMainBounds([this] { return frameGeometry(); });
  Link(shot, &TForm2::PointedAt, this,
       [this](QPoint p, bool click) { BMPPixelColourRetreive(5, p.x(), p.y(), click); });
  Link(shot, &TForm2::MenuRequested, this, [this](QPoint global) { DesktopCapturePopupExt->Popup(global); });
}

// ---------------------------------------------------------------- snapshot and clipboard picture

void TForm1::CaptureDesktop() {
  const bool onTop = windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  // Out of the picture: the mixer (should it float), the screen-shot window, this window.
  const bool floating = MixerFloating();
  HSIMixerPanel->hide();
  if (floating) floatingMixer_->hide();
  form2_->showMinimized();
  form2_->hide();
  showMinimized();
  hide();
  Delay(1500);
  form2_->ClearPicture();
  const QImage shot = CaptureScreen();
  if (!shot.isNull()) form2_->SetPicture(shot);
  form2_->setWindowTitle("Screen Shot");
  show();
  showNormal();
  HSIMixerPanel->show();
  if (floating) floatingMixer_->show();
  if (shot.isNull()) {
    SuspendOnTop();
    services_.ShowMessage(this, "Screen Shot:\r\n\r\nThis desktop does not let programs read the screen.",
                          MessageIcon::Information, MessageButtons::Ok);
    RestoreOnTop();
  } else {
    form2_->show();
    form2_->showNormal();
  }
  if (onTop) ApplyStayOnTop(this, true);
}

QImage TForm1::CaptureScreen() { return services_.Screen().GrabPrimaryScreen(); }

void TForm1::CopyFromClipSpeedButtonClick() {
  if (auto picture = services_.ClipboardImage()) {
    form2_->SetPicture(*picture);
    form2_->setWindowTitle("Clipboard Image");
    form2_->show();
    form2_->raise();
    return;
  }
  SuspendOnTop();
  services_.Beep(BeepKind::Information);
  services_.ShowMessage(this, "Retreive From Clipboard:\r\n\r\nThere is no bitmap image on the clipboard.",
                        MessageIcon::Information, MessageButtons::Ok);
  RestoreOnTop();
}

// ---------------------------------------------------------------- the system colour dialog

void TForm1::WinPaletteSpeedButtonClick() {
  SuspendOnTop();
  if (const auto chosen = services_.ColourDialog(this, lastDialogColour_, customColours_)) {
    lastDialogColour_ = *chosen;
    ColourSelectorPanel->SetColour(*chosen);
    SetColourSelection();
    RetreiveColourPalette();
  }
  UpdateCountLabel();
  RestoreOnTop();
}

void TForm1::RetreiveColourPalette() {
  if (!AnyCustomColour(customColours_)) return;
  services_.Beep(BeepKind::Question);
  const MessageAnswer answer = services_.ShowMessage(this,
                                                     "Common Palette Custom Colour Copy:\r\n\r\nWould you "
                                                     "like to append the\r\ncustom colours to your list?",
                                                     MessageIcon::Question, MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) return;  // the slots stay for the next opening
  StoreUndo();
  ListChanged = true;
  if (PageControl1->isHidden()) BasicAdvancedShowHide();  // the list must be in view
  CustomColourListBox->setFocus();
  AppendToList(CustomColourEntries(customColours_));
  SelectItem(static_cast<int>(list_.Count()) - 1, true);
  customColours_.fill(std::nullopt);
  CustomColourListBox->viewport()->update();
}

}  // namespace tintora
