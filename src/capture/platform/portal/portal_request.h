// One call to xdg-desktop-portal whose answer comes later in a Request object's Response
// signal: the handshake with the handle token, the time-out, and the bus's errors, reduced to
// one outcome that is delivered exactly once.
#pragma once

#include <functional>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

#include "core/capture/screen_backend.h"

namespace tintora {

inline constexpr const char* kPortalService = "org.freedesktop.portal.Desktop";
inline constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";

// The Properties.Get call that asks which version of one of the portal's interfaces it has
// (an error where it has none).
QDBusMessage PortalVersionQuery(const QString& interface);

// How long a portal may keep us waiting: TINTORA_PORTAL_TIMEOUT_MS when set, otherwise 60 s.
int PortalTimeoutMs();

class PortalRequest : public QObject {
  Q_OBJECT
 public:
  // The outcome, the Response's results on success, and on failure the message to show.
  using Handler = std::function<void(PortalOutcome, const QVariantMap& results, const QString& message)>;

  // Calls `method` of `interface` with `arguments` followed by the options (a handle token is
  // added to them). The request deletes itself once `done` has run; deleting `owner` first
  // drops it unanswered.
  static PortalRequest* Start(QObject* owner, const QString& interface, const QString& method,
                              const QVariantList& arguments, QVariantMap options, Handler done);

 private slots:
  void Response(uint code, const QVariantMap& results);

 private:
  PortalRequest(QObject* owner, QDBusConnection bus, Handler done);
  void Listen(const QString& path);
  void Finish(PortalOutcome outcome, const QVariantMap& results, const QString& message);

  QDBusConnection bus_;
  Handler done_;
  QString path_;
  QTimer timeout_;
  bool finished_ = false;
};

}  // namespace tintora
