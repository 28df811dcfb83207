#!/usr/bin/env bash
# The main job: installs what is missing, builds, starts a simulated radio on a
# pseudo-terminal, points "com1" at it, and opens Zemtar. Program > Read and Write then talk
# to the simulated radio. (For a real cable, leave [Ports] com1 in Setup.ini at its device,
# for example /dev/ttyUSB0, and start build/bin/zemtar directly.)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build" >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Zemtar is built, but there is no display to show its window on."
  echo "Run this from a desktop session, or on a machine without a screen under a virtual one:"
  echo "  xvfb-run -a -s \"-screen 0 1280x800x24\" bash scripts/run.sh"
  echo "zemtar-cli works without a display: build/bin/zemtar-cli --help"
  exit 0
fi
bin="$root/build/bin"
run=${XDG_RUNTIME_DIR:-/tmp}/zemtar-$(id -u)
mkdir -p "$run"
memory="$run/radio.mem"
[ -f "$memory" ] || "$bin/zemtar-cli" new "$run/blank.dat"
args=(--link "$run/com1" --save "$memory" --transcript "$run/transcript.txt")
if [ -f "$memory" ]; then args+=(--memory "$memory"); else args+=(--from-dat "$run/blank.dat"); fi
"$bin/zemtar-radiosim" "${args[@]}" >"$run/radiosim.out" 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$run/com1" ] && break; sleep 0.1; done
sed -i "s|^com1=.*|com1=$run/com1|" "$bin/Setup.ini"
echo "Simulated radio on $(head -1 "$run/radiosim.out") (com1 -> $run/com1); its memory is kept in $memory."
"$bin/zemtar" "$@"
