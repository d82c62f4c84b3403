#include "capture/screen_shot_window.h"

#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/colour/rounding.h"
#include "widgets/centre.h"
#include "widgets/guarded.h"
#include "widgets/image_box.h"
#include "widgets/layouts.h"
#include "widgets/make.h"

namespace tintora {

// A dialog to the window system, so that it names its owner and stays above it as the other
// secondary windows do (Qt names an owner only for dialogs), with a plain window's buttons.
ScreenShotWindow::ScreenShotWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
  setObjectName("Form2");
  setWindowTitle("Screen Shot");
  PictureScroller = Make<QScrollArea>(this, "Panel1");
  PictureScroller->setAccessibleName("Screen shot");
  PictureScroller->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  PictureScroller->setAlignment(Qt::AlignCenter);
  PictureBox = Make<ImageBox>(nullptr, "Image1");
  PictureBox->setCursor(Qt::CrossCursor);
  PictureBox->setAccessibleName("Screen shot");
  PictureBox->setAccessibleDescription("A picture of the desktop to take colours from");
  PictureBox->Picture() = QImage(1, 1, QImage::Format_RGB32);
  PictureScroller->setWidget(PictureBox);
  ColumnOn(this, true)->addWidget(PictureScroller);

  Link(PictureBox, &ImageBox::MouseMoved, this, [this](QPoint p) { emit PointedAt(p, false); });
  Link(PictureBox, &ImageBox::MousePressed, this, [this](Qt::MouseButton b, QPoint p) {
    if (b == Qt::LeftButton) emit PointedAt(p, true);
    if (b == Qt::RightButton) emit MenuRequested(PictureBox->mapToGlobal(p));
  });
}

void ScreenShotWindow::SetPicture(const QImage& picture) {
  // Pictures are kept at 32 bits per pixel, whatever came in.
  PictureBox->SetPicture(picture.convertToFormat(QImage::Format_RGB32));
  PictureBox->resize(picture.size());
}

void ScreenShotWindow::ClearPicture() { SetPicture(QImage(1, 1, QImage::Format_RGB32)); }

const QImage& ScreenShotWindow::Picture() const { return PictureBox->Picture(); }

void ScreenShotWindow::showEvent(QShowEvent* event) {
  if (mainBounds_) {
    const QRect m = mainBounds_();
    const QSize size(m.width() - static_cast<int>(Round(m.width() / 4.0)),
                     m.height() - static_cast<int>(Round(m.height() / 8.0)));
    setGeometry(QRect(QPoint(m.left() + static_cast<int>(Round(m.width() / 16.0)),
                             m.top() + static_cast<int>(Round(m.height() / 4.0))),
                      size));
    // That place may reach past the screen's edge when the main window is near it.
    KeepOnScreen(this, size);
  }
  QWidget::showEvent(event);
}

}  // namespace tintora
