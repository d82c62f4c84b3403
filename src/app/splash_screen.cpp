#include "app/splash_screen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "version.h"
#include "widgets/centre.h"
#include "widgets/layouts.h"
#include "widgets/make.h"

namespace tintora {

namespace {

// A band of the hue circle: the splash's picture.
QPixmap SplashPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int x = 0; x < width; ++x) {
    const QColor c = QColor::fromHsvF(static_cast<float>(x) / static_cast<float>(width), 0.8f, 0.95f);
    for (int y = 0; y < height; ++y) image.setPixel(x, y, c.rgb());
  }
  return QPixmap::fromImage(image);
}

}  // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus) {
  // A splash is looked at, never typed into: showing it leaves the focus where it was.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setObjectName("SplashScreen");
  setWindowTitle("Splash");
  setAutoFillBackground(true);
  QPalette pal = palette();
  // The splash is a designed picture: black on white whatever the desktop's colours.
  pal.setColor(QPalette::Window, Qt::white);
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);

  auto* picture = Make<QLabel>(this, "Image1");
  picture->setPixmap(SplashPicture(320, 24));
  picture->setScaledContents(true);  // the strip spans the window, however wide its text makes it
  picture->setMinimumSize(320, 24);
  auto* title = Make<QLabel>(this, "Label1", {}, kProductTitle);
  QFont f = title->font();
  f.setPointSize(f.pointSize() + 8);
  f.setBold(true);
  title->setFont(f);
  title->setAlignment(Qt::AlignCenter);
  auto* subtitle = Make<QLabel>(this, "Label2", {}, "A colour picker for web pages and graphics");
  subtitle->setAlignment(Qt::AlignCenter);
  auto* version = Make<QLabel>(this, "Label3", {}, QString("Version ") + kVersion);
  version->setAlignment(Qt::AlignCenter);
  QVBoxLayout* column = ColumnOn(this, true);
  column->setSizeConstraint(QLayout::SetFixedSize);
  column->setContentsMargins(0, 0, 0, column->spacing() * 2);
  column->addWidget(picture);
  column->addSpacing(column->spacing() * 2);
  for (QLabel* l : {title, subtitle, version}) {
    l->setContentsMargins(16, 0, 16, 0);
    column->addWidget(l);
  }

  CloseTimer = new QTimer(this);
  CloseTimer->setObjectName("Timer1");
  CloseTimer->setInterval(3000);
  connect(CloseTimer, &QTimer::timeout, this, &SplashWindow::OnCloseTimer);
  FormCreate();
  CloseTimer->start();
}

void SplashWindow::FormCreate() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  move(CentreOnScreen(screen->geometry(), size()));
}

// The timer keeps running: a later showing closes again at the next tick.
void SplashWindow::OnCloseTimer() { close(); }

}  // namespace tintora
