#!/bin/sh
# tintora-colour from the outside: what it prints, what it says, and how it exits.
#   colour_cli_test.sh <tintora-colour>
set -u
colour=$1
. "$(dirname "$0")/support/checks.sh"

# expect <exit code> <expected stdout, lines joined by |> <text stderr must hold, or ""> <args...>
expect() {
  want=$1
  printed=$2
  said=$3
  shift 3
  timeout 20 "$colour" "$@" <"$work/in.txt" >"$work/out.txt" 2>"$work/err.txt"
  got=$?
  [ "$got" -eq "$want" ] || fail "tintora-colour $* exited $got, not $want: $(cat "$work/err.txt")"
  # (A Windows console program ends its lines with CR LF, as it should.)
  out=$(tr -d '\r' <"$work/out.txt" | paste -sd'|')
  [ "$printed" = "*" ] || [ "$out" = "$printed" ] || fail "tintora-colour $* printed '$out', not '$printed'"
  if [ -n "$said" ] && ! grep -qF -- "$said" "$work/err.txt"; then
    fail "tintora-colour $* did not say '$said' but: $(cat "$work/err.txt")"
  fi
  if [ -z "$said" ] && [ -s "$work/err.txt" ]; then fail "tintora-colour $* said: $(cat "$work/err.txt")"; fi
}
: >"$work/in.txt"

# Every notation, one colour in each, read back through the same tool.
while read -r notation text; do
  expect 0 "$text" "" --to "$notation" "#3366cc"
  expect 0 "#3366CC" "" --to hex "$text"
done <<'ROWS'
hex #3366CC
rgb rgb(51 102 204)
hsl hsl(220 60% 50%)
hwb hwb(220 20% 20%)
lab lab(44.121 10.954 -59.086)
lch lch(44.121 60.093 280.503)
oklab oklab(53.248% -0.02251 -0.16635)
oklch oklch(53.248% 0.16787 262.293)
name #3366CC
ROWS
expect 0 "rebeccapurple" "" --to=name "RGB(102, 51, 153)"
# What a colour value cannot keep is said on standard error, and the colour still printed.
expect 0 "#3366CC" "note: The 50 % opacity of rgb(51 102 204 / 50%) was left out" --to hex "rgb(51 102 204 / 50%)"
expect 0 "#000000" "note: transparent is fully transparent: it has no colour of its own" --to hex transparent
expect 0 "hex: #FF0000|rgb: rgb(255 0 0)|hsl: hsl(0 100% 50%)|hwb: hwb(0 0% 0%)|lab: lab(54.291 80.805 69.891)|lch: lch(54.291 106.837 40.858)|oklab: oklab(62.796% 0.22486 0.12585)|oklch: oklch(62.796% 0.25768 29.234)|name: red" "" red

# Several colours in order; one that is not a colour is named, the others still printed.
expect 0 "#FF0000|#00FF00|#0000FF" "" --to hex red lime blue
expect 1 "#FF0000|#0000FF" '"rgb(1, 2 3)" is not a colour: a comma is missing' --to hex red "rgb(1, 2 3)" blue
expect 1 "" '"nocolour" is not a colour' nocolour
# Without --to, a blank line between colours.
expect 0 "*" "" red blue
[ "$(tr -d '\r' <"$work/out.txt" | grep -c '^$')" -eq 1 ] || fail "no blank line between two colours' notations"
# Standard input, one colour a line; out of gamut and mapped.
printf '\357\273\277#fff\n\ncolor(display-p3 0 1 0)\n' >"$work/in.txt"  # a byte order mark first
expect 0 "rgb(255 255 255)|rgb(0 251 41)" "" --to rgb -
: >"$work/in.txt"
# Standard input or output that fails is an error, not silence.
"$colour" - <"$work" >/dev/null 2>"$work/err.txt"
[ $? -eq 1 ] && grep -q "cannot read standard input" "$work/err.txt" || fail "a folder as standard input: $(cat "$work/err.txt")"
if [ -w /dev/full ]; then
  "$colour" red >/dev/full 2>"$work/err.txt"
  [ $? -eq 1 ] && grep -q "cannot write to standard output: No space" "$work/err.txt" ||
    fail "a full standard output: $(cat "$work/err.txt")"
fi

# Usage.
expect 0 "*" "" --help
grep -q "^Usage: tintora-colour \[--to NOTATION\] COLOUR" "$work/out.txt" || fail "--help shows no usage"
expect 0 "*" "" --version
grep -q "^tintora-colour [0-9]" "$work/out.txt" || fail "--version shows no version"
expect 2 "" "give at least one colour"
expect 2 "" "'cmyk' is no notation" --to cmyk red
expect 2 "" "--to needs a notation" red --to
expect 2 "" "unknown option '--fast'" --fast red
expect 2 "" "--pick takes no colours" --pick red
expect 2 "" "'4' is no sample size" --pick --average 4
expect 2 "" "--average needs a size" --pick --average
expect 2 "" "--average goes with --pick" --average 3 red

# A desktop with no picker (no display at all): said, nothing printed, exit 1.
if [ -x "$(dirname "$colour")/tintora" ]; then
  (
    failures=0
    unset DISPLAY WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=offscreen
    expect 1 "" "no colour picker" --pick
    # A display named but not there: said plainly, not in the toolkit's words.
    unset QT_QPA_PLATFORM
    export DISPLAY=:97
    expect 1 "" "no display or desktop portal is reachable (DISPLAY is :97" --pick
    exit $failures
  )
  failures=$((failures + $?))
else
  echo "note: no tintora beside $colour (a build without the window), --pick not tried"
fi

# The design helpers: contrast rounded down and judged per level; the fix, the scale and the
# simulation in the notation asked for; their usage errors.
expect 0 "4.47:1|AA normal text: fail|AAA normal text: fail|AA large text: pass|AAA large text: fail" "" \
  --contrast "#777" white
expect 0 "#767676" "" --fix-contrast AA "#999999" white
expect 0 "rgb(118 118 118)" "" --fix-contrast aa "#999999" white --to rgb
expect 1 "" "even white and black fall short" --fix-contrast AAA "#777" "#777"
expect 0 "*" "" --scale "rgb(59 130 246)"
[ "$(tr -d '\r' <"$work/out.txt" | sed -n 6p)" = "500: #3B82F6" ] || fail "--scale did not keep its colour as step 500: $(cat "$work/out.txt")"
expect 0 "#6D5F00|#FFFFFF" "" --simulate protanopia red white
expect 2 "" "'BB' is no level; choose AA, AAA or AA-large" --fix-contrast BB red white
expect 2 "" "--contrast takes two colours" --contrast red
expect 2 "" "is no deficiency" --simulate normal red
expect 2 "" "choose one of --contrast" --contrast --scale red
expect 1 "" '"nocolour" is not a colour' --scale nocolour

finish "tintora-colour: all checks passed"
