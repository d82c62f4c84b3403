#include "capture/pixel_capture.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QWidget>

#include "capture/platform/global_hot_key.h"
#include "capture/platform/screen_access.h"
#include "core/capture/capture_maths.h"
#include "core/capture/hot_key.h"
#include "core/colour/css_colour.h"
#include "core/colour/notations.h"
#include "core/settings/settings_values.h"
#include "widgets/colour_selection.h"
#include "widgets/debug_panel.h"
#include "widgets/guarded.h"
#include "widgets/image_box.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/popup_ext.h"
#include "widgets/services.h"
#include "widgets/speed_button.h"
#include "widgets/stay_on_top.h"

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

PixelCapture::PixelCapture(QWidget* sources, QWidget* zoomHost, QWidget* window, ColourSelection& selection,
                           DebugPanel& debug, StayOnTop& onTop, Services& services)
    : window_(window),
      selection_(selection),
      debug_(debug),
      onTop_(onTop),
      services_(services),
      management_(services.Screen()) {
  CaptureDesktopSpeedButton = Make<SpeedButton>(sources, "CaptureDesktopSpeedButton");
  AddInOrder(static_cast<QBoxLayout*>(sources->layout()), CaptureDesktopSpeedButton, 1);
  CaptureDesktopSpeedButton->SetGlyph(":/glyphs/camera.svg");
  CaptureDesktopSpeedButton->setAccessibleName("Capture");
  ZoomImage = MakeInPicture<ImageBox>(zoomHost, "ZoomImage", {7, 7, 49, 50});
  ZoomImage->setAccessibleName("Magnifier");
  ZoomImage->setAccessibleDescription("The pixels around the pointer, magnified");
  ZoomImage->hide();

  PopupMenu* menu = ActivePixHotKeyPopupExt = MakePopup(sources, "ActivePixHotKeyPopupExt", onTop);
  // Shown only where the desktop will not let us hold a key, so the menu does not pretend.
  HotKeyUnavailableAction = menu->AddItem("HotKeyUnavailable1", "Hot key unavailable on this desktop");
  HotKeyUnavailableAction->setEnabled(false);
  HotKeyUnavailableAction->setVisible(false);
  ShiftAction = menu->AddItem("Shift1", "Shift+", true);
  CtrlAction = menu->AddItem("Ctrl1", "Ctrl+", true);
  AltAction = menu->AddItem("Alt1", "Alt+", true);
  AltAction->setChecked(true);
  menu->addSeparator();
  auto* keys = new QActionGroup(this);
  keys->setExclusive(true);
  for (std::size_t i = 0; i < HotKeyItems().size(); ++i) {
    const HotKeyItem& item = HotKeyItems()[i];
    if (item.settingsIndex == 10) menu->addSeparator();  // the number pad
    hotKeyItems_[i] = menu->AddItem(item.name, item.caption, true);
    keys->addAction(hotKeyItems_[i]);
  }
  hotKeyItems_[5]->setChecked(true);  // F8

  ZoomViewAction = MakeAction(zoomHost, "ZoomViewOnOff1", "Zoom View On/Off", true);
  ZoomViewAction->setEnabled(false);
  ZoomX2Action = MakeAction(zoomHost, "ZoomX21", "Zoom x2", true);
  ZoomX4Action = MakeAction(zoomHost, "ZoomX41", "Zoom x4", true);
  auto* zoom = new QActionGroup(this);
  zoom->addAction(ZoomX2Action);
  zoom->addAction(ZoomX4Action);
  ZoomX4Action->setChecked(true);
  // The square a pick averages, in linear light: one pixel unless the user asks for more.
  sampleMenu_ = new QMenu("Sample Size", zoomHost);
  sampleMenu_->setObjectName("SampleSize1");
  auto* samples = new QActionGroup(this);
  for (std::size_t i = 0; i < std::size(kSampleSizes); ++i) {
    const int n = kSampleSizes[i];
    QAction* item = MakeAction(zoomHost, QString("Sample%1x%1").arg(n).toUtf8().constData(),
                               n == 1 ? QString("1 x 1 Pixel") : QString("%1 x %1 Average").arg(n), true);
    samples->addAction(item);
    sampleMenu_->addAction(item);
    sampleItems_[i] = item;
    Link(item, &QAction::triggered, this, [this, n](bool) { SetSampleSize(n); });
  }
  sampleItems_[0]->setChecked(true);
  // Where the display publishes a colour profile, picks are the sRGB colours the screen shows;
  // the screen's own numbers stay one click away.
  displayProfileItem_ = MakeAction(zoomHost, "UseDisplayProfile1", "Use Display Profile", true);
  displayProfileItem_->setChecked(true);
  Link(displayProfileItem_, &QAction::triggered, this, [this](bool on) {
    management_.SetEnabled(on);
    management_.Refresh(QCursor::pos());
  });
  screenValueItem_ = MakeAction(zoomHost, "CopyScreenValue1", "Copy Screen Value");
  screenValueItem_->setEnabled(false);
  Link(screenValueItem_, &QAction::triggered, this, [this](bool) {
    if (const std::optional<Rgb8> device = management_.DeviceValue())
      services_.SetClipboardText(QString::fromStdString(WriteCssColour(*device, CssNotation::Hex)));
  });
  management_.SetHintHandler([this] { PixelCaptureHintDisplay(); });

  Link(CaptureDesktopSpeedButton, &SpeedButton::MouseUp, this,
       [this](Qt::MouseButton b) { CaptureDesktopSpeedButtonMouseUp(b); });
  for (QAction* a : {ShiftAction, CtrlAction, AltAction})
    Link(a, &QAction::triggered, this, [this](bool) { SetupHotkeys(); });
  for (QAction* a : hotKeyItems_)
    Link(a, &QAction::triggered, this, [this, a](bool) {
      a->setChecked(true);
      SetupHotkeys();
    });
  services_.HotKey().SetHandler([this] { Guarded([this] { HotKeyPressed(); }); });
  qApp->installEventFilter(this);
  services_.HotKey().SetAvailabilityHandler([this] { emit TickWanted(); });
}

