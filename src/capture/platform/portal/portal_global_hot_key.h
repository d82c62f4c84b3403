// The capture hot key on a Wayland desktop, bound through xdg-desktop-portal's
// GlobalShortcuts interface where the desktop offers it. The menu's combination is only the
// preferred trigger: the desktop asks the user, and may let them choose another.
#pragma once

#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

#include "capture/platform/global_hot_key.h"

namespace tintora {

class PortalGlobalHotKey final : public QObject, public GlobalHotKey {
  Q_OBJECT
 public:
  PortalGlobalHotKey();
  ~PortalGlobalHotKey() override;

  // Known once the portal has said which version of the interface it has; false until then.
  bool CanGrabHotKey() const override { return available_; }
  bool Register(unsigned modifiers, unsigned virtualKey) override;
  void Unregister() override;

 private slots:
  void Activated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                 const QVariantMap& options);

 private:
  struct Combination {
    unsigned modifiers = 0, virtualKey = 0;
    bool operator==(const Combination&) const = default;
  };
  // Brings the portal's binding in line with the combination wanted, one step at a time.
  void Sync();
  void CloseSession();
  void Bind(const QString& session, Combination combination);

  QObject requests_;  // the requests still out; they die with us
  bool available_ = false;
  bool busy_ = false;
  Combination wanted_, bound_;
  QString session_;
};

}  // namespace tintora
