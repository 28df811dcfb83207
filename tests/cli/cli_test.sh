#!/usr/bin/env bash
# End-to-end checks of zemtar-cli new, dump and import: exit codes, messages, and files
# left untouched on every error.
set -u
CLI=$(realpath "${1:?usage: cli_test.sh path/to/zemtar-cli}")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export XDG_CONFIG_HOME="$WORK/config"
cd "$WORK"
pass=0 fail=0
ok() { pass=$((pass + 1)); }
bad() { fail=$((fail + 1)); echo "FAIL: $*"; }
expect_rc() { # expected-rc description command...
  local want=$1 what=$2; shift 2
  "$@" >out.txt 2>err.txt; local rc=$?
  if [ "$rc" = "$want" ]; then ok; else bad "$what: exit $rc, wanted $want ($(head -c 300 err.txt))"; fi
}
has() { if grep -qF -- "$2" "$1"; then ok; else bad "$1 lacks '$2': $(head -c 300 "$1")"; fi; }
byte_at() { od -An -tx1 -j "$2" -N 1 "$1" | tr -d ' '; }

# Usage and help
expect_rc 1 "no command" "$CLI"
expect_rc 1 "unknown command" "$CLI" frobnicate
for c in new dump import verify fleet; do expect_rc 0 "$c --help" "$CLI" $c --help; has out.txt "Usage: zemtar-cli $c"; done
expect_rc 1 "fleet without port" "$CLI" fleet t.dat --sequence "MSK/ID Code=1..2" --log l.csv
expect_rc 1 "fleet with units and sequence" "$CLI" fleet t.dat --units u.csv --sequence "MSK/ID Code=1..2" --port x --log l.csv
expect_rc 1 "fleet without log" "$CLI" fleet t.dat --sequence "MSK/ID Code=1..2" --port x
expect_rc 1 "fleet port twice" "$CLI" fleet t.dat --sequence "MSK/ID Code=1..2" --port x --port x --log l.csv
expect_rc 1 "verify without port" "$CLI" verify t.dat
expect_rc 1 "new without file" "$CLI" new
expect_rc 1 "new bad type" "$CLI" new x.dat --type abc
[ ! -e x.dat ] && ok || bad "x.dat written despite usage error"
expect_rc 1 "dump bad language" "$CLI" dump x.dat --language Klingon
expect_rc 1 "unknown option" "$CLI" dump x.dat --bogus

# new
expect_rc 0 "new" "$CLI" new a.dat
[ "$(stat -c %s a.dat)" = 6144 ] && ok || bad "a.dat is not 6144 bytes"
[ "$(od -An -tx1 -j $((0x17E8)) -N 3 a.dat | tr -d ' ')" = "141445" ] && ok || bad "band bytes"
[ "$(byte_at a.dat 13)" = "05" ] && ok || bad "channel 1 byte 13 after the store of an empty table"
[ "$(byte_at a.dat $((0x17D1)))" = "00" ] && ok || bad "radio type default"
expect_rc 0 "new --type" "$CLI" new t3.dat --type 3
[ "$(byte_at t3.dat $((0x17D1)))" = "03" ] && ok || bad "--type 3"
mkdir -p "$XDG_CONFIG_HOME/zemtar"
printf '[Software]\n' >/dev/null
printf '[Software/Zemtar]\nType=2\n' >"$XDG_CONFIG_HOME/zemtar/registry.ini"
expect_rc 0 "new with persisted type" "$CLI" new t2.dat
[ "$(byte_at t2.dat $((0x17D1)))" = "02" ] && ok || bad "persisted Type 2 not used"
for t in -1 4 300 two; do # four types in Setup.ini: a value that names none is dropped, not wrapped
  printf '[Software/Zemtar]\nType=%s\n' "$t" >"$XDG_CONFIG_HOME/zemtar/registry.ini"
  expect_rc 0 "new with persisted type $t" "$CLI" new tw.dat
  [ "$(byte_at tw.dat $((0x17D1)))" = "00" ] && ok || bad "persisted Type $t taken as $(byte_at tw.dat $((0x17D1)))"
  has err.txt "(Type=$t) is not one of the 4 radio types"
  grep -q '^Type=' "$XDG_CONFIG_HOME/zemtar/registry.ini" && bad "Type=$t kept" || ok
