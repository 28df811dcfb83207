#!/usr/bin/env bash
# Times the whole report (every section, 129 used channels: 31 pages) written to PDF by
# zemtar-cli print. Prints the pages and the best and median of five runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli="$root/build/bin/zemtar-cli"
[ -x "$cli" ] || "$root/scripts/build.sh" "$root/build" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" new "$work/full.dat"
{
  for r in $(seq 1 128); do
    printf '%d\t144.%03d\t\t67.0\tD023N\tCH%d\tHigh\tWide\tYes\tOff\tOff\tNone\n' "$r" $((r * 5)) "$r"
  done
  printf 'Fr\t144.995\t\t\t\tFREE\tLow\tNarrow\tNo\tBoth\tCarrier Only\tMSK\n'
} >"$work/table.tsv"
"$cli" import "$work/full.dat" "$work/table.tsv" >/dev/null 2>&1
times=()
for i in 1 2 3 4 5; do
  start=$(date +%s%N)
  "$cli" print "$work/full.dat" "$work/report.pdf" --sections all 2>"$work/err.txt"
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "report: $(cat "$work/err.txt")"
echo "print all sections, 129 channels: best ${sorted[0]} ms, median ${sorted[2]} ms (runs: ${times[*]} ms)"
