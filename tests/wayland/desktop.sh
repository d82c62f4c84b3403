#!/bin/sh
# Inside the test's session (as the desktop user): sway, PipeWire and the portals, then the
# program given, on that desktop. What they said is shown when the program fails.
#   desktop.sh <runtime folder> <program> [arguments...]
set -u
runtime=$1
shift
cat >"$runtime/sway.conf" <<CONF
output * resolution 800x600 bg #3a5f8c solid_color
CONF
export WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 XDG_CURRENT_DESKTOP=sway
sway -c "$runtime/sway.conf" >"$runtime/sway.log" 2>&1 &
for _ in $(seq 100); do
  [ -S "$runtime/wayland-1" ] && break
  sleep 0.1
done
export WAYLAND_DISPLAY=wayland-1 QT_QPA_PLATFORM=wayland TINTORA_TEST_SLURP_CONTROL="$runtime/slurp-control"
if [ "${DBUS_SESSION_BUS_ADDRESS:-disabled:}" != "disabled:" ]; then
  pipewire >"$runtime/pipewire.log" 2>&1 &
  dbus-update-activation-environment WAYLAND_DISPLAY XDG_CURRENT_DESKTOP XDG_RUNTIME_DIR PATH \
    TINTORA_TEST_SLURP_CONTROL 2>/dev/null
  /usr/libexec/xdg-desktop-portal-wlr >"$runtime/portal-wlr.log" 2>&1 &
  /usr/libexec/xdg-desktop-portal-gtk >"$runtime/portal-gtk.log" 2>&1 &
  /usr/libexec/xdg-desktop-portal >"$runtime/portal.log" 2>&1 &
  # Until the portal offers Screenshot with a version.
  for _ in $(seq 100); do
    gdbus call --session --dest org.freedesktop.portal.Desktop --object-path /org/freedesktop/portal/desktop \
      --method org.freedesktop.DBus.Properties.Get org.freedesktop.portal.Screenshot version >/dev/null 2>&1 && break
    sleep 0.1
  done
fi
"$@"
status=$?
if [ $status -ne 0 ]; then
  for log in "$runtime"/*.log; do
    echo "== $(basename "$log")"
    tail -n 20 "$log"
  done
fi
kill $(jobs -p) 2>/dev/null
exit $status