done
rm -f "$XDG_CONFIG_HOME/zemtar/registry.ini"
# print never writes over the data file it prints, however the output is spelt
cp a.dat p.dat && ln -s p.dat p-soft.pdf && ln p.dat p-hard.pdf && mkdir -p sub
for out in p.dat ./p.dat sub/../p.dat "$WORK/p.dat" p-soft.pdf p-hard.pdf; do
  expect_rc 1 "print over its own data file ($out)" "$CLI" print p.dat "$out"
  has err.txt "is the data file p.dat itself: nothing was written"
  cmp -s a.dat p.dat && ok || bad "print to $out changed the data file"
done
expect_rc 0 "print beside it" "$CLI" print p.dat p.pdf
expect_rc 3 "new into missing folder" "$CLI" new no/such/dir/a.dat
has err.txt "no/such/dir/a.dat"

# dump
expect_rc 0 "dump" "$CLI" dump a.dat
[ "$(wc -l <out.txt)" = 130 ] && ok || bad "dump line count $(wc -l <out.txt)"
[ "$(awk -F'\t' 'NF != 12' out.txt | wc -l)" = 0 ] && ok || bad "dump lines without 12 fields"
cp out.txt t.tsv
expect_rc 0 "dump csv chinese" "$CLI" dump a.dat --csv --language Chinese
has out.txt "信道,接收频率"
head -c 100 a.dat >short.dat
expect_rc 3 "dump short file" "$CLI" dump short.dat
has err.txt "short.dat"; has err.txt "100 bytes"
expect_rc 3 "dump missing file" "$CLI" dump missing.dat
has err.txt "missing.dat"

# import: unedited table changes nothing
cp a.dat before.dat
expect_rc 0 "import unedited" "$CLI" import a.dat t.tsv
cmp -s a.dat before.dat && ok || bad "unedited import changed the file"

# import: three edited channels, then dump again shows exactly those
awk -F'\t' 'BEGIN{OFS="\t"}
  $1=="1"{$2="145.125";$6="HOME"}
  $1=="5"{$2="144.5";$3="144.1";$4="67.0";$11="Carrier Only"}
  $1=="Fr"{$2="145.0125";$7="Low";$12="MSK"}
  {print}' t.tsv >edited.tsv
expect_rc 0 "import edited" "$CLI" import a.dat edited.tsv
"$CLI" dump a.dat >after.tsv
diff t.tsv after.tsv | grep '^>' >changes.txt
[ "$(wc -l <changes.txt)" = 3 ] && ok || bad "expected 3 changed rows, got: $(cat changes.txt)"
has after.tsv "$(printf '1\t145.12500\t145.12500\tNone\tNone\tHOME\tHigh\tWide\tYes\tOff\tOff\tNone')"
has after.tsv "$(printf '5\t144.50000\t144.10000\t67.0\tNone\t\tHigh\tWide\tYes\tOff\tCarrier Only\tNone')"
has after.tsv "$(printf 'Fr\t145.01250\t145.01250\tNone\tNone\t\tLow\tWide\tYes\tOff\tOff\tMSK')"

# import from a slow pipe: the rows that come late are applied too
cp a.dat slow.dat
{ head -3 edited.tsv; sleep 1; tail -n +4 edited.tsv; } | "$CLI" import slow.dat - >out.txt 2>err.txt
"$CLI" dump slow.dat | cmp -s - after.tsv && ok || bad "import from a slow pipe: $(cat err.txt)"
head -c 3000000 /dev/zero | "$CLI" import slow.dat - >out.txt 2>err.txt
[ $? = 3 ] && ok || bad "import of oversized standard input"
has err.txt "standard input is larger than"
has err.txt "slow.dat was not changed."

