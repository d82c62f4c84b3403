#include "capture/colour_management.h"

#include <span>
#include <string>

#include "capture/platform/screen_access.h"

namespace tintora {

void ColourManagement::Refresh(QPoint at) {
  const QByteArray bytes = enabled_ ? screen_.ColourProfile(at) : QByteArray();
  // Asked on every capture tick: the screen hands back the bytes it keeps until the desktop
  // publishes a change, so the same shared bytes end it without comparing them.
  if (bytes.constData() == bytes_.constData() || bytes == bytes_) return;
  const QString before = Hint();
  bytes_ = bytes;
  problem_.clear();
#ifdef TINTORA_HAVE_LCMS
  profile_.reset();
  if (!bytes.isEmpty()) {
    std::string why;
    profile_ = DisplayProfile::Read(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                              static_cast<std::size_t>(bytes.size())),
                                    why);
    if (!profile_) problem_ = QString::fromStdString(why);
  }
#else
  if (!bytes.isEmpty()) problem_ = "This build has no colour engine to read the display profile with.";
#endif
  if (hintChanged_ && Hint() != before) hintChanged_();
}

Rgb8 ColourManagement::Seen(Rgb8 device, QPoint at) {
  device_ = device;
  Refresh(at);
#ifdef TINTORA_HAVE_LCMS
  if (enabled_ && profile_) return profile_->ToSrgb(device);
#endif
  return device;
}

void ColourManagement::SetEnabled(bool on) {
  const QString before = Hint();
  enabled_ = on;
  if (hintChanged_ && Hint() != before) hintChanged_();
}

bool ColourManagement::InForce() const {
#ifdef TINTORA_HAVE_LCMS
  return enabled_ && profile_.has_value();
#else
  return false;
#endif
}

QString ColourManagement::Hint() const {
  if (!enabled_) return {};
#ifdef TINTORA_HAVE_LCMS
  if (profile_) return "colour-managed: " + QString::fromStdString(profile_->Description());
#endif
  if (!problem_.isEmpty()) return "display profile ignored: " + problem_;
  return {};
}

}  // namespace tintora
