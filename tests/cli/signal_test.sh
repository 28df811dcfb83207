#!/usr/bin/env bash
# Signals sent to the real zemtar-cli while it talks to zemtar-radiosim or waits for input:
# exit status 5, no value sent that was not sent yet, the radio out of the mode it was put in,
# the port's line settings as they were.
set -u
BIN=$(realpath "${1:?usage: signal_test.sh BIN_DIR}")
HERE=$(dirname "$(realpath "$0")")
CLI=$BIN/zemtar-cli
SIM=$BIN/zemtar-radiosim
WORK=$(mktemp -d)
sim_pid=
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
cd "$WORK"
set -m # background commands get the signals' usual actions, as from a terminal
pass=0 fail=0
ok() { pass=$((pass + 1)); }
bad() { fail=$((fail + 1)); echo "FAIL: $*"; }

start_sim() { # args for the simulator
  rm -f dev.txt tr.txt
  "$SIM" --transcript tr.txt "$@" >dev.txt 2>sim.err &
  sim_pid=$!
  for _ in $(seq 50); do [ -s dev.txt ] && break; sleep 0.1; done
  dev=$(head -1 dev.txt)
  [ -n "$dev" ] || bad "the simulator printed no device"
}
stop_sim() {
  kill "$sim_pid" 2>/dev/null
  wait "$sim_pid" 2>/dev/null
  sim_pid=
}
wait_for() { # file text seconds
  for _ in $(seq $(($3 * 20))); do grep -qF -- "$2" "$1" 2>/dev/null && return 0; sleep 0.05; done
  return 1
}
# Runs the CLI in the background, waits for `text` in `file`, sends `sig`; sets rc.
signal_when() { # sig file text cli-args...
  local sig=$1 file=$2 text=$3
  shift 3
  "$CLI" "$@" >out.txt 2>err.txt &
  local pid=$!
  wait_for "$file" "$text" 10 || bad "never saw '$text' in $file: $(cat err.txt)"
  kill -s "$sig" "$pid"
  local t0=$(date +%s)
  wait "$pid"
  rc=$?
  elapsed=$(($(date +%s) - t0))
}

# power: a stop after the value was read, before it is sent. The radio leaves the mode, the value
# is never sent, the line is as it was.
for sig in INT TERM HUP; do
  start_sim --power-high 120
  stty -F "$dev" 19200
  before=$(stty -F "$dev" -g)
  signal_when "$sig" out.txt "High power value: 120" power high --port "$dev" --set 200
  [ "$rc" = 5 ] && ok || bad "power SIG$sig: exit $rc, wanted 5 ($(cat err.txt))"
  grep -q "Stopped by SIG$sig: no value was sent; the radio is out of the power adjust mode." err.txt && ok ||
    bad "power SIG$sig message: $(cat err.txt)"
  grep -q "power value 200" tr.txt && bad "power SIG$sig: the value was sent anyway" || ok
  grep -q "Sent 200" out.txt && bad "power SIG$sig: says it sent" || ok
  wait_for tr.txt "leave adjust mode" 3 && ok || bad "power SIG$sig: the radio was left in the adjust mode"
  [ "$(stty -F "$dev" -g)" = "$before" ] && ok || bad "power SIG$sig: the line settings were not restored"
  stop_sim
done

# power: a stop while no radio answers the wake-up ends at once, nothing entered.
start_sim --ignore-wakeups 1000
signal_when TERM tr.txt "PC>" power low --port "$dev" --set 50
[ "$rc" = 5 ] && ok || bad "power without a radio, SIGTERM: exit $rc ($(cat err.txt))"
[ "$elapsed" -le 2 ] && ok || bad "power took $elapsed s to stop"
grep -q "not put into the power adjust mode" err.txt && ok || bad "power without a radio: $(cat err.txt)"
grep -q "low power mode" tr.txt && bad "the mode was asked for after the stop" || ok
stop_sim

# read: a stop in the middle of the blocks writes no file.
start_sim --throttle
signal_when INT tr.txt "read 0x0300" read --port "$dev" r.dat
[ "$rc" = 5 ] && ok || bad "read SIGINT: exit $rc ($(cat err.txt))"
[ ! -e r.dat ] && ok || bad "a stopped read wrote its file"
grep -q "Stopped by SIGINT" err.txt && ok || bad "read SIGINT message: $(cat err.txt)"
stop_sim

# Waiting on standard input: a stop ends the wait with exit 5 and changes nothing.
"$CLI" new s.dat >/dev/null 2>&1
cp s.dat s0.dat
for sig in INT TERM; do
  for cmd in "settings s.dat --apply -" "import s.dat -"; do
    rm -f in.fifo
    mkfifo in.fifo
    sleep 30 >in.fifo & # a writer that never writes
    writer=$!
    "$CLI" $cmd <in.fifo >out.txt 2>err.txt &
    pid=$!
    sleep 0.5
    kill -s "$sig" "$pid"
    wait "$pid"
    rc=$?
    kill "$writer" 2>/dev/null
    wait "$writer" 2>/dev/null
    [ "$rc" = 5 ] && ok || bad "$cmd waiting on standard input, SIG$sig: exit $rc ($(cat err.txt))"
    grep -q "Stopped by SIG$sig" err.txt && ok || bad "$cmd SIG$sig message: $(cat err.txt)"
    cmp -s s.dat s0.dat && ok || bad "a stopped $cmd changed the file"
  done
done

# The password question: nothing shown while typing, and the echo back on after it, a stop included.
if command -v python3 >/dev/null; then
  prompt=$HERE/password_prompt.py
  start_sim --password abc
  for sig in SIGINT SIGTERM SIGHUP; do
    python3 "$prompt" "$CLI" "$sig" read --port "$dev" pw.dat >pw.txt 2>&1
    has_line=$(head -1 pw.txt)
    [ "$has_line" = "echo-asking=0 echo-after=1 exit=5" ] && ok || bad "password question, $sig: $(cat pw.txt)"
    grep -q "Stopped by $sig: no password was given" pw.txt && ok || bad "password question $sig message: $(cat pw.txt)"
    [ ! -e pw.dat ] && ok || bad "a stopped password question read the radio"
  done
  python3 "$prompt" "$CLI" abc read --port "$dev" pw.dat >pw.txt 2>&1
  [ "$(head -1 pw.txt)" = "echo-asking=0 echo-after=1 exit=0" ] && ok || bad "password typed: $(cat pw.txt)"
  grep -q "abc" pw.txt && bad "the typed password was shown" || ok
  [ -e pw.dat ] && ok || bad "the read with the typed password wrote nothing"
  stop_sim
fi

# Without a radio or input to wait for, the signals keep their usual action.
"$CLI" dump s.dat >/dev/null && ok || bad "dump"

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
