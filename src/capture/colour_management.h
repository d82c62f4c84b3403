// The display's colour profile applied to what is read from the screen: a device value turned
// into the sRGB colour it shows, where the desktop publishes a profile and the user has not
// turned colour management off. Without a profile every value passes unchanged.
#pragma once

#include <functional>
#include <optional>

#include <QByteArray>
#include <QPoint>
#include <QString>

#include "core/colour/rgb8.h"

#ifdef TINTORA_HAVE_LCMS
#include "core/capture/display_profile.h"
#endif

namespace tintora {

class ScreenAccess;

class ColourManagement {
 public:
  explicit ColourManagement(ScreenAccess& screen) : screen_(screen) {}

  // The colour a device value read at the desktop position `at` shows. The device value is
  // kept for DeviceValue.
  Rgb8 Seen(Rgb8 device, QPoint at);
  // The screen's own value of the last colour Seen took; nothing before any.
  std::optional<Rgb8> DeviceValue() const { return device_; }

  bool Enabled() const { return enabled_; }
  // Whether picks are going through a profile now.
  bool InForce() const;
  void SetEnabled(bool on);

  // What the capture hint adds: "colour-managed: <the profile's description>" while a profile
  // is in force, the reason a published profile is ignored, or nothing.
  QString Hint() const;
  // Reads the profile of the display at `at` again if the desktop says it changed, and tells
  // the hint handler when what Hint says changed with it.
  void Refresh(QPoint at);
  void SetHintHandler(std::function<void()> handler) { hintChanged_ = std::move(handler); }

 private:
  ScreenAccess& screen_;
  bool enabled_ = true;
  std::optional<Rgb8> device_;
  QByteArray bytes_;  // the profile last read, to tell a change
  QString problem_;   // why the published profile is not used
  std::function<void()> hintChanged_;
#ifdef TINTORA_HAVE_LCMS
  std::optional<DisplayProfile> profile_;
#endif
};

}  // namespace tintora