# import: a mistyped frequency is refused and the file stays as it was
cp a.dat before.dat
sed 's/^7\t\t/7\t145.123\t/' t.tsv >typo.tsv
expect_rc 2 "import typo" "$CLI" import a.dat typo.tsv
has err.txt "line 8: Error data Value，please input according the step value(6.25K/5k)."
has err.txt "typo.tsv"
cmp -s a.dat before.dat && ok || bad "refused import changed the file"
printf '\xff\xfe\x00' >binary.tsv
expect_rc 2 "import binary table" "$CLI" import a.dat binary.tsv
has err.txt "binary.tsv: the table is not UTF-8 text"
has err.txt "a.dat was not changed."
expect_rc 3 "import missing table" "$CLI" import a.dat missing.tsv
has err.txt "missing.tsv"
expect_rc 3 "import into short file" "$CLI" import short.dat t.tsv
cmp -s a.dat before.dat && ok || bad "file changed by failed imports"
[ "$(stat -c %s short.dat)" = 100 ] && ok || bad "short.dat changed"

# Radio commands: usage and file errors come before any port is touched
expect_rc 1 "read without port" "$CLI" read out.dat
expect_rc 1 "power bogus kind" "$CLI" power medium --port /dev/null
expect_rc 1 "power value out of range" "$CLI" power high --port /dev/null --set 251
expect_rc 1 "bad retries" "$CLI" write --port /dev/null a.dat --retries x
expect_rc 3 "write missing file" "$CLI" write --port /dev/null missing.dat
has err.txt "missing.dat"
expect_rc 4 "read from a non-serial device" "$CLI" read --port /dev/null out.dat
has err.txt "Could not Open the Port"
[ ! -e out.dat ] && ok || bad "read left an output file"

# settings: print, change one field's bits, refuse without touching the file, clone
expect_rc 0 "settings --help" "$CLI" settings --help
has out.txt "Usage: zemtar-cli settings"
expect_rc 0 "new for settings" "$CLI" new s.dat
expect_rc 0 "settings print" "$CLI" settings s.dat
has out.txt "[Optional Features]"
has out.txt "Back Light=Auto"
has out.txt "Side Key=Option Singalling Call"
expect_rc 0 "settings Chinese" "$CLI" settings s.dat --language Chinese
has out.txt "Back Light=自动"
cp s.dat s0.dat
expect_rc 0 "settings --set" "$CLI" settings s.dat --set "Optional Features/Back Light=On"
[ "$(cmp -l s0.dat s.dat | wc -l)" = 1 ] && ok || bad "--set changed more than one byte"
[ "$(byte_at s.dat $((0x1265)))" = "25" ] && ok || bad "back light bits 4-5"
cp s.dat s1.dat
expect_rc 2 "settings refused" "$CLI" settings s.dat --set "Optional Features/Back Light=Bright" --set "Nowhere/X=1"
has err.txt "--set 1: Optional Features/Back Light"
has err.txt "--set 2: Nowhere/X: unknown section"
has err.txt "s.dat was not changed."
cmp -s s.dat s1.dat && ok || bad "a refused --set changed the file"
printf '[Optional Features]\nData Password=12a\n[Product Information]\nField=146-145\n' >bad.txt
expect_rc 2 "settings --apply refused" "$CLI" settings s.dat --apply bad.txt
has err.txt "line 2: Optional Features/Data Password"
has err.txt "line 4: Product Information/Field: Frequency input error"
cmp -s s.dat s1.dat && ok || bad "a refused --apply changed the file"
"$CLI" settings s.dat --language Chinese >print.txt
expect_rc 0 "settings applied unedited" "$CLI" settings s.dat --apply print.txt
cmp -s s.dat s1.dat && ok || bad "an unedited apply changed the file"
"$CLI" settings s.dat | "$CLI" settings s0.dat --apply - >/dev/null 2>&1
cmp -s s.dat s0.dat && ok || bad "cloning the settings into another file"
# Standard input is read to its end, however slowly a pipe delivers it, and bounded as files are.
cp s0.dat slow.dat
{ head -5 print.txt; sleep 1; tail -n +6 print.txt; } | "$CLI" settings slow.dat --apply - >out.txt 2>err.txt
cmp -s slow.dat s1.dat && ok || bad "settings from a slow pipe: $(cat err.txt)"
{ printf '[Optional Features]\n'; sleep 1; printf 'Data Password=12a\n'; } | "$CLI" settings slow.dat --apply - >out.txt 2>err.txt
[ $? = 2 ] && ok || bad "a late bad line on standard input was not seen"
has err.txt "line 2: Optional Features/Data Password"
head -c 2000000 /dev/zero | "$CLI" settings slow.dat --apply - >out.txt 2>err.txt
[ $? = 3 ] && ok || bad "oversized standard input"
has err.txt "standard input is larger than 1048576 bytes"
cmp -s slow.dat s1.dat && ok || bad "refused standard input changed the file"
cp s0.dat s2.dat
expect_rc 0 "settings --dry-run" "$CLI" settings s2.dat --set "Optional Features/Beep=Off" --dry-run
has err.txt "Optional Features/Beep: On -> Off"
cmp -s s2.dat s1.dat && ok || bad "--dry-run wrote the file"
cp s0.dat tt.dat
expect_rc 0 "2-Tone decode code 3" "$CLI" settings tt.dat --set "2-Tone3/A Tone(HZ)=1000.0" --set "2-Tone3/B Tone(HZ)=2000.0" --set "DTMF Encode/DTMF Speed(digit/s)=12"
[ "$(od -An -tx1 -j $((0x1758)) -N 4 tt.dat | tr -d ' ')" = "038001c0" ] && ok || bad "derived record of decode code 3"
has err.txt '"12" is taken as "10"'
yes '[Optional Features]' | head -c 2000000 >huge.txt
expect_rc 3 "settings text too large" "$CLI" settings s2.dat --apply huge.txt
has err.txt "larger than"

