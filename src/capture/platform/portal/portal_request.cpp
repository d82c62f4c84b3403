#include "capture/platform/portal/portal_request.h"

#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QRandomGenerator>

namespace tintora {

QDBusMessage PortalVersionQuery(const QString& interface) {
  QDBusMessage get =
      QDBusMessage::createMethodCall(kPortalService, kPortalPath, "org.freedesktop.DBus.Properties", "Get");
  get << interface << QString("version");
  return get;
}

int PortalTimeoutMs() {
  bool ok = false;
  const int ms = qEnvironmentVariableIntValue("TINTORA_PORTAL_TIMEOUT_MS", &ok);
  return ok && ms > 0 ? ms : 60000;
}

PortalRequest::PortalRequest(QObject* owner, QDBusConnection bus, Handler done)
    : QObject(owner), bus_(std::move(bus)), done_(std::move(done)) {
  timeout_.setSingleShot(true);
  // A coarse timer may fire 5 % early: a 3 s time-out would give up after 2.85 s.
  timeout_.setTimerType(Qt::PreciseTimer);
  connect(&timeout_, &QTimer::timeout, this, [this] {
    // Whatever the portal shows for it has no use any more.
    if (!path_.isEmpty())
      bus_.asyncCall(
          QDBusMessage::createMethodCall(kPortalService, path_, "org.freedesktop.portal.Request", "Close"));
    const int seconds = (timeout_.interval() + 999) / 1000;
    Finish(PortalOutcome::Failed, {},
           QString("The desktop portal did not answer within %1 second%2.")
               .arg(seconds)
               .arg(seconds == 1 ? "" : "s"));
  });
}

PortalRequest* PortalRequest::Start(QObject* owner, const QString& interface, const QString& method,
                                    const QVariantList& arguments, QVariantMap options, Handler done) {
  auto* request = new PortalRequest(owner, QDBusConnection::sessionBus(), std::move(done));
  if (!request->bus_.isConnected()) {
    // Answered from the event loop, as a portal's answer would be: callers need not expect it
    // before Start has returned.
    QTimer::singleShot(0, request, [request] {
      request->Finish(PortalOutcome::Failed, {}, "There is no session bus to reach the desktop portal on.");
    });
    return request;
  }
  const QString token = QString("tintora%1").arg(QRandomGenerator::global()->generate());
  options.insert("handle_token", token);
  // Listen before asking, so an answer that comes quickly is not missed.
  request->Listen(QString::fromStdString(
      PortalRequestPath(request->bus_.baseService().toStdString(), token.toStdString())));
  QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath, interface, method);
  call.setArguments(QVariantList(arguments) << options);
  auto* watcher = new QDBusPendingCallWatcher(request->bus_.asyncCall(call, PortalTimeoutMs()), request);
  connect(watcher, &QDBusPendingCallWatcher::finished, request, [request](QDBusPendingCallWatcher* w) {
    w->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *w;
    if (reply.isError()) {
      request->Finish(PortalOutcome::Failed, {},
                      QString("The desktop portal refused the request: %1").arg(reply.error().message()));
      return;
    }
    // Older portals chose the path themselves.
    if (reply.value().path() != request->path_) request->Listen(reply.value().path());
  });
  request->timeout_.start(PortalTimeoutMs());
  return request;
}

void PortalRequest::Listen(const QString& path) {
  if (!path_.isEmpty())
    bus_.disconnect(kPortalService, path_, "org.freedesktop.portal.Request", "Response", this,
                    SLOT(Response(uint, QVariantMap)));
  path_ = path;
  bus_.connect(kPortalService, path_, "org.freedesktop.portal.Request", "Response", this,
               SLOT(Response(uint, QVariantMap)));
}

void PortalRequest::Response(uint code, const QVariantMap& results) {
  const PortalOutcome outcome = PortalOutcomeOf(code);
  Finish(outcome, results,
         outcome == PortalOutcome::Failed ? "The desktop portal could not finish the request." : "");
}

void PortalRequest::Finish(PortalOutcome outcome, const QVariantMap& results, const QString& message) {
  if (finished_) return;
  finished_ = true;
  timeout_.stop();
  if (!path_.isEmpty())
    bus_.disconnect(kPortalService, path_, "org.freedesktop.portal.Request", "Response", this,
                    SLOT(Response(uint, QVariantMap)));
  deleteLater();
  if (done_) done_(outcome, results, message);
}

}  // namespace tintora
