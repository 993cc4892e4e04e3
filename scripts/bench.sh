#!/usr/bin/env bash
# Builds the programs and the benchmarks in Release (build-bench/) and prints one table: the
# benchmark figures, headless start-up and peak memory of each program, beside the targets.
#   scripts/bench.sh [PROGRAM...]        (default: velmar; the benchmarks run for all registered)
# Timing on a loaded machine is noisy: every figure is the median of several runs.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-bench"
programs=("${@:-velmar}")
runs=5

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_TESTS=OFF \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$(command -v ccache || true)" >/dev/null
cmake --build "$build" -j2 --target qv_bench "${programs[@]}" >/dev/null

json=$(mktemp)
scratch=$(mktemp -d)
trap 'rm -rf "$json" "$scratch"' EXIT
"$build/bin/qv_bench" --benchmark_repetitions=$runs --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.2 --benchmark_format=json --benchmark_out="$json" >/dev/null

# name -> "median value unit" from the benchmark output.
python3 - "$json" <<'PY'
import json, sys
data = json.load(open(sys.argv[1]))
targets = {
    "random_play/96": ("events/s", ">= 20000 /s (5 x 4,200)"),
    "tap/192": ("time", "<= 0.1 ms (5 x faster than 0.48)"),
    "start_up": ("time", "(in-process; see below)"),
}
print(f"{'benchmark':36} {'median':>16}   target")
for b in data["benchmarks"]:
    if b.get("aggregate_name") != "median":
        continue
    name = b["run_name"]
    key = next((k for k in targets if name.endswith(k)), None)
    if "events/s" in b:
        figure = f"{b['events/s']:,.0f} /s"
    else:
        figure = f"{b['real_time']:.3f} {b['time_unit']}"
    print(f"{name:36} {figure:>16}   {targets[key][1] if key else ''}")
PY

# Whole-process figures: a headless start with an empty script, and peak memory of random play.
for program in "${programs[@]}"; do
    starts=() peaks=()
    for ((i = 0; i < runs; ++i)); do
        begin=$(date +%s%N)
        "$build/bin/$program" --headless --seed 7 --config-dir "$scratch/$program" </dev/null >/dev/null
        starts+=($(( ($(date +%s%N) - begin) / 1000 )))
        peak=$( { /usr/bin/time -f '%M' "$build/bin/$program" --headless --monkey 2000 --seed 7 \
                    --config-dir "$scratch/$program" >/dev/null; } 2>&1 | tail -1)
        peaks+=("$peak")
    done
    median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
    start=$(median "${starts[@]}")
    peak=$(median "${peaks[@]}")
    printf '%-36s %13.1f ms   <= 25 ms (half of 49)\n' "$program/headless start-up" "$(echo "$start / 1000" | bc -l)"
    printf '%-36s %12.1f MiB   not above today (about 20 MiB with a window)\n' "$program/peak memory (monkey 2000)" \
        "$(echo "$peak / 1024" | bc -l)"
done
