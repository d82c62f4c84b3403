#include "app/splash_screen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "widgets/centre.h"
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

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("SplashScreen");
  setWindowTitle("Splash");
  setFixedSize(320, 150);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  auto* picture = Make<QLabel>(this, "Image1", {0, 0, 320, 24});
  picture->setPixmap(SplashPicture(320, 24));
  auto* title = Make<QLabel>(this, "Label1", {0, 40, 320, 40}, {}, "Tintora v2.0");
  QFont f = title->font();
  f.setPointSize(f.pointSize() + 8);
  f.setBold(true);
  title->setFont(f);
  title->setAlignment(Qt::AlignCenter);
  auto* subtitle =
      Make<QLabel>(this, "Label2", {0, 84, 320, 20}, {}, "A colour picker for web pages and graphics");
  subtitle->setAlignment(Qt::AlignCenter);
  auto* version = Make<QLabel>(this, "Label3", {0, 112, 320, 20}, {}, "Version 2.0.2.2");
  version->setAlignment(Qt::AlignCenter);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(3000);
  connect(Timer1, &QTimer::timeout, this, &TSplashScreen::Timer1Timer);
  FormCreate();
  Timer1->start();
}

void TSplashScreen::FormCreate() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  move(CentreOnScreen(screen->geometry(), size()));
}

// The timer keeps running: a later showing closes again at the next tick.
void TSplashScreen::Timer1Timer() { close(); }

}  // namespace tintora
