#include "core/capture/display_profile.h"

#include <lcms2.h>

#include "core/colour/colour_spaces.h"

namespace tintora {

// The transform owns what LittleCMS made; the profiles are closed once it is built.
struct DisplayProfile::Transform {
  cmsHTRANSFORM handle = nullptr;
  ~Transform() {
    if (handle) cmsDeleteTransform(handle);
  }
};

DisplayProfile::DisplayProfile(std::unique_ptr<Transform> transform, std::string description)
    : transform_(std::move(transform)), description_(std::move(description)) {}
DisplayProfile::DisplayProfile(DisplayProfile&&) noexcept = default;
DisplayProfile& DisplayProfile::operator=(DisplayProfile&&) noexcept = default;
DisplayProfile::~DisplayProfile() = default;

std::optional<DisplayProfile> DisplayProfile::Read(std::span<const std::uint8_t> icc, std::string& why) {
  if (icc.empty()) {
    why = "The display profile is empty.";
    return std::nullopt;
  }
  cmsHPROFILE device = cmsOpenProfileFromMem(icc.data(), static_cast<cmsUInt32Number>(icc.size()));
  if (!device) {
    why = "The display profile is not a colour profile LittleCMS can read.";
    return std::nullopt;
  }
  if (cmsGetColorSpace(device) != cmsSigRgbData) {
    cmsCloseProfile(device);
    why = "The display profile is not one of RGB values.";
    return std::nullopt;
  }
  char name[256] = {};
  cmsGetProfileInfoASCII(device, cmsInfoDescription, "en", "US", name, sizeof name);
  cmsHPROFILE srgb = cmsCreate_sRGBProfile();
  // Doubles out, unbounded: a colour outside sRGB keeps its components past 0..1 for the gamut
  // mapping to bring in.
  auto transform = std::make_unique<Transform>();
  transform->handle = cmsCreateTransform(device, TYPE_RGB_8, srgb, TYPE_RGB_DBL, INTENT_RELATIVE_COLORIMETRIC,
                                         cmsFLAGS_NOCACHE | cmsFLAGS_NOOPTIMIZE);
  cmsCloseProfile(srgb);
  cmsCloseProfile(device);
  if (!transform->handle) {
    why = "The display profile cannot turn its colours into sRGB.";
    return std::nullopt;
  }
  return DisplayProfile(std::move(transform), name[0] ? std::string(name) : "unnamed profile");
}

Rgb8 DisplayProfile::ToSrgb(Rgb8 device) const {
  const std::uint8_t in[3] = {device.red, device.green, device.blue};
  double out[3] = {0, 0, 0};
  cmsDoTransform(transform_->handle, in, out, 1);
  // TYPE_RGB_DBL runs 0..1.
  return ColourOfSrgb(GamutMapToSrgb(Srgb{out[0], out[1], out[2]}));
}

}  // namespace tintora
