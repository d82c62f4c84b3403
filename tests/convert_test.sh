#!/bin/sh
# tintora-convert from the outside: what it writes, what it says, and how it exits.
#   convert_test.sh <tintora-convert> <test data folder>
set -u
convert=$1
data=$2
. "$(dirname "$0")/support/checks.sh"

# expect <exit code> <text that stderr must hold, or ""> <arguments...>
expect() {
  want=$1
  said=$2
  shift 2
  # A converter that waits on something is as wrong as one that fails: give it a bound.
  timeout 20 "$convert" "$@" >"$work/out.txt" 2>"$work/err.txt"
  got=$?
  [ "$got" -eq "$want" ] || fail "tintora-convert $* exited $got, not $want: $(cat "$work/err.txt")"
  if [ -n "$said" ] && ! grep -qF -- "$said" "$work/err.txt"; then
    fail "tintora-convert $* did not say '$said' but: $(cat "$work/err.txt")"
  fi
}

printf '{Red}[FF0000]\r\n{Yellow}[FFFF00]\r\n{Navy}[000080]\r\n' >"$work/three.cdt"
printf '{Caf\303\251}[6F4E37]\r\n{\346\227\245\346\234\254}[0080FF]\r\n{Red}[FF0000]\r\n' >"$work/names.cdt"

# Usage.
expect 0 "" --help
grep -q "^Usage: tintora-convert IN OUT" "$work/out.txt" || fail "--help shows no usage"
expect 2 "give one file" "$work/three.cdt"
expect 2 "unknown option '--fast'" --fast "$work/three.cdt" "$work/x.gpl"
expect 2 "does not know this kind of file" "$work/three.cdt" "$work/x.doc"
expect 2 "does not know this kind of file" "$work/three.doc" "$work/x.gpl"
expect 2 "does not write them" "$work/three.cdt" "$work/x.lst"
expect 2 "from 1 to 10" --html-columns 11 "$work/three.cdt" "$work/x.htm"
expect 2 "consecutive or overlay" --html-style bold "$work/three.cdt" "$work/x.htm"
expect 2 "needs a value" "$work/three.cdt" "$work/x.htm" --html-columns
[ -e "$work/x.gpl" ] || [ -e "$work/x.htm" ] && fail "a usage error wrote a file"

# Through every format that keeps names and back: the same list, byte for byte.
previous="$work/names.cdt"
for ext in aco gpl ase css txt htm html soc xml kpl cdt; do
  expect 0 "" "$previous" "$work/chain.$ext"
  previous="$work/chain.$ext"
done
cmp -s "$work/names.cdt" "$work/chain.cdt" || fail "the chain of formats changed the list"
# Through the formats without names: the colours come through, named by their values.
previous="$work/three.cdt"
for out in swatches:procreate hex:hex pn.txt:paint.net act:act bare.cdt:cdt; do
  expect 0 "" "$previous" "$work/nameless.${out%%:*}" --to "${out##*:}"
  previous="$work/nameless.${out%%:*}"
done
grep -q '^FFFF0000' "$work/nameless.pn.txt" || fail "the Paint.NET palette has no AARRGGBB lines"
printf '{FF0000}[FF0000]\r\n{FFFF00}[FFFF00]\r\n{000080}[000080]\r\n' | cmp -s - "$work/nameless.bare.cdt" ||
  fail "the chain without names changed the colours"
# A GIMP palette's name and columns go through Krita's and back, whatever the files are called.
printf 'GIMP Palette\nName: Tango\nColumns: 3\n#\n255 0 0 Red\n' >"$work/tango.gpl"
expect 0 "" "$work/tango.gpl" "$work/other.kpl"
expect 0 "" "$work/other.kpl" "$work/back.gpl"
head -n 3 "$work/back.gpl" | tr '\n' '|' | grep -qx 'GIMP Palette|Name: Tango|Columns: 3|' ||
  fail "the GIMP header did not survive: $(head -n 3 "$work/back.gpl")"
