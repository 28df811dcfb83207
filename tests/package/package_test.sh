#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it into a temporary root and runs the
# programs from there as an installed system would: zemtar-cli new, dump and settings, and the
# application offscreen.
set -u
BUILD=$(realpath "${1:?usage: package_test.sh BUILD_DIR}")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
pass=0 fail=0
ok() { pass=$((pass + 1)); }
bad() { fail=$((fail + 1)); echo "FAIL: $*"; }
check() { if eval "$2"; then ok; else bad "$1"; fi; }

(cd "$BUILD" && cpack -G DEB -B "$WORK/out" >"$WORK/cpack.log" 2>&1) || { cat "$WORK/cpack.log"; bad "cpack"; }
deb=$(ls "$WORK"/out/*.deb 2>/dev/null | head -1)
check "a package was built" '[ -n "$deb" ]'
[ -n "$deb" ] || { echo "$pass passed, $fail failed"; exit 1; }
dpkg-deb -x "$deb" "$WORK/root"
root="$WORK/root"
check "Depends names Qt" 'dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6'
for p in zemtar zemtar-cli zemtar-radiosim; do
  check "$p on the PATH" '[ "$(readlink "$root/usr/bin/'$p'")" = "../lib/zemtar/'$p'" ] && [ -x "$root/usr/lib/zemtar/'$p'" ]'
done
for f in Setup.ini English.qm Chinese.qm startup.bmp background.bmp title.ico AppSetup; do
  check "$f beside the programs" '[ -f "$root/usr/lib/zemtar/'$f'" ]'
done
check "desktop entry" 'grep -q "^Exec=zemtar" "$root/usr/share/applications/zemtar.desktop" && grep -q "^Icon=zemtar" "$root/usr/share/applications/zemtar.desktop"'
check "icon" '[ -s "$root/usr/share/icons/hicolor/64x64/apps/zemtar.png" ]'
check "man page of zemtar-cli" 'zcat "$root/usr/share/man/man1/zemtar-cli.1.gz" | grep -q "^\.SH FLEET"'
check "man page of zemtar-radiosim" 'zcat "$root/usr/share/man/man1/zemtar-radiosim.1.gz" | grep -q -- "--throttle"'
check "the dialout note" 'grep -q dialout "$root/usr/share/doc/zemtar/README.Debian"'

export XDG_CONFIG_HOME="$WORK/config"
cli="$root/usr/bin/zemtar-cli"
check "zemtar-cli new" '"$cli" new "$WORK/a.dat" && [ "$(stat -c %s "$WORK/a.dat")" = 6144 ]'
check "zemtar-cli dump" '"$cli" dump "$WORK/a.dat" | head -1 | grep -q "Rx Frequency"'
check "zemtar-cli settings reads the installed Setup.ini" '"$cli" settings "$WORK/a.dat" | grep -q "^Type=ZR-530V"'
# The application starts and stays up until stopped.
QT_QPA_PLATFORM=offscreen timeout 4 "$root/usr/bin/zemtar" >"$WORK/app.log" 2>&1
rc=$?
check "the application runs (exit $rc: $(head -c 200 "$WORK/app.log"))" '[ "$rc" = 124 ]'

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
