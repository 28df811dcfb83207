#!/usr/bin/env bash
# The main job: installs what is missing, builds, and shows Zemtar at work on a new data file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build" >/dev/null
cli="$root/build/bin/zemtar-cli"
work=${ZEMTAR_DEMO_DIR:-$(mktemp -d)}
echo "== A new radio data file: $work/demo.dat"
"$cli" new "$work/demo.dat"
"$cli" dump "$work/demo.dat" >"$work/table.tsv"
awk -F'\t' 'BEGIN{OFS="\t"} $1=="1"{$2="145.125";$6="CALL"} $1=="2"{$2="144.5";$4="67.0";$4="67.0"} {print}' \
  "$work/table.tsv" >"$work/edited.tsv"
echo "== Importing two edited channels"
"$cli" import "$work/demo.dat" "$work/edited.tsv"
echo "== The channel table now"
"$cli" dump "$work/demo.dat" | head -4
echo "== A mistyped frequency is refused and the file is left as it was"
awk -F'\t' 'BEGIN{OFS="\t"} $1=="3"{$2="145.123"} {print}' "$work/table.tsv" >"$work/typo.tsv"
"$cli" import "$work/demo.dat" "$work/typo.tsv" || echo "(exit status $?)"