# print: the report as PDF, its pages and texts in both languages, and the exit codes
expect_rc 0 "print --help" "$CLI" print --help
expect_rc 1 "print bad section" "$CLI" print s0.dat r.pdf --sections dtmf,bogus
expect_rc 1 "print bad page size" "$CLI" print s0.dat r.pdf --page-size A5
expect_rc 2 "print without a page" "$CLI" print s0.dat r.pdf --sections channels
has err.txt "Nothing to print"
[ ! -e r.pdf ] && ok || bad "a job without a page left a file"
printf '1\t145.125\t\t\t\tCALL\t\t\t\t\t\t\n' >one.tsv
cp s0.dat p.dat; "$CLI" import p.dat one.tsv >/dev/null 2>&1
expect_rc 0 "print defaults" "$CLI" print p.dat r.pdf
if command -v pdftotext >/dev/null; then
  pdftotext r.pdf r.txt
  has r.txt "Page 1 of 2"
  has r.txt "Page 2 of 2"
  has r.txt "Back Light Color:"
  has r.txt "145.12500"
  expect_rc 0 "print all in Chinese" "$CLI" print p.dat rz.pdf --sections all --language Chinese --page-size Letter
  pdftotext rz.pdf rz.txt
  has rz.txt "Page 7 of 7"
  has rz.txt "信道信息"
  has rz.txt "背光灯颜色:"
  has rz.txt "电台信息"
  expect_rc 0 "print the whole-radio page" "$CLI" print p.dat rr.pdf --sections RADIO
  pdftotext rr.pdf rr.txt
  has rr.txt "Page 1 of 1"
  has rr.txt "144-145MHz"
  has rr.txt "Option Singalling Call"
  has rr.txt "p.dat"
  has rr.txt "$(date +%Y-%m-%d)"
fi
expect_rc 3 "print into a missing folder" "$CLI" print p.dat no/such/dir/r.pdf

