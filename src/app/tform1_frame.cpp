// The frame of the main window: start-up, first activation, closing, stay-on-top with its
// suspension around menus and message boxes, and the basic/advanced layout switch.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>

#include <QToolButton>
#include "app/about_box.h"
#include "app/controls/image_box.h"
#include "app/controls/speed_button.h"
#include "app/guarded.h"
#include "app/layout.h"
#include "app/popup_ext.h"
#include "app/services.h"
#include "app/splash_screen.h"
#include "app/tform1.h"
#include "app/tform9.h"
#include "capture/tform2.h"
#include "colour/rounding.h"
#include "colourlist/change_colour_name_dialogue.h"
#include "colourlist/colour_list_model.h"
#include "harmony/tform10.h"

namespace tintora {

void TForm1::StartUp(const QStringList& arguments) {
  commandLineArguments_ = arguments;
  ProgramStarting = true;
  FormInitialize();
  if (OnTopAtStart) OnTopToggler();
}

void TForm1::FormInitialize() {
  if (ProgramStarting) {
    OnTopState = false;
    OnTopAtStart = false;
    WebPageAddress = kWebPageAddress;
    aboutBox_->SetWebPageAddress(WebPageAddress);
  }
  DeskTopPixelCaptInit();
  FitToVisiblePanes();
  if (const QScreen* screen = this->screen()) {
    const QRect s = screen->availableGeometry();
    move(s.left() + static_cast<int>(Round(s.width() / 2.0 - width() / 2.0)),
         s.top() + static_cast<int>(Round(s.height() / 2.0 - height() / 2.0)));
  }
  ListChanged = false;
  UndoCount = 0;
  InsertBelow = false;
  for (int n = 1; n <= 3; ++n) PalettePanelUpdate(n);
  ChangeSpectrumImage(0);
  ChangeSpectrumImage(ActiveSpecCheckBox->isChecked() ? 1 : 3);
  ChangeSpectrumImage(ActiveSpecCheckBox->isChecked() ? 2 : 4);
  CombinedColourValueUpdate();
  HexHTMLUpdate();
  DerivativesLocked = true;
  OnTopImage->SetPicture(UntackedImage.toImage());
  CaptureDesktopSpeedButton->SetGlyph(CameraImage);
  LockColourSpeedButton->SetGlyph(LockedImage);
  InsertModeSpeedButton->SetGlyph(InsertAboveImage);
  form10_->WheelCustSaveSpeedButton->setIcon(SaveSpeedButton->icon());
  MultiLineHintInit();
  CDTFileParser();
  UpdatingMixer = false;
  UpdatingHS = false;
  UpdateCountLabel();
  LoadSettings();
}

void TForm1::LoadSettings() {
  // Of the settings file only the colour wheel's own section is read so far.
  ApplyColourWheelSettings();
}

bool TForm1::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) Guarded([this] { FormActivate(); });
  return QWidget::event(e);
}

void TForm1::FormActivate() {
  if (!ProgramStarting) return;
  ProgramStarting = false;
  splashScreen_->show();
  splashScreen_->raise();
  CommandLineText.clear();
  for (const QString& argument : commandLineArguments_) CommandLineText += argument + " ";
  OpenCommandLineFile();
  CommandLineText.clear();
}

void TForm1::closeEvent(QCloseEvent* event) {
  bool mayClose = false;
  Guarded([&] { mayClose = FormCloseQuery(); });
  if (!mayClose) {
    event->ignore();
    return;
  }
  bool closes = true;
  Guarded([&] { closes = FormClose(); });
  if (!closes) {
    RestoreOnTop();
    event->ignore();
    return;
  }
  event->accept();
  emit Closed();
}

bool TForm1::FormCloseQuery() {
  SuspendOnTop();
  const MessageAnswer answer = services_.ShowMessage(this, "Are you sure you want to exit?",
                                                     MessageIcon::Warning, MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) {
    RestoreOnTop();
    return false;
  }
  return true;  // stay-on-top stays suspended while the program ends
}

