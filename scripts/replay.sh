#!/usr/bin/env bash
# Runs the golden replays against a build: all of them, one program's, or one.
#   scripts/replay.sh BUILD_DIR [PROGRAM [NAME]]
# The build needs the program(s) and the replay_store tool (target replay_store).
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
if [[ $# -lt 1 || $# -gt 3 ]]; then
    echo "usage: $0 BUILD_DIR [PROGRAM [NAME]]" >&2
    exit 2
fi
build=$(cd "$1" && pwd) || exit 2
store_tool="$build/tests/replays/replay_store"
failed=0 passed=0
for dir in "$here"/tests/replays/*/; do
    program=$(basename "$dir")
    [[ $# -ge 2 && "$program" != "$2" ]] && continue
    for script in "$dir"*.script; do
        [[ -f "$script" ]] || continue
        name=$(basename "$script" .script)
        [[ $# -ge 3 && "$name" != "$3" ]] && continue
        if "$here/scripts/replay-one.sh" "$build/bin/$program" "$store_tool" "$script"; then
            passed=$((passed + 1))
        else
            echo "FAILED: $program/$name"
            failed=$((failed + 1))
        fi
    done
done
echo "replays: $passed passed, $failed failed"
(( failed == 0 && passed > 0 ))
