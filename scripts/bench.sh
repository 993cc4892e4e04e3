#!/usr/bin/env bash
# Builds the programs and the benchmarks in Release (build-bench/) and prints one table: the
# benchmark figures, headless start-up and peak memory of each program, beside the targets.
#   scripts/bench.sh [PROGRAM...]        (default: all four; the benchmarks run for all registered)
# Timing on a loaded machine is noisy: every figure is the median of RUNS runs (default 5), and
# the benchmarks show CPU time beside wall time. Peak memory is taken with a real window under
# xvfb-run when it is installed (CLICKS random clicks, default 500), else headless.
# BENCH_BIN=DIR measures the qv_bench and programs already built in DIR (e.g. a copy of an older
# build, for a before-and-after comparison) instead of building.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-bench"
if (($# > 0)); then programs=("$@"); else programs=(velmar zembrola trevallo sarvotte); fi
runs=${RUNS:-5}
clicks=${CLICKS:-500}

bin=${BENCH_BIN:-}
if [[ -z $bin ]]; then
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_TESTS=OFF \
        -DCMAKE_CXX_COMPILER_LAUNCHER="$(command -v ccache || true)" >/dev/null
    cmake --build "$build" -j2 --target qv_bench "${programs[@]}" >/dev/null
    bin="$build/bin"
fi

json=$(mktemp)
scratch=$(mktemp -d)
trap 'rm -rf "$json" "$scratch"' EXIT
"$bin/qv_bench" --benchmark_repetitions=$runs --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.2 --benchmark_format=json --benchmark_out="$json" >/dev/null

# One line per benchmark: the medians of wall and CPU time (events/s: per CPU second).
python3 - "$json" <<'PY'
import json, sys
data = json.load(open(sys.argv[1]))
targets = {
    "random_play/96": ">= 20,000 /s (5 x 4,200)",
    "tap/192": "<= 0.1 ms (5 x faster than 0.48)",
    "start_up": "(in-process; whole process below)",
}
print(f"{'benchmark (median of runs)':36} {'wall':>16} {'CPU':>16}   target")
for b in data["benchmarks"]:
    if b.get("aggregate_name") != "median":
        continue
    name = b["run_name"]
    target = next((t for k, t in targets.items() if name.endswith(k)), "")
    wall = f"{b['real_time']:.3f} {b['time_unit']}"
    cpu = f"{b['events/s']:,.0f} /s" if "events/s" in b else f"{b['cpu_time']:.3f} {b['time_unit']}"
    print(f"{name:36} {wall:>16} {cpu:>16}   {target}")
PY

# Whole-process figures: a headless start with an empty script, and peak memory of random play
# at 96 and 192 dpi.
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
if command -v xvfb-run >/dev/null; then how="window, $clicks clicks"; else how="headless, monkey 2000"; fi
for program in "${programs[@]}"; do
    mkdir -p "$scratch/$program"
    starts=()
    for ((i = 0; i < runs; ++i)); do
        begin=$(date +%s%N)
        "$bin/$program" --headless --seed 7 --config-dir "$scratch/$program" </dev/null >/dev/null
        starts+=($(( ($(date +%s%N) - begin) / 1000 )))
    done
    printf '%-36s %13.1f ms   <= 25 ms (half of 49)\n' "$program/headless start-up" \
        "$(echo "$(median "${starts[@]}") / 1000" | bc -l)"
    for dpi in 96 192; do
        peaks=()
        for ((i = 0; i < runs; ++i)); do
            rm -rf "${scratch:?}/$program" && mkdir -p "$scratch/$program"
            if command -v xvfb-run >/dev/null; then
                peaks+=("$(xvfb-run -a -s '-screen 0 1024x768x24' python3 "$here/scripts/window_peak_memory.py" \
                    "$bin/$program" "$dpi" "$clicks" "$scratch/$program")")
            else
                peaks+=("$( { /usr/bin/time -f '%M' "$bin/$program" --headless --monkey 2000 --seed 7 \
                    --dpi "$dpi" --config-dir "$scratch/$program" >/dev/null; } 2>&1 | tail -1)")
            fi
        done
        printf '%-36s %12.1f MiB   not above today (about 20 MiB with a window)\n' \
            "$program/peak memory $dpi dpi ($how)" "$(echo "$(median "${peaks[@]}") / 1024" | bc -l)"
    done
done
