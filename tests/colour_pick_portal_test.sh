#!/bin/sh
# tintora-colour --pick on a Wayland desktop: the desktop portal's colour picker, here the
# stand-in portal on a private session bus (run inside fake_portal.py --run). The picked colour
# is printed; a cancel prints nothing and exits 1; a portal that fails says so.
#   colour_pick_portal_test.sh <tintora-colour>
set -u
colour=$1
. "$(dirname "$0")/support/checks.sh"
control() {
  dbus-send --session --print-reply --dest=org.freedesktop.portal.Desktop /org/tintora/FakePortal \
    "org.tintora.FakePortal.$@" >/dev/null
}
pick() {
  TINTORA_SCREEN=portal QT_QPA_PLATFORM=offscreen timeout 30 "$colour" --pick "$@" >"$work/out.txt" 2>"$work/err.txt"
  status=$?
}

control SetColour double:0.2 double:0.4 double:0.8
pick --to rgb
[ "$status" -eq 0 ] || fail "a pick exited $status: $(cat "$work/err.txt")"
[ "$(cat "$work/out.txt")" = "rgb(51 102 204)" ] || fail "a pick printed '$(cat "$work/out.txt")'"

control SetMode string:pick string:cancel
pick
[ "$status" -eq 1 ] || fail "a cancelled pick exited $status, not 1"
[ -s "$work/out.txt" ] && fail "a cancelled pick printed '$(cat "$work/out.txt")'"

control SetMode string:pick string:fail
pick
[ "$status" -eq 1 ] || fail "a failed pick exited $status, not 1"
[ -s "$work/out.txt" ] && fail "a failed pick printed '$(cat "$work/out.txt")'"
grep -q "^tintora: " "$work/err.txt" || fail "a failed pick said nothing: $(cat "$work/err.txt")"

finish "tintora-colour --pick through the portal: all checks passed"
