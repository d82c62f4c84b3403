#!/bin/sh
# Palettes written for design systems, read by the real tools: Tailwind CSS v4 compiles the
# theme with a bg- utility per colour, Sass and Less compile every variable (and Sass the map),
# Terrazzo parses the design tokens with its default lint rules and Style Dictionary builds CSS
# variables from them, each checked for its colour. The tools are the pinned versions of design_tools/package-lock.json,
# installed once into <tools folder> with npm ci.
#   design_tools_test.sh <tintora-convert> <tools folder>
set -u
convert=$1
tools=$2
. "$(dirname "$0")/support/checks.sh"
need_tools node npm
here=$(cd "$(dirname "$0")/design_tools" && pwd)
mkdir -p "$tools"
if ! cmp -s "$here/package-lock.json" "$tools/package-lock.json" || [ ! -d "$tools/node_modules" ]; then
  cp "$here/package.json" "$here/package-lock.json" "$tools/"
  if ! (cd "$tools" && npm ci --no-audit --no-fund --ignore-scripts >"$work/npm.txt" 2>&1); then
    echo "SKIP: npm could not install the pinned design tools (no registry?): $(tail -n 3 "$work/npm.txt")"
    rm -f "$tools/package-lock.json"
    exit 77
  fi
fi
cp "$here/check.mjs" "$tools/"

# Names each tool could trip on: spaces and capitals, accents, camel case, a number, a word Less
# keeps for itself, another script, a duplicate, none at all.
printf 'GIMP Palette\nName: Brand Colours\n#\n' >"$work/in.gpl"
printf ' 51 102 204\tBrand Blue\n255   0   0\tRed\n238   0   0\tred\n240 249 255\tCr\303\250me Br\303\273l\303\251e\n' >>"$work/in.gpl"
printf ' 30  27  75\tdarkBlue\n 59 130 246\t500\n  0   0   0\tmedia\n 17  34  51\t\346\227\245\346\234\254\n250 250 250\n' >>"$work/in.gpl"
for to in tailwind scss less tokens; do
  "$convert" "$work/in.gpl" "$work/out.$to" --to "$to" || fail "tintora-convert --to $to failed"
done
(cd "$tools" && node check.mjs "$work/out.tailwind" "$work/out.scss" "$work/out.less" "$work/out.tokens" \
  3366CC FF0000 EE0000 F0F9FF 1E1B4B 3B82F6 000000 112233 FAFAFA) || fail "a design tool read a colour otherwise"
finish "design tools: Tailwind, Sass, Less, Terrazzo and Style Dictionary read every colour"
