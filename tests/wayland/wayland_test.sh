#!/bin/sh
# Runs wayland_tests on a real Wayland desktop made for it: a headless sway (software
# rendering, one 800x600 output painted 3a5f8c), a private session bus, PipeWire (without which
# the wlr backend exits), xdg-desktop-portal with its wlr and gtk backends (this portal version
# offers Screenshot only with the gtk one there too), and the stand-in slurp first in PATH.
# sway refuses to run as root, so as root the desktop and the program run as an unprivileged
# user made for the test. Then the program runs once more without a session bus: no portal.
#   wayland_test.sh <wayland_tests program> <folder holding the stand-in slurp>
set -u
program=$1
standins=$2
. "$(dirname "$0")/../support/checks.sh"
need_tools sway swaybg pipewire grim dbus-run-session setpriv
for daemon in xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk; do
  if [ ! -x "/usr/libexec/$daemon" ]; then
    echo "SKIP: /usr/libexec/$daemon is not installed (scripts/setup installs it)"
    exit 77
  fi
done
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
  echo "SKIP: Qt's Wayland platform plugin (qt6-wayland) is not installed (scripts/setup installs it)"
  exit 77
fi

# Everything the desktop user touches lives in its runtime folder, the program included (the
# build folder may be one it cannot enter).
runtime="$work/runtime"
mkdir -p "$runtime/bin" "$runtime/home" "$runtime/tmp"
cp "$program" "$runtime/bin/wayland_tests"
cp "$standins/slurp" "$runtime/bin/slurp"
cp "$(dirname "$0")/desktop.sh" "$runtime/bin/desktop.sh"
as=""
if [ "$(id -u)" -eq 0 ]; then
  user=tintora-test
  if ! id "$user" >/dev/null 2>&1; then
    useradd --system --no-create-home --shell /usr/sbin/nologin "$user" ||
      { echo "SKIP: cannot make the unprivileged user sway needs"; exit 77; }
  fi
  chown -R "$user" "$runtime"
  chmod 755 "$work"
  as="setpriv --reuid=$(id -u "$user") --regid=$(id -g "$user") --clear-groups"
fi
chmod 700 "$runtime"

run() {  # run <extra env...>: the desktop around the program, under a time limit
  timeout 180 $as env -i PATH="$runtime/bin:/usr/bin:/bin" XDG_RUNTIME_DIR="$runtime" HOME="$runtime/home" \
    TMPDIR="$runtime/tmp" LANG=C.UTF-8 "$@"
}
run dbus-run-session -- sh "$runtime/bin/desktop.sh" "$runtime" \
  "$runtime/bin/wayland_tests" --gtest_filter='WaylandTest.*' || fail "the tests on the Wayland desktop"
run DBUS_SESSION_BUS_ADDRESS=disabled: sh "$runtime/bin/desktop.sh" "$runtime" \
  "$runtime/bin/wayland_tests" --gtest_filter='NoPortalTest.*' || fail "the test without a portal"
finish "the real Wayland desktop and its portal"
