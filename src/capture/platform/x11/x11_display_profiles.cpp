#include "capture/platform/x11/x11_display_profiles.h"

#include <cstdlib>

namespace tintora {

QByteArray X11DisplayProfiles::Of(std::size_t screen) {
  if (profiles_.size() <= screen) profiles_.resize(screen + 1);
  Profile& profile = profiles_[screen];
  if (!profile.atom)
    profile.atom = Atom(screen == 0 ? "_ICC_PROFILE" : "_ICC_PROFILE_" + std::to_string(screen));
  if (!profile.bytes) profile.bytes = ReadProperty(profile.atom);
  return *profile.bytes;
}

void X11DisplayProfiles::Changed(xcb_atom_t atom) {
  for (Profile& profile : profiles_)
    if (profile.atom == atom) profile.bytes.reset();
}

xcb_atom_t X11DisplayProfiles::Atom(const std::string& name) const {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection_, xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.data()),
      nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  free(reply);
  return atom;
}

// At most 16 MiB (a display profile with tables runs to a few hundred KiB; what is cut short
// LittleCMS refuses as such).
QByteArray X11DisplayProfiles::ReadProperty(xcb_atom_t atom) const {
  constexpr std::uint32_t kMaxLongs = 4u << 20;
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection_, xcb_get_property(connection_, 0, root_, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, kMaxLongs),
      nullptr);
  QByteArray bytes;
  if (reply && reply->type != XCB_ATOM_NONE && reply->format == 8)
    bytes = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                       xcb_get_property_value_length(reply));
  free(reply);
  return bytes;
}

}  // namespace tintora