# Another zip reader takes the zipped palettes whole, every CRC right.
if command -v python3 >/dev/null 2>&1; then
  for zipped in "$work/other.kpl" "$work/nameless.swatches"; do
    python3 -c 'import sys, zipfile; sys.exit(zipfile.ZipFile(sys.argv[1]).testzip() is not None)' "$zipped" ||
      fail "Python's zipfile finds $zipped damaged"
  done
  # And Tintora reads the archives it writes, in the shapes other writers give them: stored,
  # streamed (sizes after the data), with zip64 headers, with a comment; bzip2 it refuses.
  python3 - "$work/other.kpl" "$work" <<'PYTHON' || fail "Python could not write the archives"
import sys, zipfile
source = zipfile.ZipFile(sys.argv[1])
parts = [(n, source.read(n)) for n in source.namelist()]
def write(name, target, method=zipfile.ZIP_DEFLATED, comment=b"", zip64=False):
    with zipfile.ZipFile(target, "w", method) as z:
        z.comment = comment
        for n, data in parts:
            info = zipfile.ZipInfo(n)
            info.compress_type = method
            with z.open(info, "w", force_zip64=zip64) as f:
                f.write(data)
work = sys.argv[2]
write("stored", work + "/stored.kpl", zipfile.ZIP_STORED)
write("zip64", work + "/zip64.kpl", zip64=True)
write("comment", work + "/comment.kpl", comment=b"PK\x05\x06 a comment that looks like an end")
write("bzip2", work + "/bzip2.kpl", zipfile.ZIP_BZIP2)
class Stream:  # unseekable, so the sizes follow each entry's data
    def __init__(self, f): self.f = f
    def write(self, b): return self.f.write(b)
    def flush(self): self.f.flush()
with open(work + "/streamed.kpl", "wb") as f:
    write("streamed", Stream(f))
PYTHON
  for shape in stored zip64 comment streamed; do
    expect 0 "" "$work/$shape.kpl" "$work/$shape.gpl"
    cmp -s "$work/$shape.gpl" "$work/back.gpl" || fail "the $shape archive read differently"
  done
  expect 1 "cannot be unpacked (it is compressed in a way palettes are not)" "$work/bzip2.kpl" "$work/bzip2.gpl"
else
  echo "skipped: no python3 here to read the zipped palettes with another zip reader"
fi
# Photoshop's table on request; it holds 256 colours at most.
expect 0 "" --act-adobe "$work/three.cdt" "$work/adobe.act"
[ "$(wc -c <"$work/adobe.act")" -eq 772 ] || fail "the Photoshop table is not 772 bytes"
awk 'BEGIN { for (i = 0; i < 257; i++) printf "{c%d}[%06X]\r\n", i, i }' >"$work/many.cdt"
expect 1 "at most 256 colours" --act-adobe "$work/many.cdt" "$work/bad0.act"
expect 2 "--to takes the name of a format Tintora writes" --to sbz "$work/three.cdt" "$work/x.sbz"
expect 2 "--to takes the name of a format Tintora writes" "$work/three.cdt" "$work/x.txt" --to cmyk

# The HTML table with its options, against the page written by hand.
expect 0 "" --html-columns 2 "$work/three.cdt" "$work/two.htm"
cmp -s "$work/two.htm" "$data/formats/three_consecutive_2_columns.htm" || fail "the 2-column page differs"
expect 0 "" --html-style overlay "$work/three.cdt" "$work/overlay.htm"
grep -q 'FONT COLOR="FFFFFF"' "$work/overlay.htm" || fail "the overlay page has no white text on navy"

# An Adobe colour table is 3 bytes a colour; read back, colours are named by their values.
expect 0 "" "$work/three.cdt" "$work/three.act"
[ "$(wc -c <"$work/three.act")" -eq 9 ] || fail "the ACT file is not 9 bytes"
expect 0 "" "$work/three.act" "$work/act.cdt"
printf '{FF0000}[FF0000]\r\n{FFFF00}[FFFF00]\r\n{000080}[000080]\r\n' | cmp -s - "$work/act.cdt" || fail "ACT read back wrongly"