# Outputs that are not regular files are refused before anything is written; inputs that
# are not regular files are refused instead of read; input is bounded; write errors say why.
if [ "$(id -u)" = 0 ]; then
  mknod chardev c 1 3
  ln -s chardev devlink.dat
  expect_rc 3 "new over a link to a device" "$CLI" new devlink.dat
  has err.txt "not a regular file"
  [ -c chardev ] && ok || bad "the device node was replaced"
  expect_rc 3 "new over a device" "$CLI" new chardev
  [ -c chardev ] && ok || bad "the device node was replaced by new"
  expect_rc 3 "read into a device" "$CLI" read --port /dev/null chardev
  [ -c chardev ] && ok || bad "the device node was replaced by read"
fi
mkfifo fifo.dat
expect_rc 3 "dump of a FIFO" timeout 10 "$CLI" dump fifo.dat
has err.txt "not a regular file"
expect_rc 3 "import of /dev/zero" timeout 10 "$CLI" import s0.dat /dev/zero
has err.txt "not a regular file"
head -c 3000000 /dev/zero | tr '\0' 'x' >huge.tsv
expect_rc 3 "import of a huge table" "$CLI" import s0.dat huge.tsv
has err.txt "larger than"
has err.txt "s0.dat was not changed."
expect_rc 3 "settings of a FIFO" timeout 10 "$CLI" settings s0.dat --apply fifo.dat
for i in $(seq 1 60); do printf '%d\t999\t\t\t\t\t\t\t\t\t\t\n' "$i"; done >many.tsv
expect_rc 2 "import with many problems" "$CLI" import s0.dat many.tsv
has err.txt "and 40 more"
[ "$(grep -c '^many.tsv: line' err.txt)" = 20 ] && ok || bad "more than twenty problems printed"
(ulimit -f 4; exec "$CLI" new toolarge.dat) >out.txt 2>err.txt; rc=$?
[ "$rc" = 3 ] && ok || bad "a file-size limit: exit $rc"
has err.txt "File too large"
expect_rc 3 "read into a missing folder" "$CLI" read --port /dev/null no/such/dir/out.dat
has err.txt "does not exist"
{ cat s0.dat; head -c 856 /dev/zero; } >long.dat
expect_rc 0 "import into a longer file" "$CLI" import long.dat one.tsv
has err.txt "held 7000 bytes"

printf '1\t145.125\t600\t\t\t\t\t\t\t\t\t\n' >txout.tsv
cp s0.dat tx.dat
expect_rc 0 "import a transmit frequency outside 67-512 MHz" "$CLI" import tx.dat txout.tsv
has err.txt "note: line 1: transmit frequency"
has err.txt "taken as 67.00000"

# import: CR, LF and CR LF line ends alike; a table without rows changes nothing and says so
"$CLI" dump s0.dat | sed -n '1p;4p' | sed 's/^3\t\t\t/3\t145.5\t\t/' >lf.tsv
for ends in lf crlf cr; do
  cp s0.dat ends.dat
  case $ends in lf) cp lf.tsv t-$ends.tsv ;; crlf) sed 's/$/\r/' lf.tsv >t-$ends.tsv ;; cr) tr '\n' '\r' <lf.tsv >t-$ends.tsv ;; esac
  expect_rc 0 "import with $ends line ends" "$CLI" import ends.dat t-$ends.tsv
  has err.txt "ends.dat: 1 row(s) changed."
done
"$CLI" dump s0.dat | head -1 | tr '\n' '\r' >header.tsv
for t in header.tsv /dev/null; do
  [ "$t" = /dev/null ] && { : >empty.tsv; t=empty.tsv; }
  expect_rc 2 "import of $t without rows" "$CLI" import s0.dat "$t"
  has err.txt "the table has no channel rows below its header"
  has err.txt "s0.dat was not changed."
done
# names holding separators, quotes and control bytes come back byte for byte
cp s0.dat names.dat
printf '1\t145.125\t\t\t\t\t\t\t\t\t\t\n2\t145.25\t\t\t\t\t\t\t\t\t\t\n' >two.tsv
"$CLI" import names.dat two.tsv >/dev/null 2>&1
printf 'A\tB\r,"\n' | dd of=names.dat bs=1 seek=16 conv=notrunc status=none
printf '\001;\177\351=\\x' | dd of=names.dat bs=1 seek=40 conv=notrunc status=none
cp names.dat names0.dat
for f in "" --csv; do
  "$CLI" dump names.dat $f >names.txt
  expect_rc 0 "import of a dump with odd names $f" "$CLI" import names.dat names.txt
  cmp -s names.dat names0.dat && ok || bad "odd names changed by import $f"
