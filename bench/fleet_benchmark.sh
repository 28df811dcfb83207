#!/usr/bin/env bash
# Fleet programming against simulated radios paced like a 9600-baud wire: UNITS units (40 by
# default) on one radio, then on four radios at once. Each unit is a write and a read-back.
# Prints the time of each run, the time per unit, and the ratio of the four-port time to a
# quarter of the one-port time (1.0 when the ports do not slow each other down).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${ZEMTAR_BIN:-$root/build/bin}
units=${UNITS:-40}
[ -x "$bin/zemtar-cli" ] || { echo "build first: bash scripts/build.sh" >&2; exit 1; }
work=$(mktemp -d)
sim=
trap '[ -n "$sim" ] && kill $sim 2>/dev/null; rm -rf "$work"' EXIT
"$bin/zemtar-cli" new "$work/t.dat"
last=$((1000 + units))

run() { # ports
  local n=$1
  "$bin/zemtar-radiosim" --throttle --count "$n" >"$work/devices" 2>"$work/sim.err" &
  sim=$!
  for _ in $(seq 100); do [ "$(wc -l <"$work/devices")" -ge "$n" ] && break; sleep 0.1; done
  local ports=()
  while read -r d; do ports+=(--port "$d"); done <"$work/devices"
  rm -f "$work/log$n.csv"
  local start end
  start=$(date +%s.%N)
  "$bin/zemtar-cli" fleet "$work/t.dat" --sequence "MSK/ID Code=1001..$last" "${ports[@]}" \
    --log "$work/log$n.csv" --yes 2>"$work/fleet$n.err" || { cat "$work/fleet$n.err" >&2; exit 1; }
  end=$(date +%s.%N)
  kill $sim; wait $sim 2>/dev/null || true; sim=
  local good
  good=$(grep -c ',ok,' "$work/log$n.csv")
  awk -v n="$n" -v s="$start" -v e="$end" -v u="$units" -v g="$good" \
    'BEGIN { printf "%-6d %8d %8d %12.1f %14.2f\n", n, u, g, e - s, (e - s) / u }'
  awk -v s="$start" -v e="$end" 'BEGIN { print e - s }' >"$work/time$n"
}

printf '%-6s %8s %8s %12s %14s\n' ports units ok seconds s_per_unit
run 1
run 4
awk -v one="$(cat "$work/time1")" -v four="$(cat "$work/time4")" \
  'BEGIN { printf "four ports / (one port / 4) = %.3f (target at most 1.1)\n", four / (one / 4) }'