PixelCapture::~PixelCapture() {
  // Every key we held is given back when the program ends.
  services_.HotKey().SetHandler(nullptr);
  services_.HotKey().SetAvailabilityHandler(nullptr);
  services_.HotKey().Unregister();
}

QList<QAction*> PixelCapture::ZoomActions() const { return {ZoomViewAction, ZoomX2Action, ZoomX4Action}; }

void PixelCapture::SetSampleSize(int size) {
  size = SampleSizeOrOne(size);
  for (std::size_t i = 0; i < std::size(kSampleSizes); ++i)
    sampleItems_[i]->setChecked(kSampleSizes[i] == size);
  if (size == sampleSize_) return;
  sampleSize_ = size;
  ZoomBitmap = QImage();  // the magnifier draws its outline anew
  emit SampleSizeChanged(size);
}

// ---------------------------------------------------------------- hot keys

void PixelCapture::DeskTopPixelCaptInit() {
  SetupHotkeys();
  ZoomBitmap = QImage(kZoomBlock, kZoomBlock, QImage::Format_RGB32);
}

void PixelCapture::SetupHotkeys() {
  PixelCaptureHintDisplay();
  HotKeyModifiers =
      tintora::HotKeyModifiers(ShiftAction->isChecked(), CtrlAction->isChecked(), AltAction->isChecked());
  HotKeyVirtualKey = 0;
  for (std::size_t i = 0; i < HotKeyItems().size(); ++i)
    if (hotKeyItems_[i]->isChecked()) HotKeyVirtualKey = HotKeyItems()[i].virtualKey;
  hotKeyHeld_ = false;  // the next tick registers the new combination
  emit TickWanted();
}

