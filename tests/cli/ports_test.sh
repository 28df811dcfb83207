#!/usr/bin/env bash
# The ports a desk has: simulated radios on pseudo-terminals stand in for USB adapters, with a
# folder of stable links made here ($ZEMTAR_SERIAL_BY_ID); `zemtar-cli ports` lists them with
# their state, --port takes a listed name or a stable path, the same adapter is found again
# under another device, and a port the user may not open says what to do.
set -u
BIN=$(realpath "${1:?usage: ports_test.sh BIN_DIR}")
CLI=$BIN/zemtar-cli
SIM=$BIN/zemtar-radiosim
WORK=$(mktemp -d)
chmod 755 "$WORK"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null && wait "$p" 2>/dev/null; done
  rm -rf "$WORK"
}
trap cleanup EXIT
cd "$WORK"
pass=0 fail=0
ok() { pass=$((pass + 1)); }
bad() { fail=$((fail + 1)); echo "FAIL: $*"; }
has() { if grep -qF -- "$2" "$1"; then ok; else bad "$1 lacks '$2': $(head -c 400 "$1")"; fi; }

export ZEMTAR_SERIAL_BY_ID=$WORK/by-id ZEMTAR_LOCK_DIR=$WORK/locks
mkdir -p by-id locks
adapter=by-id/usb-FTDI_FT232R_USB_UART_A10KZ9X1-if00-port0

start_sim() { # output-file: sets dev
  "$SIM" >"$1" 2>/dev/null &
  pids+=($!)
  for _ in $(seq 50); do [ -s "$1" ] && break; sleep 0.1; done
  dev=$(head -1 "$1")
}

start_sim dev1.txt
dev1=$dev
ln -s "$dev1" "$adapter"
name1=$(echo "${dev1#/dev/}" | tr -d /)

"$CLI" ports >ports.txt 2>err.txt && ok || bad "ports: $(cat err.txt)"
[ "$(head -4 ports.txt | cut -f1 | tr '\n' ' ')" = "com1 com2 com3 com4 " ] && ok || bad "com1..com4 first: $(cat ports.txt)"
[ "$(awk -F'\t' 'NF != 5' ports.txt | wc -l)" = 0 ] && ok || bad "lines without 5 fields: $(cat ports.txt)"
has ports.txt "$(printf '%s\t%s\t%s\t%s\tavailable' "$name1" "$dev1" "$WORK/$adapter" "$(basename "$adapter")")"
# USB adapters come before the other ports of the system.
first_system=$(sed -n 5p ports.txt | cut -f2)
[ "$first_system" = "$dev1" ] && ok || bad "the USB adapter is not first: $(cat ports.txt)"

# --port takes the listed name and the stable path.
"$CLI" read --port "$name1" by-name.dat >out.txt 2>err.txt && ok || bad "read by listed name: $(cat err.txt)"
"$CLI" read --port "$WORK/$adapter" by-link.dat >out.txt 2>err.txt && ok || bad "read by stable path: $(cat err.txt)"

# Unplugged and plugged in elsewhere: the link points at another device, the same path finds it.
kill "${pids[0]}"
wait "${pids[0]}" 2>/dev/null
rm "$adapter"
"$CLI" ports >ports.txt 2>&1
grep -qF "$WORK/$adapter" ports.txt && bad "a removed link is still listed" || ok
start_sim dev2.txt
dev2=$dev
ln -s "$dev2" "$adapter"
"$CLI" ports >ports.txt 2>&1
has ports.txt "$(printf '%s\t%s\t' "$dev2" "$WORK/$adapter")"
"$CLI" read --port "$WORK/$adapter" again.dat >out.txt 2>err.txt && ok || bad "read after re-plugging: $(cat err.txt)"

# A port held by another program: its lock names the process.
sleep 30 <"$dev2" &
holder=$!
pids+=($holder)
printf '%10d\n' "$holder" >"locks/LCK..pts_${dev2#/dev/pts/}"
"$CLI" ports >ports.txt 2>&1
has ports.txt "$(printf '%s\t%s\t' "$dev2" "$WORK/$adapter")"
grep -F "$dev2" ports.txt | grep -q "in use by process $holder" && ok || bad "in use: $(cat ports.txt)"
"$CLI" read --port "$WORK/$adapter" busy.dat >out.txt 2>err.txt
[ $? = 4 ] && ok || bad "read of a busy port: exit $?"
has err.txt "in use by process $holder"
kill "$holder"
rm -f locks/LCK..*

# A port the user may not open (an unprivileged user; the pseudo-terminal is root's).
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
  as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$WORK" "$@"; }
  chmod 600 "$dev2"
  mkdir -m 777 out
  as_nobody "$CLI" read --port "$WORK/$adapter" out/denied.dat >out.txt 2>err.txt
  rc=$?
  [ "$rc" = 4 ] && ok || bad "read of a port without permission: exit $rc ($(cat err.txt))"
  has err.txt "Permission denied for $WORK/$adapter. Add your user to the dialout group (sudo usermod -aG dialout \$USER) and log in again."
  [ ! -e out/denied.dat ] && ok || bad "a refused read wrote its file"
  as_nobody "$CLI" ports >ports.txt 2>&1
  grep -F "$dev2" ports.txt | grep -q "permission denied" && ok || bad "ports as nobody: $(cat ports.txt)"
fi

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
