// Starts a program and times it until its window with a given title is mapped on the X
// server, then stops it and reports its peak memory: the start-up a user waits through.
//   startup_timer <title> <program> [arguments...]  ->  "<milliseconds> <peak KiB>"
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <xcb/xcb.h>

namespace {

std::string Title(xcb_connection_t* c, xcb_window_t window) {
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      c, xcb_get_property(c, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
  std::string title;
  if (reply)
    title.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                 xcb_get_property_value_length(reply));
  std::free(reply);
  return title;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_timer <title> <program> [arguments...]\n");
    return 2;
  }
  const std::string wanted = argv[1];
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "startup_timer: no X server\n");
    return 1;
  }
  // Every top-level window's mapping, told to us (no window manager: the windows are the root's).
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execv(argv[2], argv + 2);
    _exit(127);
  }
  bool mapped = false;
  while (!mapped) {
    xcb_generic_event_t* event = xcb_wait_for_event(c);
    if (!event) break;
    if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
      const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
      mapped = Title(c, map->window).find(wanted) != std::string::npos;
    }
    std::free(event);
  }
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  kill(child, SIGKILL);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  xcb_disconnect(c);
  if (!mapped) return 1;
  std::printf("%.1f %ld\n", ms, usage.ru_maxrss);
  return 0;
}
