#!/usr/bin/env bash
# Checks that the C++ sources read as .clang-format lays them out. Lists each file that
# does not, with the first lines clang-format would change, and exits 1.
#   check-format.sh              every tracked .cpp and .h file
#   check-format.sh --changed R  only the files changed since revision R (and uncommitted ones)
#   check-format.sh --fix ...    rewrite the files instead of checking them
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
fix=0 base=""
while [ $# -gt 0 ]; do
  case "$1" in
    --fix) fix=1 ;;
    --changed) base=${2:?--changed needs a revision}; shift ;;
    *) echo "usage: check-format.sh [--fix] [--changed REV]" >&2; exit 2 ;;
  esac
  shift
done
# The layout differs between clang-format versions: the one the rules were written for.
cf=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$cf" ]; then
  echo "check-format: clang-format-14 is not installed (scripts/setup.sh installs it)" >&2
  exit 1
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  if [ -n "$base" ]; then
    mapfile -t files < <( (git diff --name-only --diff-filter=d "$base"; git diff --name-only --diff-filter=d) |
                          sort -u | grep -E '\.(cpp|h)$' || true)
  else
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
  fi
else
  mapfile -t files < <(find src tests fuzz tools -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)
fi
[ ${#files[@]} -eq 0 ] && { echo "check-format: no C++ files to check"; exit 0; }
if [ $fix = 1 ]; then
  "$cf" -i --style=file "${files[@]}"
  exit 0
fi
bad=0
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  if ! d=$("$cf" --style=file "$f" | diff -u "$f" - ); then
    bad=$((bad + 1))
    echo "$f is not formatted (scripts/check-format.sh --fix):"
    echo "$d" | sed -n '3,12p'
  fi
done
if [ $bad -gt 0 ]; then
  echo "check-format: $bad of ${#files[@]} files differ from .clang-format" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files formatted"
