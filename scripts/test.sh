#!/usr/bin/env bash
# Builds everything and runs the whole test suite twice: a normal build, then one with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

"$top/scripts/install-deps.sh"

run_suite() {
  local dir=$1; shift
  cmake -S "$top" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 300
}

echo "== Tests =="
run_suite "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== Install, desktop files and package =="
"$top/scripts/check-desktop.sh" "$top/build" --package
echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite "$top/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_SANITIZE=ON
