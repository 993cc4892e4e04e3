#!/usr/bin/env bash
# Re-records golden replay transcripts from a build (default build/, or $BUILD_DIR).
#   scripts/rerecord.sh PROGRAM [NAME]
# A re-recorded transcript is reviewed like code: read its diff before committing it.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
if [[ $# -lt 1 || $# -gt 2 ]]; then
    echo "usage: $0 PROGRAM [NAME]" >&2
    exit 2
fi
build=$(cd "${BUILD_DIR:-$here/build}" && pwd) || exit 2
status=0
for script in "$here/tests/replays/$1"/*.script; do
    [[ -f "$script" ]] || continue
    [[ $# -ge 2 && "$(basename "$script" .script)" != "$2" ]] && continue
    "$here/scripts/replay-one.sh" --rerecord "$build/bin/$1" "$build/tests/replays/replay_store" "$script" || status=1
done
git -C "$here" diff --stat -- "tests/replays/$1"
exit $status