# Bad input: exit 1, a reason, and no output file.
# (The system's own words: Windows says "File not found" where POSIX says "No such file".)
missing="No such file"
[ -n "${TINTORA_TEST_WINDOWS:-}" ] && missing="File not found"
expect 1 "$missing" "$work/missing.cdt" "$work/bad1.gpl"
printf '{A}[123456]\r\n\000\001' >"$work/binary.cdt"
expect 1 "binary data" "$work/binary.cdt" "$work/bad2.gpl"
printf '\000\003\000\002' >"$work/v3.aco"
expect 1 "Unsupported Adobe File Version. Version: 0003h Number of Records: 2" "$work/v3.aco" "$work/bad3.gpl"
head -c 30 "$work/chain.aco" >"$work/cut.aco"
expect 1 "ends before its last colour" "$work/cut.aco" "$work/bad4.gpl"
printf 'GIMP Palette\n# nothing here\n' >"$work/empty.gpl"
expect 1 "holds no colours" "$work/empty.gpl" "$work/bad5.cdt"
: >"$work/nothing.cdt"
expect 1 "nothing.cdt holds no colours; '$work/bad5.cdt' was not written" "$work/nothing.cdt" "$work/bad5.cdt"
printf '{odd}[zz]\r\n' >"$work/odd.cdt"
expect 1 "not an RGB colour" "$work/odd.cdt" "$work/bad6.ase"
printf '{Red}[FF0000]\r\n{Green}[' >"$work/cut.cdt"
expect 1 "ends before its last colour (1 read)" "$work/cut.cdt" "$work/bad7.gpl"
# Named pipes and devices as files are POSIX's; a Windows program under Wine cannot meet them.
if [ -z "${TINTORA_TEST_WINDOWS:-}" ]; then
  mkfifo "$work/pipe.cdt"
  expect 1 "pipe.cdt is a named pipe, not a file." "$work/pipe.cdt" "$work/bad8.gpl"
  ln -s /dev/zero "$work/zero.aco"
  expect 1 "zero.aco is a device, not a file." "$work/zero.aco" "$work/bad9.gpl"
  expect 1 "Is a named pipe, not a file" "$work/three.cdt" "$work/pipe.cdt"
  [ -p "$work/pipe.cdt" ] || fail "a named pipe was replaced by a file"
fi
for n in 0 1 2 3 4 5 6 7 8 9; do
  ls "$work"/bad$n.* >/dev/null 2>&1 && fail "a failed conversion left bad$n behind"
done

# Text saved as UTF-16 by Windows editors reads as text.
printf '\377\376{\000R\000}\000[\000F\000F\0000\0000\0000\0000\000]\000\r\000\n\000' >"$work/utf16.cdt"
expect 0 "" "$work/utf16.cdt" "$work/from16.cdt"
printf '{R}[FF0000]\r\n' | cmp -s - "$work/from16.cdt" || fail "a UTF-16 list read wrongly"

# The output's own name is the palette's title, but never a line of its own. (Windows allows
# no line break in a file name.)
if [ -z "${TINTORA_TEST_WINDOWS:-}" ]; then
  expect 0 "" "$work/three.cdt" "$work/two
lines.gpl"
  sed -n 2p "$work/two
lines.gpl" | grep -qx "Name: two lines" || fail "a line break in the file name reached the palette"
  [ "$(grep -c . "$work/two
lines.gpl")" -eq 7 ] || fail "the palette has lines it should not"
fi

# An output that cannot be written leaves what was there.
mkdir "$work/locked"
printf 'old' >"$work/locked/list.gpl"
chmod a-w "$work/locked/list.gpl"
expect 1 "read-only" "$work/three.cdt" "$work/locked/list.gpl"
[ "$(cat "$work/locked/list.gpl")" = "old" ] || fail "a failed write changed the file"

finish "all conversions behaved"