done
"$CLI" dump names.dat | sed -n 2p | grep -qF "$(printf '"A\tB\r,""\n')" && ok || bad "a name with a tab is not quoted"
expect_rc 6 "diff of names with control bytes" "$CLI" diff s0.dat names.dat
has out.txt 'channel 1: Chnnel Name: (empty) in s0.dat, A\x09B\x0D,"\x0A in names.dat'
[ "$(grep -vc '^channel ' out.txt)" = 0 ] && ok || bad "a difference in a name with line breaks took more than one line"
"$CLI" text names.dat >names-text.txt
has names-text.txt 'Chnnel Name="A\x09B\x0D,\"\x0A"'
printf 'x\ty' | dd of=names.dat bs=1 seek=$((0x1380)) conv=notrunc status=none
cp names.dat names0.dat
"$CLI" settings names.dat >names.ini
expect_rc 0 "settings text of odd texts" "$CLI" settings names.dat --apply names.ini
cmp -s names.dat names0.dat && ok || bad "odd settings texts changed by --apply"
tr '\n' '\r' <names.ini >names-cr.ini
expect_rc 0 "settings text with CR line ends" "$CLI" settings names.dat --apply names-cr.ini
cmp -s names.dat names0.dat && ok || bad "settings text with CR line ends changed the file"
printf '4\t145\t\tD999N\t\t\t\t\t\t\t\t\n' >tone.tsv
expect_rc 2 "import of a tone outside the lists" "$CLI" import names.dat tone.tsv
has err.txt "line 1: \"D999N\" is not a tone of the radio's lists"

