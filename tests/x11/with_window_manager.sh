#!/bin/sh
# Runs a program on the X server of DISPLAY with openbox managing its windows, as on a desktop.
#   with_window_manager.sh <program> [arguments...]
set -u
. "$(dirname "$0")/../support/checks.sh"
need_tools openbox xprop
need_display
openbox --config-file /dev/null >"$work/openbox.log" 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null; wait $wm 2>/dev/null; cleanup' EXIT
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
  cat "$work/openbox.log"
  fail "openbox did not start"
  finish ""
fi
"$@"
