#!/bin/sh
# Runs wayland_tests on a real Wayland desktop made for it, as an unprivileged user when run as
# root (sway refuses root), on a private session bus:
#   sway: a headless sway (software rendering, one 800x600 output painted 3a5f8c), PipeWire
#     (without which the wlr backend exits), xdg-desktop-portal with its wlr and gtk backends
#     (this portal version offers Screenshot only with the gtk one there too), and the stand-in
#     slurp first in PATH; then once more without a session bus: no portal at all.
#   kde: KDE's compositor (kwin, virtual) with xdg-desktop-portal and its KDE backend, the one
#     in this Debian that offers GlobalShortcuts.
#   wayland_test.sh <sway|kde> <wayland_tests program> <folder holding the stand-in slurp>
set -u
desktop=$1
program=$2
standins=$3
. "$(dirname "$0")/../support/checks.sh"
need_tools dbus-run-session setpriv gdbus
if [ "$desktop" = kde ]; then
  need_tools kwin_wayland
  daemons="/usr/libexec/xdg-desktop-portal $(ls /usr/lib/*/libexec/xdg-desktop-portal-kde 2>/dev/null)"
  plugin="/usr/lib/*/qt5/plugins/platforms/libqwayland-generic.so"  # KDE's portal is Qt 5
else
  need_tools sway swaybg pipewire grim
  daemons="/usr/libexec/xdg-desktop-portal /usr/libexec/xdg-desktop-portal-wlr /usr/libexec/xdg-desktop-portal-gtk"
  plugin="/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"
fi
for daemon in $daemons; do
  [ -x "$daemon" ] || { echo "SKIP: $daemon is not installed (scripts/setup installs it)"; exit 77; }
done
# shellcheck disable=SC2086 # the plugin's path is a pattern
ls $plugin >/dev/null 2>&1 || { echo "SKIP: no Qt Wayland plugin $plugin (scripts/setup installs it)"; exit 77; }

# Everything the desktop user touches lives in its runtime folder, the program included (the
# build folder may be one it cannot enter).
runtime="$work/runtime"
mkdir -p "$runtime/bin" "$runtime/home" "$runtime/tmp"
cp "$program" "$runtime/bin/wayland_tests"
cp "$standins/slurp" "$(dirname "$0")/desktop.sh" "$runtime/bin/"
# Debian gives kwin_wayland a file capability (to raise its own limits), which an unprivileged
# user in a container cannot take up: exec fails. A copy carries no capability and runs.
[ "$desktop" = kde ] && cp "$(command -v kwin_wayland)" "$runtime/bin/kwin_wayland"
as=""
if [ "$(id -u)" -eq 0 ]; then
  user=tintora-test
  if ! id "$user" >/dev/null 2>&1; then
    useradd --system --no-create-home --shell /usr/sbin/nologin "$user" ||
      { echo "SKIP: cannot make the unprivileged user the desktop needs"; exit 77; }
  fi
  chown -R "$user" "$runtime"
  chmod 755 "$work"
  as="setpriv --reuid=$(id -u "$user") --regid=$(id -g "$user") --clear-groups"
fi
chmod 700 "$runtime"

run() {  # run <extra env...> <command...>: the desktop around the program, under a time limit
  timeout 180 $as env -i PATH="$runtime/bin:/usr/bin:/bin" XDG_RUNTIME_DIR="$runtime" HOME="$runtime/home" \
    TMPDIR="$runtime/tmp" LANG=C.UTF-8 "$@"
}
tests="$runtime/bin/wayland_tests"
if [ "$desktop" = kde ]; then
  run dbus-run-session -- sh "$runtime/bin/desktop.sh" kde "$runtime" "$tests" --gtest_filter='KdeShortcutsTest.*' ||
    fail "the hot key through KDE's portal"
else
  run dbus-run-session -- sh "$runtime/bin/desktop.sh" sway "$runtime" "$tests" --gtest_filter='WaylandTest.*' ||
    fail "the tests on the Wayland desktop"
  run DBUS_SESSION_BUS_ADDRESS=disabled: sh "$runtime/bin/desktop.sh" sway "$runtime" "$tests" \
    --gtest_filter='NoPortalTest.*' || fail "the test without a portal"
fi
finish "the real $desktop desktop and its portal"
