// The display profiles the X server publishes, by the X ICC profile convention: the root
// window's _ICC_PROFILE holds the first screen's profile, _ICC_PROFILE_n the n-th's. Each is
// read once, and again after a PropertyNotify says it changed (colord and the desktops set it
// when a profile is chosen or a display comes).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <xcb/xcb.h>
#include <QByteArray>

namespace tintora {

class X11DisplayProfiles {
 public:
  // The connection must have asked for the root window's property changes.
  X11DisplayProfiles(xcb_connection_t* connection, xcb_window_t root)
      : connection_(connection), root_(root) {}

  // The bytes of the n-th screen's profile; empty where it has none.
  QByteArray Of(std::size_t screen);
  // A PropertyNotify said `atom` changed: a profile it names is read again when next asked for.
  void Changed(xcb_atom_t atom);

 private:
  xcb_atom_t Atom(const std::string& name) const;
  QByteArray ReadProperty(xcb_atom_t atom) const;

  xcb_connection_t* connection_;
  xcb_window_t root_;
  // Each screen's profile property, and its bytes until the property changes.
  struct Profile {
    xcb_atom_t atom = XCB_ATOM_NONE;
    std::optional<QByteArray> bytes;
  };
  std::vector<Profile> profiles_;
};

}  // namespace tintora
