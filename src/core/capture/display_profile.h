// A display's colour profile (ICC), read and applied through LittleCMS 2: the screen's device
// values turned into the sRGB colour they show, so that a pick on a calibrated or wide-gamut
// display gives the colour the user sees rather than the numbers sent to the panel.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "core/colour/rgb8.h"

namespace tintora {

class DisplayProfile {
 public:
  // The profile in `icc`, or nothing, with `why` saying what is wrong: not a profile LittleCMS
  // can read (malformed, cut short), or not one of RGB device values.
  static std::optional<DisplayProfile> Read(std::span<const std::uint8_t> icc, std::string& why);

  DisplayProfile(DisplayProfile&&) noexcept;
  DisplayProfile& operator=(DisplayProfile&&) noexcept;
  ~DisplayProfile();

  // The profile's own name for itself ("Adobe RGB (1998)"), or "unnamed profile".
  const std::string& Description() const { return description_; }
  // A device colour as sRGB, by relative colorimetric intent; a colour sRGB cannot show is
  // brought into it by the CSS gamut mapping (keeping lightness and hue), not clipped.
  Rgb8 ToSrgb(Rgb8 device) const;

 private:
  struct Transform;
  DisplayProfile(std::unique_ptr<Transform> transform, std::string description);

  std::unique_ptr<Transform> transform_;
  std::string description_;
};

}  // namespace tintora