# export, import of the common CSV layout, diff, text
for c in export diff text; do expect_rc 0 "$c --help" "$CLI" $c --help; has out.txt "Usage: zemtar-cli $c"; done
printf '1\t145.125\t145.725\t\t88.5\tREP\t\t\t\t\t\t\n2\t144.5\t\tD023N\tD023I\t"A,B"\tLow\tNarrow\tNo\t\t\t\n' >plan.tsv
cp s0.dat plan.dat; "$CLI" import plan.dat plan.tsv >/dev/null 2>&1
expect_rc 0 "export" "$CLI" export plan.dat plan.csv
has plan.csv "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE"
has plan.csv '1,REP,145.125000,+,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,'
has plan.csv '2,"A,B",144.500000,,0.000000,DTCS,88.5,88.5,023,RN,023,Tone->Tone,NFM,5.00,S,Low,,,,,'
expect_rc 3 "export over the data file" "$CLI" export plan.dat plan.dat
cmp -s plan.dat s0.dat && bad "export over the data file changed it" || ok
expect_rc 3 "export into a missing folder" "$CLI" export plan.dat no/such/dir/x.csv
cp s0.dat fresh.dat
expect_rc 0 "import the export into a new file" "$CLI" import fresh.dat plan.csv
has err.txt "fresh.dat: 2 channel(s) imported from plan.csv."
"$CLI" dump plan.dat >d1.tsv; "$CLI" dump fresh.dat >d2.tsv
cmp -s d1.tsv d2.tsv && ok || bad "export then import gives another dump"
expect_rc 0 "diff of equal files" "$CLI" diff plan.dat fresh.dat
has err.txt "hold the same image"
printf 'Frequency,Name,Location,Mode\r\n145.5,THIRD,3,FM\r\n600.0,BAD,4,FM\r\n145.0,AM,5,AM\r\n' >rows.csv
printf '\357\273\277' | cat - rows.csv >bom.csv
cp fresh.dat before.dat
expect_rc 2 "import refuses rows that do not fit" "$CLI" import fresh.dat bom.csv
has err.txt "bom.csv: line 3, column Frequency: 600.0 MHz is outside the radio's band 144-145MHz"
has err.txt "bom.csv: line 4, column Mode: \"AM\": the radio has FM (wide) and NFM (narrow) only"
has err.txt "fresh.dat was not changed."
cmp -s fresh.dat before.dat && ok || bad "a refused CSV import changed the file"
expect_rc 0 "import --skip-bad" "$CLI" import fresh.dat bom.csv --skip-bad
has err.txt "bom.csv: skipped: line 3, column Frequency"
has err.txt "fresh.dat: 1 channel(s) imported from bom.csv, 2 row(s) skipped."
expect_rc 6 "diff of different files" "$CLI" diff plan.dat fresh.dat
has out.txt "channel 3: Rx Frequency: (empty) in plan.dat, 145.50000 in fresh.dat"
has err.txt "differ in"
expect_rc 0 "import --at" "$CLI" import fresh.dat plan.csv --at 127
"$CLI" dump fresh.dat | grep -q "^128	144.50000" && ok || bad "--at 127 did not place the second row at 128"
expect_rc 2 "import --at 128 of two rows" "$CLI" import fresh.dat plan.csv --at 128
has err.txt "line 3: no channel is left for this row"
expect_rc 1 "--renumber on the table format" "$CLI" import fresh.dat plan.tsv --renumber
has err.txt "common CSV layout"
expect_rc 1 "--at out of range" "$CLI" import fresh.dat plan.csv --at 129
printf 'Location,Comment\n1,x\n' >nocols.csv
expect_rc 2 "import without the needed columns" "$CLI" import fresh.dat nocols.csv
has err.txt "the header has no Frequency, Name column"
expect_rc 3 "diff of a missing file" "$CLI" diff plan.dat missing.dat
expect_rc 0 "text" "$CLI" text plan.dat
cp out.txt text1.txt
has text1.txt "[Channel 2]"
has text1.txt 'Chnnel Name=A,B'
has text1.txt "[Optional Features]"
has text1.txt "0x17E0="
"$CLI" text plan.dat >text2.txt
cmp -s text1.txt text2.txt && ok || bad "text differs between two runs"
if command -v git >/dev/null; then
  mkdir repo && (cd repo && git init -q && git config user.email t@t && git config user.name t &&
    echo '*.dat diff=zemtar' >.gitattributes && git config diff.zemtar.textconv "$CLI text" &&
    cp ../plan.dat radio.dat && git add . && git commit -qm one &&
    "$CLI" settings radio.dat --set "Optional Features/Beep=Off" >/dev/null 2>&1 && git diff >../git.txt)
  has git.txt "-Beep=On"
  has git.txt "+Beep=Off"
fi

# fleet: the units table is checked as a whole before any port is opened
printf 'Unit,MSK/ID Code,Channel 3/Chnnel Name\nA,1001,ONE\nB,12345,TWO\nA,1003,\n' >units.csv
expect_rc 2 "fleet refuses a bad units table" "$CLI" fleet a.dat --units units.csv --port /no/such/port --log fleet.csv --yes
has err.txt "line 3, column 2: MSK/ID Code: \"12345\" is longer than 4 characters"
has err.txt "line 4: unit \"A\" is given twice"
has err.txt "Nothing was written to any radio."
[ ! -e fleet.csv ] && ok || bad "a log was started for a refused table"
{ printf 'Unit,MSK/ID Code\nA,1001\n'; sleep 1; printf 'B,12345\n'; } |
  "$CLI" fleet a.dat --units - --port /no/such/port --log fleet.csv --yes >out.txt 2>err.txt
[ $? = 2 ] && ok || bad "fleet units from a slow pipe"
has err.txt "standard input: line 3, column 2"
printf 'Unit,MSK/ID Code\nA,1001\n' >units.csv
expect_rc 4 "fleet on a missing port fails the unit and says so" "$CLI" fleet a.dat --units units.csv --port /no/such/port --log fleet.csv --yes
has fleet.csv "A,/no/such/port,,failed"
has err.txt "Not done: A"

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
