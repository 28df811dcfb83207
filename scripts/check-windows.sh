#!/usr/bin/env bash
# Compiles every source of src/ for Windows (mingw-w64, syntax only), the Linux Qt headers
# standing in for Qt's own: a POSIX-only call without a platform guard fails it.
# Usage: scripts/check-windows.sh [FILE...]   (default: every .cpp under src/)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cxx=${MINGW_CXX:-x86_64-w64-mingw32-g++-posix}
if ! command -v "$cxx" >/dev/null; then
  echo "check-windows: $cxx not found (Debian package g++-mingw-w64-x86-64-posix, scripts/setup.sh)" >&2
  exit 2
fi
qt=${QT_INCLUDE_DIR:-$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)}
flags=(-std=c++20 -fsyntax-only -DUNICODE -D_UNICODE -DZEMTAR_SERIAL_POSIX -DZEMTAR_SERIAL_QT -I"$root/src")
for m in "" QtCore QtGui QtWidgets QtSerialPort QtPrintSupport; do flags+=(-I"$qt/$m"); done
cd "$root"
if [ $# -gt 0 ]; then files=("$@"); else mapfile -t files < <(find src -name '*.cpp' | sort); fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
printf '%s\n' "${files[@]}" |
  xargs -P "$(nproc)" -I{} sh -c '"$0" "$@" {} >/dev/null 2>"'"$log"'.$$" || { echo "== {}"; cat "'"$log"'.$$"; }; rm -f "'"$log"'.$$"' \
    "$cxx" "${flags[@]}" >"$log"
if [ -s "$log" ]; then
  grep -E '^== |error' "$log" | head -60
  echo "check-windows: $(grep -c '^== ' "$log") of ${#files[@]} sources do not compile for Windows"
  exit 1
fi
echo "check-windows: ${#files[@]} sources compile for Windows"
