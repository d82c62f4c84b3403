#!/bin/sh
# Runs a program on the X server of DISPLAY with openbox managing its windows, as on a desktop.
#   with_window_manager.sh <program> [arguments...]
set -u
. "$(dirname "$0")/../support/checks.sh"
need_tools openbox xprop
need_display
wm=
trap 'kill $wm 2>/dev/null; wait $wm 2>/dev/null; cleanup' EXIT
# A refused first connection (an X server between clients) is worth another try; a window
# manager that runs but never announces itself is not.
for attempt in 1 2 3; do
  openbox --config-file /dev/null >"$work/openbox.log" 2>&1 &
  wm=$!
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break 2
    kill -0 $wm 2>/dev/null || break
    sleep 0.1
  done
  kill -0 $wm 2>/dev/null && break
  wait $wm 2>/dev/null
  echo "openbox exited at start (attempt $attempt):"
  cat "$work/openbox.log"
  sleep 0.5
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
  cat "$work/openbox.log"
  fail "openbox did not start"
  finish ""
fi
"$@"
