// The X display's colour profile set as colord sets it: the root window's _ICC_PROFILE, bytes
// of format 8; no bytes delete it. Returns once the server has done it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include <xcb/xcb.h>

namespace tintora::testing {

inline bool SetRootProfile(std::string_view icc) {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    xcb_disconnect(c);
    return false;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 12, "_ICC_PROFILE"), nullptr);
  if (icc.empty())
    xcb_delete_property(c, root, atom->atom);
  else
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, atom->atom, XCB_ATOM_CARDINAL, 8,
                        static_cast<std::uint32_t>(icc.size()), icc.data());
  std::free(atom);
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  xcb_disconnect(c);
  return true;
}

}  // namespace tintora::testing
