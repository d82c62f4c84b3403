#!/bin/sh
# Inside the test's session, as the desktop user: a compositor and the portals, then the
# program given, on that desktop. What they said is shown when the program fails.
#   desktop.sh <sway|kde> <runtime folder> <program> [arguments...]
set -u
desktop=$1
runtime=$2
shift 2
portal() {  # portal <interface>: waits until the portal offers it
  for _ in $(seq 100); do
    gdbus call --session --dest org.freedesktop.portal.Desktop --object-path /org/freedesktop/portal/desktop \
      --method org.freedesktop.DBus.Properties.Get "org.freedesktop.portal.$1" version >/dev/null 2>&1 && return
    sleep 0.1
  done
}
export TINTORA_TEST_SLURP_CONTROL="$runtime/slurp-control"
pids=""  # what this script started, stopped at the end ("jobs -p" is empty in a subshell)
if [ "$desktop" = kde ]; then
  export XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true
  kwin_wayland --virtual --width 800 --height 600 --socket wayland-1 >"$runtime/kwin.log" 2>&1 &
  pids="$pids $!"
else
  echo "output * resolution 800x600 bg #3a5f8c solid_color" >"$runtime/sway.conf"
  export WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 XDG_CURRENT_DESKTOP=sway
  sway -c "$runtime/sway.conf" >"$runtime/sway.log" 2>&1 &
  pids="$pids $!"
fi
for _ in $(seq 100); do
  [ -S "$runtime/wayland-1" ] && break
  sleep 0.1
done
export WAYLAND_DISPLAY=wayland-1 QT_QPA_PLATFORM=wayland
if [ "${DBUS_SESSION_BUS_ADDRESS:-disabled:}" != "disabled:" ]; then
  dbus-update-activation-environment WAYLAND_DISPLAY XDG_CURRENT_DESKTOP XDG_RUNTIME_DIR PATH \
    TINTORA_TEST_SLURP_CONTROL KDE_FULL_SESSION 2>/dev/null
  if [ "$desktop" = kde ]; then
    for daemon in /usr/lib/*/libexec/xdg-desktop-portal-kde; do "$daemon" >"$runtime/portal-kde.log" 2>&1 &
      pids="$pids $!"
    done
    /usr/libexec/xdg-desktop-portal >"$runtime/portal.log" 2>&1 &
    pids="$pids $!"
    portal GlobalShortcuts
  else
    pipewire >"$runtime/pipewire.log" 2>&1 &
    pids="$pids $!"
    /usr/libexec/xdg-desktop-portal-wlr >"$runtime/portal-wlr.log" 2>&1 &
    pids="$pids $!"
    /usr/libexec/xdg-desktop-portal-gtk >"$runtime/portal-gtk.log" 2>&1 &
    pids="$pids $!"
    /usr/libexec/xdg-desktop-portal >"$runtime/portal.log" 2>&1 &
    pids="$pids $!"
    portal Screenshot
  fi
fi
"$@"
status=$?
if [ $status -ne 0 ]; then
  for log in "$runtime"/*.log; do
    echo "== $(basename "$log")"
    tail -n 20 "$log"
  done
fi
kill $pids 2>/dev/null
for _ in $(seq 50); do
  kill -0 $pids 2>/dev/null || break
  sleep 0.1
done
kill -9 $pids 2>/dev/null
exit $status
