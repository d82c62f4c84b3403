#include "capture/tform2.h"

#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/colour/rounding.h"
#include "widgets/guarded.h"
#include "widgets/image_box.h"
#include "widgets/layouts.h"
#include "widgets/make.h"

namespace tintora {

// A dialog to the window system, so that it names its owner and stays above it as the other
// secondary windows do (Qt names an owner only for dialogs), with a plain window's buttons.
TForm2::TForm2(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
  setObjectName("Form2");
  setWindowTitle("Screen Shot");
  Panel1 = Make<QScrollArea>(this, "Panel1");
  Panel1->setAccessibleName("Screen shot");
  Panel1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  Panel1->setAlignment(Qt::AlignCenter);
  Image1 = Make<ImageBox>(nullptr, "Image1");
  Image1->setCursor(Qt::CrossCursor);
  Image1->setAccessibleName("Screen shot");
  Image1->setAccessibleDescription("A picture of the desktop to take colours from");
  Image1->Picture() = QImage(1, 1, QImage::Format_RGB32);
  Panel1->setWidget(Image1);
  ColumnOn(this, true)->addWidget(Panel1);

  Link(Image1, &ImageBox::MouseMoved, this, [this](QPoint p) { emit PointedAt(p, false); });
  Link(Image1, &ImageBox::MousePressed, this, [this](Qt::MouseButton b, QPoint p) {
    if (b == Qt::LeftButton) emit PointedAt(p, true);
    if (b == Qt::RightButton) emit MenuRequested(Image1->mapToGlobal(p));
  });
}

void TForm2::SetPicture(const QImage& picture) {
  // Pictures are kept at 32 bits per pixel, whatever came in.
  Image1->SetPicture(picture.convertToFormat(QImage::Format_RGB32));
  Image1->resize(picture.size());
}

void TForm2::ClearPicture() { SetPicture(QImage(1, 1, QImage::Format_RGB32)); }

const QImage& TForm2::Picture() const { return Image1->Picture(); }

void TForm2::showEvent(QShowEvent* event) {
  if (mainBounds_) {
    const QRect m = mainBounds_();
    setGeometry(QRect(QPoint(m.left() + static_cast<int>(Round(m.width() / 16.0)),
                             m.top() + static_cast<int>(Round(m.height() / 4.0))),
                      QSize(m.width() - static_cast<int>(Round(m.width() / 4.0)),
                            m.height() - static_cast<int>(Round(m.height() / 8.0)))));
  }
  QWidget::showEvent(event);
}

}  // namespace tintora
