#include "app/splash_screen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "colour/rounding.h"

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

  auto* picture = new QLabel(this);
  picture->setObjectName("Image1");
  picture->setPixmap(SplashPicture(320, 24));
  picture->setGeometry(0, 0, 320, 24);

  auto* title = new QLabel("Tintora v2.0", this);
  title->setObjectName("Label1");
  QFont f = title->font();
  f.setPointSize(f.pointSize() + 8);
  f.setBold(true);
  title->setFont(f);
  title->setAlignment(Qt::AlignCenter);
  title->setGeometry(0, 40, 320, 40);

  auto* subtitle = new QLabel("A colour picker for web pages and graphics", this);
  subtitle->setObjectName("Label2");
  subtitle->setAlignment(Qt::AlignCenter);
  subtitle->setGeometry(0, 84, 320, 20);

  auto* version = new QLabel("Version 2.0.2.2", this);
  version->setObjectName("Label3");
  version->setAlignment(Qt::AlignCenter);
  version->setGeometry(0, 112, 320, 20);

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
  const QRect s = screen->geometry();
  move(s.left() + static_cast<int>(Round(s.width() / 2.0 - width() / 2.0)),
       s.top() + static_cast<int>(Round(s.height() / 2.0 - height() / 2.0)));
}

// The timer keeps running: a later showing closes again at the next tick.
void TSplashScreen::Timer1Timer() { close(); }

}  // namespace tintora
