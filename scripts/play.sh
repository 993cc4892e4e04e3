#!/usr/bin/env bash
# Builds the programs (installing what is missing) and starts one: velmar by default.
#   scripts/play.sh [PROGRAM] [PROGRAM OPTIONS...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-velmar}
[[ $# -gt 0 ]] && shift

"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" --target "$program"
exec "$top/build/bin/$program" "$@"