void PixelCapture::CheckHotKeyItem(int settingsIndex) {
  const int item = HotKeyItemForSettingsIndex(settingsIndex);
  if (item >= 0) hotKeyItems_[item]->setChecked(true);
}

void PixelCapture::ApplySettings(const SettingsValues& v) {
  storedCaptureActive_ = v.activePixelCapture;
  if (v.activePixelCapture && !PixelCaptureActive && !services_.Screen().PicksOnRequest())
    PixelCaptureToggler();
  // A missing key unchecks its item: without a settings file the hot key is F8 alone.
  ZoomViewAction->setChecked(v.zoomView);
  SetSampleSize(v.sampleSize);
  displayProfileItem_->setChecked(!v.ignoreDisplayProfile);
  management_.SetEnabled(!v.ignoreDisplayProfile);
  ShiftAction->setChecked(v.hotKeyShift);
  CtrlAction->setChecked(v.hotKeyCtrl);
  AltAction->setChecked(v.hotKeyAlt);
  CheckHotKeyItem(v.hotKeySuffix);
  SetupHotkeys();
}

void PixelCapture::CollectSettings(SettingsValues& v) const {
  v.activePixelCapture = services_.Screen().PicksOnRequest() ? storedCaptureActive_ : PixelCaptureActive;
  v.zoomView = ZoomViewAction->isChecked();
  v.sampleSize = sampleSize_;
  v.ignoreDisplayProfile = !management_.Enabled();
  v.hotKeyShift = ShiftAction->isChecked();
  v.hotKeyCtrl = CtrlAction->isChecked();
  v.hotKeyAlt = AltAction->isChecked();
  v.hotKeySuffix = 0;
  for (std::size_t i = 0; i < HotKeyItems().size(); ++i)
    if (hotKeyItems_[i]->isChecked()) v.hotKeySuffix = HotKeyItems()[i].settingsIndex;
}

void PixelCapture::PixelCaptureHintDisplay() {
  const QString managed = management_.Hint().isEmpty() ? QString() : "\n" + management_.Hint();
  if (services_.Screen().PicksOnRequest()) {
    QString hint = WindowsText(kPickOnRequestHint);
    if (!services_.HotKey().CanGrabHotKey()) hint += WindowsText(kNoHotKey);
    CaptureDesktopSpeedButton->setToolTip(hint);
    return;
  }
  if (!PixelCaptureActive) {
    CaptureDesktopSpeedButton->setToolTip(WindowsText(kSnapshotHint) + managed);
    return;
  }
  std::array<bool, 19> checked{};
  for (std::size_t i = 0; i < checked.size(); ++i) checked[i] = hotKeyItems_[i]->isChecked();
  QString hint = WindowsText(
      PixelCaptureHint(ShiftAction->isChecked(), CtrlAction->isChecked(), AltAction->isChecked(), checked));
  // Say so plainly where the desktop will not play along, rather than failing in silence.
  if (!services_.Screen().CanReadScreen()) hint += WindowsText(kNoScreenAccess);
  if (!services_.HotKey().CanGrabHotKey()) hint += WindowsText(kNoHotKey);
  CaptureDesktopSpeedButton->setToolTip(hint + managed);
}

void PixelCapture::PixelCaptureToggler() {
  PixelCaptureActive = !PixelCaptureActive;
  if (PixelCaptureActive) emit TickWanted();
  ZoomViewAction->setEnabled(PixelCaptureActive);
  CaptureDesktopSpeedButton->SetGlyph(PixelCaptureActive ? ":/glyphs/eyedropper.svg" : ":/glyphs/camera.svg");
  if (PixelCaptureActive) {
    PixelCaptureHintDisplay();
  } else {
    PixelCaptureHintDisplay();
    ZoomImage->hide();  // the selector shows its colour again, not the last magnified picture
  }
}