bool TForm1::FormClose() {
  if (ListChanged) {
    services_.Beep(BeepKind::Exclamation);
    const MessageAnswer answer =
        services_.ShowMessage(this, "Colour List Has Changed!  Do you want to save it?", MessageIcon::Warning,
                              MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) {
      saveDialogTitle_ = "Tintora v1.0: List Has Changed!";
      const SaveOutcome outcome = FileSaveAs1Execute();
      saveDialogTitle_ = "Tintora: Save Custom Colour List";
      // Closing would lose a list the user wanted kept; it stays until it is saved.
      return outcome == SaveOutcome::Saved;
    }
  }
  Memo1.clear();
  listModel_->Reset([](ColourList& l) { l.Clear(); });
  saveDialogFileName_.clear();
  ListChanged = false;
  return true;
}

// ---------------------------------------------------------------- stay on top

void TForm1::ApplyStayOnTop(QWidget* window, bool on) {
  if (!window || window->testAttribute(Qt::WA_WState_Created) == false) {
    if (window) window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    return;
  }
  if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
  const bool visible = window->isVisible();
  window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (visible) window->show();
}

void TForm1::OnTopToggler() {
  const bool on = !windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  OnTopState = on;
  for (QWidget* w :
       {static_cast<QWidget*>(this), static_cast<QWidget*>(form2_.get()),
        static_cast<QWidget*>(aboutBox_.get()), static_cast<QWidget*>(changeColourNameDialogue_.get())})
    ApplyStayOnTop(w, on);
  OnTopImage->SetPicture((on ? TackedImage : UntackedImage).toImage());
}

void TForm1::OnTopImageClick() { OnTopToggler(); }

void TForm1::SuspendOnTop() { OnTopSuspended = OnTopState; }

void TForm1::RestoreOnTop() { OnTopSuspended = false; }

void TForm1::BeforePopUp(TPopupExt*) { SuspendOnTop(); }

void TForm1::AfterPopUp(TPopupExt*) {
  // A menu command may have opened an option window, which keeps the suspension until it closes.
  if (!form9_->isVisible() && !form10_->isVisible()) RestoreOnTop();
}

// ---------------------------------------------------------------- basic and advanced

void TForm1::BasicAdvancedShowHide() {
  if (!PageControl1->isHidden()) {
    PageControl1->hide();
    ColourViewerGroupBox->hide();
    ColourListGroupBox->hide();
  } else {
    PageControl1->show();
    ColourViewerGroupBox->show();
    ColourListGroupBox->show();
  }
  FitToVisiblePanes();
}

void TForm1::ExpandImageClick() { BasicAdvancedShowHide(); }

void TForm1::FitToVisiblePanes() {
  QRect bounds;
  for (QWidget* pane :
       {static_cast<QWidget*>(ColourSelectGroupBox), static_cast<QWidget*>(RGBValuesGroupBox),
        ExternalColourSourcePanel, static_cast<QWidget*>(PageControl1),
        static_cast<QWidget*>(ColourViewerGroupBox), static_cast<QWidget*>(ColourListGroupBox), DonatePanel})
    if (!pane->isHidden()) bounds = bounds.united(pane->geometry());
  setFixedSize(bounds.right() + 1 + layout::kMargin, bounds.bottom() + 1 + layout::kMargin);
}

// ---------------------------------------------------------------- helpers

void TForm1::Delay(int milliseconds) {
  // Waits while the window system's messages are still handled, so handlers may run inside.
  if (milliseconds <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

QString TForm1::GetAppPath() const {
  return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/");
}

QString TForm1::GetMyDocDir() const {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void TForm1::HelpImageClick() {
  TAboutBox* about = aboutBox_.get();
  about->adjustSize();
  const QRect main = frameGeometry();
  about->move(main.left() + static_cast<int>(Round(main.width() / 2.0)) -
                  static_cast<int>(Round(about->width() / 2.0)),
              main.top() + static_cast<int>(Round(main.height() / 2.0)) -
                  static_cast<int>(Round(about->height() / 2.0)));
  about->show();
  about->raise();
}

void TForm1::DebugButtonClick() {
  // The data box and the debug panel share one place; they show and hide together.
  DebugPanel->setVisible(DebugPanel->isHidden());
}

void TForm1::ConnectFrame() {
  Link(ExpandImage, &ImageBox::Clicked, this, [this] { ExpandImageClick(); });
  Link(OnTopImage, &ImageBox::Clicked, this, [this] { OnTopImageClick(); });
  Link(HelpImage, &ImageBox::Clicked, this, [this] { HelpImageClick(); });
  Link(DebugButton, &QPushButton::clicked, this, [this](bool) { DebugButtonClick(); });
}

}  // namespace tintora
