#!/bin/sh
# The Debian package as a user gets it: made by CPack, unpacked into a throwaway root, its
# programs run from there (the window on the X server this runs under), and lintian's verdict.
#   package_test.sh <build folder> <version>
set -u
build=$1
version=$2
. "$(dirname "$0")/support/checks.sh"
need_tools cpack dpkg-deb dpkg-shlibdeps lintian xdotool
need_display

arch=$(dpkg --print-architecture)
deb="$work/tintora_${version}_${arch}.deb"
if ! cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.txt" 2>&1; then
  cat "$work/cpack.txt"
  fail "cpack could not make the package"
  finish ""
fi
[ -f "$deb" ] || fail "no $(basename "$deb"); made: $(ls "$work"/*.deb 2>/dev/null)"

# Its dependencies are what the programs link, found by dpkg-shlibdeps, plus the X11 plugin.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 zlib1g libexpat1 qt6-qpa-plugins; do
  case "$depends" in *"$lib"*) ;; *) fail "Depends lacks $lib: $depends" ;; esac
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version), not $version"

root="$work/root"
dpkg-deb -x "$deb" "$root"
for page in tintora tintora-convert tintora-colour; do
  [ -f "$root/usr/share/man/man1/$page.1.gz" ] || fail "no manual page for $page"
done
for program in tintora tintora-convert tintora-colour; do
  said=$("$root/usr/bin/$program" --version 2>&1)
  [ "$said" = "$program $version" ] || fail "$program --version said: $said"
done
"$root/usr/bin/tintora-convert" --help | grep -q "^Usage: tintora-convert" || fail "tintora-convert --help"

# The installed program starts, shows its window and finds its manual in the package.
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" "$root/usr/bin/tintora" >"$work/run.txt" 2>&1 &
pid=$!
shown=""
for _ in $(seq 50); do
  shown=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
  [ -n "$shown" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
[ -n "$shown" ] || { cat "$work/run.txt"; fail "the installed program showed no window"; }
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ -f "$root/usr/share/tintora/help/index.html" ] || fail "the manual is not in the package"

# lintian: no errors and no warnings. (Run as root it says so on stderr; that is all.)
lintian --fail-on error,warning "$deb" >"$work/lintian.txt" 2>&1 || {
  cat "$work/lintian.txt"
  fail "lintian found errors or warnings"
}
finish "the package installs, runs and passes lintian"
