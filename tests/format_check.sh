#!/bin/sh
# Every C++ file of the project as .clang-format lays it out; a file that is not fails the
# test and is named, with what clang-format would change.
#   format_check.sh <source folder>
cd "$1" || exit 1
command -v clang-format >/dev/null || { echo "SKIP: clang-format is not installed"; exit 77; }
if [ -d .git ] && command -v git >/dev/null; then
  files=$(git ls-files '*.cpp' '*.h')
else
  files=$(find src tests bench fuzz -name '*.cpp' -o -name '*.h')
fi
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
