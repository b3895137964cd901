#!/usr/bin/env bash
# The assettool command line: help, exit codes, one-line errors naming the file, no partial
# outputs, and round trips through the files a modder would handle.
set -u
TOOL=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# expect_error CODE FILE_WORD COMMAND...: exit status CODE and exactly one line on stderr that
# names FILE_WORD.
expect_error() {
  local code=$1 word=$2
  shift 2
  "$TOOL" "$@" >out.txt 2>err.txt
  local rc=$?
  [ "$rc" -eq "$code" ] || fail "$*: exit $rc, expected $code"
  [ "$(wc -l <err.txt)" -eq 1 ] || fail "$*: stderr is not one line: $(cat err.txt)"
  grep -q -- "$word" err.txt || fail "$*: error does not name '$word': $(cat err.txt)"
}

# Help and usage.
"$TOOL" --help >help.txt || fail "--help exits non-zero"
for c in decode encode info font loc bindings; do
  grep -q "^  $c " help.txt || fail "--help does not list $c"
done
"$TOOL" loc --help | grep -q "loc compile" || fail "loc --help shows no usage"
"$TOOL" >/dev/null 2>&1
[ $? -eq 2 ] || fail "no arguments should exit 2"
expect_error 2 frobnicate frobnicate
expect_error 2 usage decode only-one-argument

# A 3 x 2 TGA (uncompressed, 24 bits, top-down), converted to PNG, to DSX and back.
printf '\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x03\x00\x02\x00\x18\x20' >pic.tga
printf '\x00\x00\xff\x00\xff\x00\xff\x00\x00\xff\xff\xff\x00\x00\x00\x80\x80\x80' >>pic.tga
"$TOOL" decode pic.tga pic.png && "$TOOL" encode pic.png pic.dsx &&
  "$TOOL" decode pic.dsx back.png && "$TOOL" encode back.png back.dsx || fail "conversions"
cmp -s pic.dsx back.dsx || fail "PNG -> DSX -> PNG -> DSX changed the picture"
"$TOOL" info pic.dsx >info.txt || fail "info of a DSX"
grep -q "DSX 3 x 2, RGB" info.txt || fail "info: $(cat info.txt)"
grep -q "global palette" info.txt || fail "info shows no coding statistics"
"$TOOL" encode pic.png rgba.dsx --rgba && "$TOOL" info rgba.dsx | grep -q "RGBA" ||
  fail "--rgba gives no RGBA picture"

# Failures: missing, truncated and wrong-format inputs; the good output stays as it was.
cp back.png keep.png
expect_error 1 "nothere.dsx: not found" decode nothere.dsx back.png
head -c 20 pic.dsx >short.dsx
expect_error 1 "short.dsx: .*file ends inside" decode short.dsx back.png
expect_error 1 "not a PNG file" encode pic.tga back.dsx
cmp -s keep.png back.png || fail "a failed decode replaced its output"
cmp -s pic.dsx back.dsx || fail "a failed encode replaced its output"
ls ./*.tmp* >/dev/null 2>&1 && fail "temporary files left behind"
expect_error 1 "cannot" decode pic.dsx no/such/folder/out.png
expect_error 1 "size" font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf 1000 f.dsf
expect_error 1 "pic.tga" font pic.tga 12 f.dsf
expect_error 1 "draw height" font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf 24 f.dsf \
  --draw-height 0
expect_error 2 "usage" font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf 24 f.dsf --scale 2
[ -e f.dsf ] && fail "a failed font wrote its output"

# Texts and bindings round trip through their readable form.
printf '# menu\n0 = Start\n1 = Two\\nlines\n2 =\n3 = \\x20space\n' >menu.txt
"$TOOL" loc compile menu.txt menu.loc --entries 4 && "$TOOL" loc dump menu.loc >dump.txt ||
  fail "loc compile and dump"
grep -v '^#' menu.txt | cmp -s - dump.txt || fail "loc text -> LOC -> text differs"
expect_error 1 "menu.txt: has 4 entries, needs at least 19" loc compile menu.txt m.loc --entries 19
expect_error 1 "entry 1 is 9 bytes" loc compile menu.txt m.loc --max-bytes 5
head -c 9 menu.loc >cut.loc
expect_error 1 "cut.loc: truncated" loc dump cut.loc

printf 'SpeedUp = Key 87\nConsoleMode = Key 243 + Key 65\n' >keys.txt
"$TOOL" bindings compile keys.txt keys.cdu && "$TOOL" bindings dump keys.cdu >bdump.txt ||
  fail "bindings compile and dump"
[ "$(stat -c %s keys.cdu)" -eq 512 ] || fail "binding table is not 512 bytes"
grep -q "^ConsoleMode *= Key 243 + Key 65$" bdump.txt || fail "bindings dump: $(cat bdump.txt)"
"$TOOL" bindings compile bdump.txt again.cdu && cmp -s keys.cdu again.cdu ||
  fail "bindings text -> table -> text -> table differs"
printf 'SpeedUp = W\n' >named.txt
expect_error 1 "named.txt: line 1: unknown key 'W'" bindings compile named.txt x.cdu
expect_error 1 "none.loc" bindings compile named.txt x.cdu --keys none.loc
expect_error 1 "menu.loc: is" bindings dump menu.loc

if [ "$failures" -eq 0 ]; then echo "assettool command line: all checks passed"; fi
[ "$failures" -eq 0 ]
