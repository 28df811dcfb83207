#!/usr/bin/env bash
# Read and write against the simulated radio paced like a 9600-baud wire. Prints, for each
# direction, the measured time, the wire-time bound (bytes exchanged x 10 bits / 9600 plus
# the waits the protocol prescribes) and their ratio.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${ZEMTAR_BIN:-$root/build/bin}
[ -x "$bin/zemtar-cli" ] || { echo "build first: bash scripts/build.sh" >&2; exit 1; }
work=$(mktemp -d)
trap 'kill $sim 2>/dev/null || true; rm -rf "$work"' EXIT
"$bin/zemtar-cli" new "$work/a.dat"
"$bin/zemtar-radiosim" --throttle --link "$work/radio" >"$work/sim.out" 2>&1 &
sim=$!
for _ in $(seq 50); do [ -e "$work/radio" ] && break; sleep 0.1; done
printf '%-6s %12s %12s %12s %12s %8s\n' what measured_ms wire_ms waits_ms bound_ms ratio
for what in write read; do
  if [ $what = write ]; then args=(write --port "$work/radio" "$work/a.dat" --stats)
  else args=(read --port "$work/radio" "$work/b.dat" --stats); fi
  line=$("$bin/zemtar-cli" "${args[@]}" 2>&1 | grep '^stats:')
  eval "$(echo "${line#stats: }" | tr ' ' '\n' | sed 's/^/s_/')"
  awk -v w="$what" -v e="$s_elapsed_ms" -v z="$s_waits_ms" -v o="$s_bytes_out" -v i="$s_bytes_in" 'BEGIN {
    wire = (o + i) * 10 / 9600 * 1000; bound = wire + z
    printf "%-6s %12d %12.0f %12d %12.0f %8.3f\n", w, e, wire, z, bound, e / bound }'
done
