#!/bin/sh
# tintora-colour --pick against a real X server (run under xvfb-run): a click picks the pixel
# under the pointer, the arrow keys and Enter pick without a mouse, Escape cancels with nothing
# printed, --average takes the mean of a square, and a display profile on the root window gives
# the sRGB colour LittleCMS's transicc computes (--device the screen's own). The screen is the
# root window, painted with xsetroot.
#   colour_pick_test.sh <tintora-colour> <root_profile>
set -u
colour=$1
root_profile=$2
. "$(dirname "$0")/support/checks.sh"
need_tools xsetroot xdotool xev
need_display
# The picks join the window's recent picks, in a settings file of the test's own.
export XDG_CONFIG_HOME="$work/config"
# An X server resets, root background and all, when its last client leaves: one stays.
xev -root -event property >/dev/null 2>&1 &
keeper=$!
trap 'kill $keeper 2>/dev/null; cleanup' EXIT
sleep 0.3

# pick <what to do until the picker ends> <args...>: runs the picker in the background and does
# the action over and over (the picker may not hold the pointer yet) for at most ten seconds.
pick() {
  action=$1
  shift
  "$colour" --pick "$@" >"$work/out.txt" 2>"$work/err.txt" &
  pid=$!
  tries=0
  while kill -0 "$pid" 2>/dev/null && [ $tries -lt 50 ]; do
    $action
    sleep 0.2
    tries=$((tries + 1))
  done
  kill "$pid" 2>/dev/null
  wait "$pid"
  status=$?
}

click() { xdotool mousemove 40 40 click 1; }
escape() { xdotool key Escape; }
# One pixel to the right with the keyboard, then Enter; only once the move has happened, which
# tells that the picker holds the keyboard.
nudge() {
  xdotool mousemove 16 16 key Right
  sleep 0.1
  [ "$(xdotool getmouselocation | sed 's/^x:\([0-9]*\).*/\1/')" = 17 ] && xdotool key Return
}

xsetroot -solid '#3366cc'
pick click --to rgb
[ "$status" -eq 0 ] || fail "a click exited $status: $(cat "$work/err.txt")"
[ "$(cat "$work/out.txt")" = "rgb(51 102 204)" ] || fail "a click printed '$(cat "$work/out.txt")'"

pick escape
[ "$status" -eq 1 ] || fail "Escape exited $status, not 1"
[ -s "$work/out.txt" ] && fail "Escape printed '$(cat "$work/out.txt")'"

# A tile whose first column is red and the rest green: x = 16 is red, x = 17 green.
printf '#define t_width 8\n#define t_height 8\nstatic unsigned char t_bits[] = {\n 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01};\n' >"$work/tile.xbm"
xsetroot -bitmap "$work/tile.xbm" -fg '#ff0000' -bg '#00ff00'
pick nudge --to name
[ "$status" -eq 0 ] || fail "the keyboard pick exited $status: $(cat "$work/err.txt")"
[ "$(cat "$work/out.txt")" = "lime" ] || fail "the keyboard pick printed '$(cat "$work/out.txt")', not lime"

# --average: a one-pixel checkerboard of white and black, white at (40, 40); the 5 x 5 square
# round it (13 white, 12 black) averages in linear light to #BFBFBF, not the #858585 of the
# encoded numbers; without --average the one white pixel.
printf '#define c_width 8\n#define c_height 8\nstatic unsigned char c_bits[] = {\n 0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa};\n' >"$work/checker.xbm"
xsetroot -bitmap "$work/checker.xbm" -fg white -bg black
pick click --average 5 --to hex
[ "$status" -eq 0 ] || fail "an averaged pick exited $status: $(cat "$work/err.txt")"
[ "$(cat "$work/out.txt")" = "#BFBFBF" ] || fail "a 5 x 5 pick printed '$(cat "$work/out.txt")', not #BFBFBF"
pick click --to hex
[ "$(cat "$work/out.txt")" = "#FFFFFF" ] || fail "a one-pixel pick printed '$(cat "$work/out.txt")', not #FFFFFF"
grep -q '^RecentPicks=FFFFFF,BFBFBF,' "$work/config/tintora/tintora.ini" ||
  fail "the picks are not the settings file's recent picks: $(grep RecentPicks "$work/config/tintora/tintora.ini")"

# A wide-gamut display profile: the pick is the colour it shows, within one of transicc's.
profile=/usr/share/color/icc/compatibleWithAdobeRGB1998.icc
if [ ! -f "$profile" ] || ! command -v transicc >/dev/null; then
  echo "SKIP part: the display profile checks need $profile (icc-profiles-free) and transicc (liblcms2-utils)"
else
  xsetroot -solid '#806450'
  "$root_profile" "$profile" || fail "the root window's profile could not be set"
  pick click --to rgb
  expected=$(echo '128 100 80' | transicc -i "$profile" -o '*sRGB' -t 1 -n 2>/dev/null |
    awk '{printf "%d %d %d", $1 + 0.5, $2 + 0.5, $3 + 0.5}')
  got=$(sed 's/^rgb(\(.*\))$/\1/' "$work/out.txt")
  echo "$got $expected" | awk '{for (i = 1; i <= 3; i++) if ($i - $(i + 3) > 1 || $(i + 3) - $i > 1) exit 1}' ||
    fail "through the profile the pick printed '$(cat "$work/out.txt")', transicc says $expected"
  pick click --device --to hex
  [ "$(cat "$work/out.txt")" = "#806450" ] || fail "--device printed '$(cat "$work/out.txt")', not #806450"
  "$root_profile" -
  pick click --to hex
  [ "$(cat "$work/out.txt")" = "#806450" ] || fail "without a profile the pick printed '$(cat "$work/out.txt")'"
fi
xsetroot -solid black

finish "tintora-colour --pick: all checks passed"
