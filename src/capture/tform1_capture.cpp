// Active pixel capture: the capture button, the hot-key menu, and the heartbeat's reading of
// the pixel under the mouse, plain or magnified.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "app/controls/colour_panel.h"
#include "app/controls/image_box.h"
#include "app/controls/speed_button.h"
#include "app/guarded.h"
#include "app/popup_ext.h"
#include "app/services.h"
#include "app/tform1.h"
#include "capture/hot_key.h"

namespace tintora {

namespace {

const char* const kNoScreenAccess =
    "\r\nThis desktop does not let programs\r\nread the screen (Wayland), so\r\nthere is nothing to capture.";
const char* const kNoHotKey = "\r\nThis desktop gives programs no\r\nglobal hot key.";

QString WindowsText(const std::string& s) {
  QString t = QString::fromStdString(s);
  t.replace("\r\n", "\n");
  return t;
}

}  // namespace

void TForm1::BuildCapture() {
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(50);
  connect(Timer1, &QTimer::timeout, this, [this] { Guarded([this] { Timer1Timer(); }); });
  Timer1->start();

  CaptureDesktopSpeedButton = new SpeedButton("CaptureDesktopSpeedButton", ExternalColourSourcePanel);
  CaptureDesktopSpeedButton->SetGlyph(CameraImage);
  CaptureDesktopSpeedButton->setGeometry(4, 4, 28, 28);

  ActivePixHotKeyPopupExt = MakePopup("ActivePixHotKeyPopupExt");
  auto modifier = [this](const char* name, const char* caption) {
    QAction* a = ActivePixHotKeyPopupExt->addAction(caption);
    a->setObjectName(name);
    a->setCheckable(true);
    return a;
  };
  Shift1 = modifier("Shift1", "Shift+");
  Ctrl1 = modifier("Ctrl1", "Ctrl+");
  Alt1 = modifier("Alt1", "Alt+");
  Alt1->setChecked(true);
  ActivePixHotKeyPopupExt->addSeparator();
  hotKeyGroup_ = new QActionGroup(this);
  hotKeyGroup_->setExclusive(true);
  for (std::size_t i = 0; i < HotKeyItems().size(); ++i) {
    const HotKeyItem& item = HotKeyItems()[i];
    if (item.settingsIndex == 10) ActivePixHotKeyPopupExt->addSeparator();  // the number pad
    QAction* a = ActivePixHotKeyPopupExt->addAction(item.caption);
    a->setObjectName(item.name);
    a->setCheckable(true);
    hotKeyGroup_->addAction(a);
    hotKeyItems_[i] = a;
  }
  hotKeyItems_[5]->setChecked(true);  // F8

  ColourSelectorPopupExt->addSeparator();
  ZoomViewOnOff1 = ColourSelectorPopupExt->addAction("Zoom View On/Off");
  ZoomViewOnOff1->setObjectName("ZoomViewOnOff1");
  ZoomViewOnOff1->setCheckable(true);
  ZoomViewOnOff1->setEnabled(false);
  auto* zoomGroup = new QActionGroup(this);
  ZoomX21 = ColourSelectorPopupExt->addAction("Zoom x2");
  ZoomX21->setObjectName("ZoomX21");
  ZoomX41 = ColourSelectorPopupExt->addAction("Zoom x4");
  ZoomX41->setObjectName("ZoomX41");
  for (QAction* a : {ZoomX21, ZoomX41}) {
    a->setCheckable(true);
    zoomGroup->addAction(a);
  }
  ZoomX41->setChecked(true);

  MouseXLabel = new QLabel("MouseX:=", DebugPanel);
  MouseXLabel->setObjectName("MouseXLabel");
  MouseXLabel->setGeometry(8, 40, 150, 16);
  MouseYLabel = new QLabel("MouseY:=", DebugPanel);
  MouseYLabel->setObjectName("MouseYLabel");
  MouseYLabel->setGeometry(8, 58, 150, 16);
}

void TForm1::ConnectCapture() {
  Link(CaptureDesktopSpeedButton, &SpeedButton::MouseUp, this,
       [this](Qt::MouseButton b) { CaptureDesktopSpeedButtonMouseUp(b); });
  for (QAction* a : {Shift1, Ctrl1, Alt1})
    Link(a, &QAction::triggered, this, [this](bool) { SetupHotkeys(); });
  for (QAction* a : hotKeyItems_)
    Link(a, &QAction::triggered, this, [this, a](bool) {
      a->setChecked(true);
      SetupHotkeys();
    });
  services_.HotKey().SetHandler([this] { Guarded([this] { HotKeyPressed(); }); });
}

// ---------------------------------------------------------------- hot keys

void TForm1::DeskTopPixelCaptInit() {
  SetupHotkeys();
  ZoomBitmap = QImage(kZoomBlock, kZoomBlock, QImage::Format_RGB32);
}

void TForm1::SetupHotkeys() {
  PixelCaptureHintDisplay();
  HotKeyModifiers = tintora::HotKeyModifiers(Shift1->isChecked(), Ctrl1->isChecked(), Alt1->isChecked());
  HotKeyVirtualKey = 0;
  for (std::size_t i = 0; i < HotKeyItems().size(); ++i)
    if (hotKeyItems_[i]->isChecked()) HotKeyVirtualKey = HotKeyItems()[i].virtualKey;
}

void TForm1::CheckHotKeyItem(int settingsIndex) {
  const int item = HotKeyItemForSettingsIndex(settingsIndex);
  if (item >= 0) hotKeyItems_[item]->setChecked(true);
}

void TForm1::PixelCaptureHintDisplay() {
  if (!PixelCaptureActive) return;
  std::array<bool, 19> checked{};
  for (std::size_t i = 0; i < checked.size(); ++i) checked[i] = hotKeyItems_[i]->isChecked();
  QString hint =
      WindowsText(PixelCaptureHint(Shift1->isChecked(), Ctrl1->isChecked(), Alt1->isChecked(), checked));
  // Say so plainly where the desktop will not play along, rather than failing in silence.
  if (!services_.Screen().CanReadScreen()) hint += WindowsText(kNoScreenAccess);
  if (!services_.HotKey().CanGrabHotKey()) hint += WindowsText(kNoHotKey);
  CaptureDesktopSpeedButton->setToolTip(hint);
}

void TForm1::PixelCaptureToggler() {
  if (!PixelCaptureActive) {
    PixelCaptureActive = true;
    ZoomViewOnOff1->setEnabled(true);
    CaptureDesktopSpeedButton->SetGlyph(EyeDropperImage);
    PixelCaptureHintDisplay();
  } else {
    PixelCaptureActive = false;
    ZoomViewOnOff1->setEnabled(false);
    CaptureDesktopSpeedButton->SetGlyph(CameraImage);
    CaptureDesktopSpeedButton->setToolTip(WindowsText(kSnapshotHint));
  }
}

void TForm1::HotKeyPressed() {
  if (PixelCaptureActive) SetColourSelection();
}

void TForm1::CaptureDesktopSpeedButtonMouseUp(Qt::MouseButton button) {
  if (button == Qt::RightButton) {
    PixelCaptureToggler();
  } else if (PixelCaptureActive) {
    ActivePixHotKeyPopupExt->Popup(QCursor::pos());
  } else {
    CaptureDesktop();
  }
}

// ---------------------------------------------------------------- the heartbeat's capture

void TForm1::CaptureTick() {
  const QPoint p = services_.Screen().CursorPos();
  const QRect f = frameGeometry();
  if (InsideBounds(p.x(), p.y(), f.left(), f.top(), f.width(), f.height()) && isActiveWindow()) {
    if (ZoomImage->isVisible()) ZoomImage->hide();
    return;
  }
  // A read that fails this tick is simply tried again on the next.
  try {
    if (ZoomViewOnOff1->isChecked()) {
      ZoomRead(p);
    } else {
      PlainRead(p);
    }
  } catch (...) {
  }
}

void TForm1::PlainRead(QPoint p) {
  if (DebugPanel->isVisible()) {
    MouseXLabel->setText("MouseX:=" + QString::number(p.x()));
    MouseYLabel->setText("MouseY:=" + QString::number(p.y()));
  }
  const int before = ColourSelectorPanel->Colour();
  ColourSelectorUpdate(services_.Screen().PixelAt(p));
  // Shown at once (the event loop may be busy until the next tick), but only when it changed:
  // a capture resting on one colour costs next to nothing.
  if (ColourSelectorPanel->Colour() != before) {
    ColourSelectorPanel->repaint();
    ColourSelectorEdit->repaint();
  }
}

void TForm1::ZoomRead(QPoint p) {
  if (ZoomImage->isHidden()) ZoomImage->show();
  const int size = ZoomX21->isChecked() ? 2 * kZoomBlock : kZoomBlock;
  const int c = ZoomCentre(size);
  QImage block = services_.Screen().GrabRect(QRect(p.x() - c, p.y() - c, size, size));
  if (block.isNull()) return;
  ZoomBitmap = block.convertToFormat(QImage::Format_RGB32);
  MarkZoomCentre(std::span<std::uint32_t>(reinterpret_cast<std::uint32_t*>(ZoomBitmap.bits()),
                                          static_cast<std::size_t>(size) * size),
                 size);
  const QRgb centre = ZoomBitmap.pixel(c, c);
  ColourSelectorUpdate(qRed(centre) | (qGreen(centre) << 8) | (qBlue(centre) << 16));
  ZoomImage->SetPicture(
      ZoomBitmap.scaled(kZoomShown, kZoomShown, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  ZoomImage->repaint();
  ColourSelectorEdit->repaint();
}

}  // namespace tintora
