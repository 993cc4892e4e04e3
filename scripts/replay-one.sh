#!/usr/bin/env bash
# Runs one golden replay and compares its transcript with the checked-in one.
#   replay-one.sh [--rerecord | --resized] PROGRAM STORE_TOOL SCRIPT
# --resized starts each run at another density and resizes the table to the script's own before
# the first line, then to the other density and back before every "state" line outside a dialog: the transcript
# (error line numbers aside) and every screenshot must be those of the plain run.
# PROGRAM is the built program, STORE_TOOL the built replay_store, SCRIPT tests/replays/<program>/<name>.script.
# Header lines of the script (see tests/replays/README.md):
#   # args: ARGS...            command-line arguments of every run (--headless and --config-dir are added)
#   # store KEY NAME=VALUE...  written into the store before the run this line belongs to
#   # restart                  ends the run; the next one starts on the same config dir
# Screenshots go to a scratch directory (kept in $REPLAY_SHOTS when that is set).
set -u
rerecord=0 resized=0
if [[ "${1:-}" == "--rerecord" ]]; then rerecord=1; shift; fi
if [[ "${1:-}" == "--resized" ]]; then resized=1; shift; fi
if [[ $# -ne 3 ]]; then
    echo "usage: $0 [--rerecord | --resized] PROGRAM STORE_TOOL SCRIPT" >&2
    exit 2
fi
program=$1 store_tool=$2 script=$3
expected="${script%.script}.expected"
program=$(realpath "$program") store_tool=$(realpath "$store_tool") script=$(realpath "$script")
expected="${script%.script}.expected"
[[ -x "$program" ]] || { echo "replay: no program at $program" >&2; exit 2; }
[[ -f "$script" ]] || { echo "replay: no script at $script" >&2; exit 2; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/replay.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/config" "$scratch/shots"

args=()
if line=$(grep -m1 -E '^# args:' "$script"); then
    read -r -a args <<< "${line#\# args:}"
fi

# Segment numbers of the runs: a "# restart" line starts the next one.
runs=$(( $(grep -c -E '^# restart[[:space:]]*$' "$script") + 1 ))

# play [ARGS...]: every run of the script into $actual, its screenshots into $shots. A resized
# play adds its resize lines to the input and its density to ARGS.
play() {
    local run status
    : > "$actual"
    mkdir -p "$shots"
    for (( run = 0; run < runs; run++ )); do
        # This run's store lines, then its script with every other run's lines blanked, so that the
        # line numbers in error events are those of the script file.
        while IFS= read -r storeLine; do
            read -r -a words <<< "${storeLine#\# store}"
            if ! "$store_tool" "$scratch/config" "${words[@]}"; then
                echo "replay: cannot store: $storeLine" >&2
                exit 2
            fi
        done < <(awk -v run="$run" '/^# restart[[:space:]]*$/ { n++; next } n == run && /^# store / { print }' "$script")
        awk -v run="$run" -v own="$ownSize" -v other="$otherSize" '
            NR == 1 && own != "" { print "resize " own }
            /^# restart[[:space:]]*$/ { n++; print ""; next }
            n == run && own != "" && !dialog && /^state[[:space:]]*$/ { print "resize " other; print "resize " own }
            { print (n == run ? $0 : "") }
            /^menu (options|statistics)[[:space:]]*$/ { dialog = 1 }
            /^(ok|cancel)[[:space:]]*$/ { dialog = 0 }' "$script" > "$scratch/run$run.in"
        if (( run > 0 )); then echo "# restart" >> "$actual"; fi
        (cd "$shots" && timeout 120 "$program" --headless --config-dir "$scratch/config" "$@" \
            < "$scratch/run$run.in" >> "$actual" 2> "$scratch/stderr$run")
        status=$?
        if (( status != 0 )); then echo "# exit $status" >> "$actual"; fi
    done
}

actual="$scratch/transcript" shots="$scratch/shots" ownSize="" otherSize=""
if (( resized )); then
    # The script's density (its last --dpi, else the headless default) and another one.
    dpi=192
    for (( i = 0; i < ${#args[@]}; i++ )); do
        [[ "${args[i]}" == --dpi ]] && dpi=${args[i+1]}
    done
    # Not a multiple of 96, so that a place kept in proportion instead of laid out again is off.
    other=$(( dpi == 150 ? 96 : 150 ))
    pixels() { echo "$(( ($1 * 240 + 48) / 96 )) $(( ($1 * 320 + 48) / 96 ))"; }
    if grep -q -E '^shot ' "$script"; then
        play "${args[@]}"
        mv "$shots" "$scratch/plain-shots"
        rm -rf "$scratch/config" && mkdir -p "$scratch/config"
    fi
    ownSize=$(pixels "$dpi") otherSize=$(pixels "$other")
    play "${args[@]}" --dpi "$other"
    if [[ -d "$scratch/plain-shots" ]] && ! diff -r "$scratch/plain-shots" "$shots"; then
        echo "replay: $script shows other pictures after a resize" >&2
        exit 1
    fi
    mask() { sed -E 's/^\{"event":"error","line":[0-9]+,/{"event":"error","line":N,/' "$1"; }
    if ! diff -u --label "$expected" --label "this run, resized" <(mask "$expected") <(mask "$actual"); then
        echo "replay: $script played differently after resizes (lines - expected, + this run)" >&2
        exit 1
    fi
    exit 0
fi
play "${args[@]}"

if [[ -n "${REPLAY_SHOTS:-}" ]] && compgen -G "$scratch/shots/*" > /dev/null; then
    mkdir -p "$REPLAY_SHOTS" && cp "$scratch"/shots/* "$REPLAY_SHOTS"/
fi

if (( rerecord )); then
    cp "$actual" "$expected"
    echo "recorded $expected ($(wc -l < "$expected") lines)"
    exit 0
fi
if [[ ! -f "$expected" ]]; then
    echo "replay: $expected is missing; record it with scripts/rerecord.sh and review it" >&2
    exit 1
fi
if ! diff -u --label "$expected" --label "this run" "$expected" "$actual"; then
    for f in "$scratch"/stderr*; do
        [[ -s "$f" ]] && { echo "--- stderr of ${f##*/}:"; head -20 "$f"; }
    done
    echo "replay: $script differs from its transcript (lines - expected, + this run)" >&2
    exit 1
fi
exit 0