bool PixelCapture::eventFilter(QObject* watched, QEvent* event) {
  if (!PixelCaptureActive || event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  // While capture is on, the arrow keys move the pointer a pixel at a time (ten with Shift), so
  // that a one-pixel line can be landed on; text fields and number boxes keep their arrows.
  auto* key = static_cast<QKeyEvent*>(event);
  QPoint step;
  switch (key->key()) {
    case Qt::Key_Left:
      step = {-1, 0};
      break;
    case Qt::Key_Right:
      step = {1, 0};
      break;
    case Qt::Key_Up:
      step = {0, -1};
      break;
    case Qt::Key_Down:
      step = {0, 1};
      break;
    default:
      return QObject::eventFilter(watched, event);
  }
  const QWidget* focus = QApplication::focusWidget();
  if (!focus || focus->window() != window_ || qobject_cast<const QLineEdit*>(focus) ||
      qobject_cast<const QTextEdit*>(focus) || qobject_cast<const QPlainTextEdit*>(focus) ||
      qobject_cast<const QAbstractSpinBox*>(focus))
    return QObject::eventFilter(watched, event);
  services_.Screen().MovePointer(step * (key->modifiers() & Qt::ShiftModifier ? 10 : 1));
  emit TickWanted();
  return true;
}

void PixelCapture::HotKeyPressed() {
  if (PixelCaptureActive) {
    selection_.SetColourSelection();
    emit Picked(selection_.Colour());
  } else if (services_.Screen().PicksOnRequest()) {
    // No pixel follows the pointer here: the key asks for one to be picked.
    PickOnce();
  }
}

void PixelCapture::PickOnce() {
  QPointer<PixelCapture> self(this);
  services_.Screen().PickColour([self](const ScreenAnswer& answer) {
    if (!self) return;
    Guarded([&] {
      if (answer.outcome == ScreenAnswer::Outcome::Done) {
        if (answer.colour) self->selection_.ColourSelectorUpdate(*answer.colour);
        self->selection_.SetColourSelection();
        emit self->Picked(self->selection_.Colour());
      } else if (answer.outcome == ScreenAnswer::Outcome::Failed) {
        self->services_.ShowMessage(self->window_, "Pick Colour:\r\n\r\n" + answer.message,
                                    MessageIcon::Warning, MessageButtons::Ok);
      }
    });
  });
}

bool PixelCapture::NeedsTick() const {
  if (PixelCaptureActive) return true;
  // A combination another program holds is tried again each tick until it is free.
  const bool canGrab = services_.HotKey().CanGrabHotKey();
  return canGrab != hintCanGrab_ || (canGrab && HotKeyVirtualKey != 0 && !hotKeyHeld_);
}

void PixelCapture::HoldHotKey() {
  hotKeyHeld_ = services_.HotKey().Register(HotKeyModifiers, HotKeyVirtualKey);
  // A desktop portal tells whether it has global shortcuts only some time after start.
  const bool canGrab = services_.HotKey().CanGrabHotKey();
  if (canGrab != hintCanGrab_) {
    hintCanGrab_ = canGrab;
    PixelCaptureHintDisplay();
  }
}

void PixelCapture::CaptureDesktopSpeedButtonMouseUp(Qt::MouseButton button) {
  if (services_.Screen().PicksOnRequest()) {
    if (button == Qt::RightButton) {
      PickOnce();
    } else if (button == Qt::MiddleButton) {
      PopupHotKeyMenu();
    } else {
      emit SnapshotRequested();
    }
  } else if (button == Qt::RightButton) {
    PixelCaptureToggler();
  } else if (PixelCaptureActive) {
    PopupHotKeyMenu();
  } else {
    emit SnapshotRequested();
  }
}

void PixelCapture::PopupHotKeyMenu() {
  HotKeyUnavailableAction->setVisible(!services_.HotKey().CanGrabHotKey());
  ActivePixHotKeyPopupExt->Popup(QCursor::pos());
}

}  // namespace tintora
