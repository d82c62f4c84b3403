// The screen on a Wayland desktop, through xdg-desktop-portal's Screenshot interface: no pixel
// can be read live, but the desktop picks one colour, or takes one picture, when asked.
#include <QCursor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QUrl>
#include <optional>

#include "capture/platform/backends.h"
#include "capture/platform/portal/portal_request.h"

namespace tintora {

namespace {

constexpr const char* kScreenshot = "org.freedesktop.portal.Screenshot";

// The colour of PickColor's "color" result, a (ddd) structure; nothing when there is none.
std::optional<Rgb8> ColourOfResult(const QVariantMap& results) {
  const QVariant v = results.value("color");
  if (!v.canConvert<QDBusArgument>()) return std::nullopt;
  const QDBusArgument argument = v.value<QDBusArgument>();
  if (argument.currentType() != QDBusArgument::StructureType) return std::nullopt;
  double red = 0, green = 0, blue = 0;
  argument.beginStructure();
  argument >> red >> green >> blue;
  argument.endStructure();
  return PortalColour(red, green, blue);
}

// One image pixel per logical pixel, as the snapshot window expects: the portal gives device pixels.
QImage Logical(const QImage& picture) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const qreal dpr = screen ? screen->devicePixelRatio() : 1.0;
  return OnePixelPerLogicalPixel(
      picture, QSize(static_cast<int>(picture.width() / dpr), static_cast<int>(picture.height() / dpr)));
}

ScreenAnswer PictureOfResult(const QVariantMap& results) {
  const QUrl uri(results.value("uri").toString());
  if (!uri.isLocalFile()) return ScreenAnswer::Failure("The desktop portal gave no picture.");
  const QString path = uri.toLocalFile();
  QImage picture(path);
  // The portal's copy in a scratch folder is ours to tidy; one it saved among the user's
  // pictures stays where it is.
  const QString temp = QDir(QDir::tempPath()).canonicalPath();
  const QString canonical = QFileInfo(path).canonicalFilePath();
  if (!canonical.isEmpty() && IsPortalScratchFile(canonical.toStdString(), temp.toStdString()))
    QFile::remove(canonical);
  if (picture.isNull())
    return ScreenAnswer::Failure(
        QString("The picture the desktop portal took could not be read:\r\n%1").arg(path));
  return ScreenAnswer::Picture(Logical(picture));
}

class PortalScreenAccess final : public QtScreenAccess {
 public:
  QString BackendName() const override { return ScreenBackendName(ScreenBackend::Portal); }
  bool CanReadScreen() const override { return false; }
  bool PicksOnRequest() const override { return true; }
  std::optional<Rgb8> PixelAt(QPoint) override { return std::nullopt; }
  QImage GrabRect(QRect) override { return {}; }
  QImage GrabPrimaryScreen() override { return {}; }

  void PickColour(ScreenAnswerHandler done) override {
    // The portal's picker holds the pointer while it is open; a second request meanwhile is dropped.
    if (picking_) return done(ScreenAnswer::Cancelled());
    picking_ = true;
    PortalRequest::Start(
        &requests_, kScreenshot, "PickColor", {QString()}, {},
        [this, done](PortalOutcome outcome, const QVariantMap& results, const QString& message) {
          picking_ = false;
          if (outcome == PortalOutcome::Cancelled) return done(ScreenAnswer::Cancelled());
          if (outcome == PortalOutcome::Failed) return done(ScreenAnswer::Failure(message));
          const std::optional<Rgb8> colour = ColourOfResult(results);
          if (!colour) return done(ScreenAnswer::Failure("The desktop portal gave no colour."));
          done(ScreenAnswer::Colour(*colour));
        });
  }

  void TakeSnapshot(ScreenAnswerHandler done) override {
    if (shooting_) return done(ScreenAnswer::Cancelled());
    shooting_ = true;
    PortalRequest::Start(
        &requests_, kScreenshot, "Screenshot", {QString()}, {{"interactive", false}, {"modal", true}},
        [this, done](PortalOutcome outcome, const QVariantMap& results, const QString& message) {
          shooting_ = false;
          if (outcome == PortalOutcome::Cancelled) return done(ScreenAnswer::Cancelled());
          if (outcome == PortalOutcome::Failed) return done(ScreenAnswer::Failure(message));
          done(PictureOfResult(results));
        });
  }

 private:
  QObject requests_;  // the requests still out; they die with us
  bool picking_ = false;
  bool shooting_ = false;
};

}  // namespace

bool PortalAnswers() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  // Asked once at start, and the portal may first have to be started: a short wait, not a hang.
  const QDBusMessage reply = bus.call(PortalVersionQuery(kScreenshot), QDBus::Block, 3000);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
  return reply.arguments().first().value<QDBusVariant>().variant().toUInt() >= 2;  // PickColor came in 2
}

std::unique_ptr<ScreenAccess> MakePortalScreenAccess() { return std::make_unique<PortalScreenAccess>(); }

}  // namespace tintora
