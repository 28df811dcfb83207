#!/usr/bin/env bash
# Runs Zemtar under a virtual screen in English and in Chinese and saves a screenshot of
# each: scripts/screenshots.sh [OUT_DIR] (default: shots/). Builds first if needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/shots}
mkdir -p "$out"
[ -x "$root/build/bin/zemtar" ] || "$root/scripts/build.sh" "$root/build" >/dev/null
for lang in English Chinese; do
  work=$(mktemp -d)
  cp -r "$root/build/bin/." "$work/"
  sed -i "s/^Language=.*/Language=$lang/" "$work/Setup.ini"
  "$work/zemtar-cli" new "$work/demo.dat" >/dev/null
  printf '1\t145.125\t145.725\t67.0\tD023N\tCALL\tHigh\tWide\tYes\tOff\tOff\tNone\n2\t144.5\t\t\t\tREPEAT\tLow\tNarrow\tNo\tBOT\tCarrier Only\tMSK\n' >"$work/t.tsv"
  "$work/zemtar-cli" import "$work/demo.dat" "$work/t.tsv" >/dev/null 2>&1
  XDG_CONFIG_HOME="$work/config" xvfb-run -a -s "-screen 0 1280x800x24" bash -c \
    "'$work/zemtar' '$work/demo.dat' & pid=\$!; sleep 4; import -window root '$out/main-$lang.png'; kill \$pid" 2>/dev/null
  rm -rf "$work"
  echo "$out/main-$lang.png"
done
