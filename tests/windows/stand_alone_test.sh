#!/bin/sh
# Each Windows program stands alone: it needs no DLL beside it that Windows does not have (Wine
# has some that Windows lacks, zlib1.dll among them, so running under Wine does not show it).
#   stand_alone_test.sh <objdump> <program.exe>...
set -u
objdump=$1
shift
. "$(dirname "$0")/../support/checks.sh"
windows='^(advapi32|authz|bcrypt|comctl32|comdlg32|crypt32|d3d9|d3d11|d3d12|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|oleaut32|setupapi|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32|api-ms-win-.*)\.dll$'
for program in "$@"; do
  needs=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$needs" ] || fail "$program: no imports listed (is it a Windows program?)"
  for dll in $needs; do
    echo "$dll" | grep -Eq "$windows" || fail "$(basename "$program") needs $dll, which Windows does not have"
  done
done
finish "every program needs only what Windows has"
