#!/usr/bin/env bash
# Read and write against the simulated radio paced like a 9600-baud wire. Prints, for each
# direction, the measured time, the wire time of the bytes exchanged (10 bits a byte at 9600),
# the protocol's waits that cannot overlap the wire (a write's 1 ms wait after each block
# header passes while the header is still being sent), the bound (wire + those waits), and
# the measured time against the bound and against the bytes alone.
# SIM_ARGS adds options to the simulator, for example SIM_ARGS="--latency 16" for a USB
# adapter's latency timer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${ZEMTAR_BIN:-$root/build/bin}
[ -x "$bin/zemtar-cli" ] || { echo "build first: bash scripts/build.sh" >&2; exit 1; }
work=$(mktemp -d)
trap 'kill $sim 2>/dev/null || true; rm -rf "$work"' EXIT
"$bin/zemtar-cli" new "$work/a.dat"
# shellcheck disable=SC2086
"$bin/zemtar-radiosim" --throttle ${SIM_ARGS:-} --link "$work/radio" >"$work/sim.out" 2>&1 &
sim=$!
for _ in $(seq 50); do [ -e "$work/radio" ] && break; sleep 0.1; done
printf '%-6s %12s %10s %10s %10s %12s %12s\n' what measured_ms wire_ms waits_ms bound_ms ratio_bound ratio_bytes
for what in write read; do
  if [ $what = write ]; then args=(write --port "$work/radio" "$work/a.dat" --stats)
  else args=(read --port "$work/radio" "$work/b.dat" --stats); fi
  line=$("$bin/zemtar-cli" "${args[@]}" 2>&1 | grep '^stats:')
  eval "$(echo "${line#stats: }" | tr ' ' '\n' | sed 's/^/s_/')"
  awk -v w="$what" -v e="$s_elapsed_ms" -v z="$s_waits_ms" -v o="$s_bytes_out" -v i="$s_bytes_in" 'BEGIN {
    wire = (o + i) * 10 / 9600 * 1000
    overlapped = (w == "write") ? 511 : 0   # 510 blocks and the final one, 1 ms each
    waits = z - overlapped; if (waits < 0) waits = 0
    bound = wire + waits
    printf "%-6s %12d %10.0f %10d %10.0f %12.3f %12.3f\n", w, e, wire, waits, bound, e / bound, e / wire }'
done
