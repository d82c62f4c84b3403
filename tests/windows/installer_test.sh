#!/bin/sh
# The Windows installer under Wine, in a prefix of its own: installed silently, the installed
# program started until its main window is on the X server, then uninstalled silently, leaving
# none of the program's files behind.
#   installer_test.sh <folder holding the installer> <wine>
set -u
packages=$1
wine=$2
. "$(dirname "$0")/../support/checks.sh"
need_tools xdotool
need_display
installer=$(ls "$packages"/tintora-*-windows-*.exe 2>/dev/null | head -n 1)
if [ -z "$installer" ]; then
  fail "no installer in $packages (make test-windows builds it with cpack)"
  finish ""
fi
export WINEPREFIX="$work/prefix"
WINEDEBUG=-all "$wine" wineboot -i >/dev/null 2>&1
wineserver -w
root="$WINEPREFIX/drive_c/Program Files/Tintora"

WINEDEBUG=-all timeout 120 "$wine" "$installer" /S
[ -x "$root/bin/tintora.exe" ] || fail "nothing installed in $root: $(ls "$WINEPREFIX/drive_c/Program Files")"
[ -f "$root/share/tintora/help/index.html" ] || fail "the manual was not installed"
[ -f "$root/Uninstall.exe" ] || fail "no uninstaller was installed"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tintora"
ls "$menu"/*.lnk >/dev/null 2>&1 || fail "no Start-menu entry in $menu"

# The installed program, until its window maps.
WINEDEBUG=-all "$wine" "$root/bin/tintora.exe" >"$work/run.log" 2>&1 &
started=$(date +%s%N)
shown=""
while [ $((($(date +%s%N) - started) / 1000000000)) -lt 60 ]; do
  shown=$(xdotool search --onlyvisible --name '^Tintora' 2>/dev/null | head -n 1)
  [ -n "$shown" ] && break
  sleep 0.05
done
[ -n "$shown" ] || fail "the installed program showed no window in 60 s: $(cat "$work/run.log")"
echo "the installed program's window mapped after $((($(date +%s%N) - started) / 1000000)) ms"
wineserver -k
wineserver -w

WINEDEBUG=-all timeout 120 "$wine" "$root/Uninstall.exe" /S
# The uninstaller copies itself away and finishes from there.
for _ in $(seq 1 60); do [ -e "$root" ] || break; sleep 0.5; done
wineserver -w
left=$(find "$root" -type f 2>/dev/null)
[ -z "$left" ] || fail "the uninstaller left: $left"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu folder"
wineserver -k
finish "the installer installs, starts and uninstalls"
