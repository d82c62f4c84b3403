#include "capture/platform/portal/portal_global_hot_key.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QRandomGenerator>

#include "capture/platform/backends.h"
#include "capture/platform/portal/portal_request.h"
#include "core/capture/screen_backend.h"

namespace tintora {

namespace {

constexpr const char* kShortcuts = "org.freedesktop.portal.GlobalShortcuts";
constexpr const char* kShortcutId = "pick-colour";

// One entry of BindShortcuts' a(sa{sv}).
struct PortalShortcut {
  QString id;
  QVariantMap properties;
};

}  // namespace

}  // namespace tintora

Q_DECLARE_METATYPE(tintora::PortalShortcut)

namespace tintora {
namespace {

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
  argument.beginStructure();
  argument << shortcut.id << shortcut.properties;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
  argument.beginStructure();
  argument >> shortcut.id >> shortcut.properties;
  argument.endStructure();
  return argument;
}

}  // namespace

PortalGlobalHotKey::PortalGlobalHotKey() {
  qDBusRegisterMetaType<PortalShortcut>();
  qDBusRegisterMetaType<QList<PortalShortcut>>();
  QDBusConnection bus = QDBusConnection::sessionBus();
  bus.connect(kPortalService, kPortalPath, kShortcuts, "Activated", this,
              SLOT(Activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
  // Desktops without the interface answer with an error; then the hot key stays unavailable.
  auto* watcher = new QDBusPendingCallWatcher(
      bus.asyncCall(PortalVersionQuery(kShortcuts), PortalTimeoutMs()), &requests_);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
    w->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *w;
    available_ = !reply.isError() && reply.value().variant().toUInt() >= 1;
    if (available_) {
      Sync();
      AvailabilityChanged();
    }
  });
}

PortalGlobalHotKey::~PortalGlobalHotKey() { CloseSession(); }

bool PortalGlobalHotKey::Register(unsigned modifiers, unsigned virtualKey) {
  wanted_ = {modifiers, virtualKey};
  if (!available_) return false;
  Sync();
  return true;
}

void PortalGlobalHotKey::Unregister() {
  wanted_ = {};
  CloseSession();
  bound_ = {};
}

void PortalGlobalHotKey::Sync() {
  if (busy_ || wanted_ == bound_) return;
  CloseSession();
  const Combination combination = wanted_;
  if (combination.virtualKey == 0) {
    bound_ = combination;  // no key chosen: nothing is held
    return;
  }
  busy_ = true;
  PortalRequest::Start(
      &requests_, kShortcuts, "CreateSession", {},
      {{"session_handle_token", QString("tintora%1").arg(QRandomGenerator::global()->generate())}},
      [this, combination](PortalOutcome outcome, const QVariantMap& results, const QString&) {
        const QString session = results.value("session_handle").toString();
        if (outcome != PortalOutcome::Done || session.isEmpty()) {
          // Not asked again every tick: a failed grab is not reported on X11 either.
          busy_ = false;
          bound_ = combination;
          return;
        }
        session_ = session;
        Bind(session, combination);
      });
}

void PortalGlobalHotKey::Bind(const QString& session, Combination combination) {
  const QList<PortalShortcut> shortcuts = {
      {kShortcutId,
       {{"description", QString("Pick a colour from the screen")},
        {"preferred_trigger",
         QString::fromStdString(PortalTrigger(combination.modifiers, combination.virtualKey))}}}};
  PortalRequest::Start(
      &requests_, kShortcuts, "BindShortcuts",
      {QVariant::fromValue(QDBusObjectPath(session)), QVariant::fromValue(shortcuts), QString()}, {},
      [this, combination](PortalOutcome, const QVariantMap&, const QString&) {
        busy_ = false;
        bound_ = combination;
        Sync();  // the choice may have changed meanwhile
      });
}

void PortalGlobalHotKey::CloseSession() {
  if (session_.isEmpty()) return;
  QDBusConnection::sessionBus().asyncCall(
      QDBusMessage::createMethodCall(kPortalService, session_, "org.freedesktop.portal.Session", "Close"));
  session_.clear();
}

void PortalGlobalHotKey::Activated(const QDBusObjectPath& session, const QString& id, qulonglong,
                                   const QVariantMap&) {
  if (session.path() == session_ && id == kShortcutId) Pressed();
}

std::unique_ptr<GlobalHotKey> MakePortalGlobalHotKey() { return std::make_unique<PortalGlobalHotKey>(); }

}  // namespace tintora
