#!/usr/bin/env bash
# Long random play under the sanitizers, outside CI: EVENTS random events per program (default
# one million), in chunks of CHUNK events with their own seeds, each on a fresh temporary store,
# plus a long run of the in-process script fuzz test.
#   scripts/soak.sh [BUILD_DIR [EVENTS [PROGRAMS...]]]     (BUILD_DIR default: build-sanitize,
#   configured with -DQV_SANITIZE=ON; programs default: velmar tabletest). Progress goes to stderr.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-sanitize}
events=${2:-1000000}
shift $(( $# > 2 ? 2 : $# ))
programs=("$@")
[[ ${#programs[@]} -eq 0 ]] && programs=(velmar tabletest)
chunk=${CHUNK:-50000}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
for program in "${programs[@]}"; do
    bin=$build/bin/$program
    [[ -x $bin ]] || { echo "$program: no $bin" >&2; status=1; continue; }
    done_events=0 games=0 violations=0 failed=0 seed=1
    start=$(date +%s)
    while (( done_events < events )); do
        n=$(( events - done_events < chunk ? events - done_events : chunk ))
        store=$(mktemp -d)
        out=$("$bin" --headless --config-dir "$store" --monkey "$n" --seed "$seed" 2>"$store/stderr")
        rc=$?
        summary=$(grep '"event":"monkey"' <<<"$out")
        g=$(sed -n 's/.*"games":\([0-9]*\).*/\1/p' <<<"$summary")
        v=$(sed -n 's/.*"violations":\([0-9]*\).*/\1/p' <<<"$summary")
        if [[ $rc -ne 0 || -z $summary || -s $store/stderr ]]; then
            echo "$program seed $seed: exit $rc" >&2
            grep '"violation"' <<<"$out" | head -5 >&2
            head -20 "$store/stderr" >&2
            failed=$((failed + 1))
        fi
        games=$((games + ${g:-0}))
        violations=$((violations + ${v:-0}))
        done_events=$((done_events + n))
        seed=$((seed + 1))
        rm -rf "$store"
        # A line per chunk, so that a run stopped early still tells how far it got.
        echo "$program: $done_events events so far, $games games, $violations violations, $failed failed runs" >&2
    done
    echo "$program: $done_events events, $games games, $violations violations, $failed failed runs, $(( $(date +%s) - start )) s"
    (( violations > 0 || failed > 0 )) && status=1
done
if [[ -x $build/tests/script_fuzz_tests ]]; then
    QV_FUZZ_LINES=${FUZZ_LINES:-100000} QV_FUZZ_SEED=${FUZZ_SEED:-$RANDOM} "$build/tests/script_fuzz_tests" \
        --gtest_brief=1 || status=1
fi
exit $status
