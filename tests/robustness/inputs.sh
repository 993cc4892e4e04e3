#!/usr/bin/env bash
# Hostile inputs against one program's headless mode: each must give a clear error and the
# right exit status (2 unusable input, 1 failed run), never a crash, a hang or a quiet success.
#   inputs.sh PROGRAM_BINARY NUMBER_LOAD
# NUMBER_LOAD is a load object with N where a number goes, e.g. '{"nextStarter": N}'.
set -u
bin=$(realpath "$1") number=$2
withNumber() { echo "load ${number/N/$1}"; }
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
cd "$work"
failures=0
fail() { echo "FAIL $*" >&2; failures=$((failures + 1)); }

# expect NAME STATUS PATTERN: runs the script on stdin with a fresh store, checks the exit
# status and that the output (stdout and stderr) matches PATTERN.
expect() {
    local name=$1 status=$2 pattern=$3
    shift 3
    local out got
    out=$(timeout 60 "$bin" --headless --config-dir "$work/store-$name" "$@" 2>&1)
    got=$?
    if [[ $got -ne $status ]] || ! grep -qE -- "$pattern" <<<"$out"; then
        fail "$name: exit $got (want $status), output: ${out:0:600}"
    fi
}

# The depth is refused while the text is read, whichever field holds it.
withNumber "$(python3 -c "print('[' * 100000 + '1' + ']' * 100000)")" >deep
expect deep 2 '"error".*nested deeper' <deep

expect unsigned-max 2 '"error".* 18446744073709551615 is' <<<"$(withNumber 18446744073709551615)"
expect long-value 2 '"error".*\.\.\."' <<<"$(withNumber "\"$(printf 'x%.0s' {1..5000})\"")"
{ withNumber 0 | tr -d '\n'; printf '\0garbage\n'; } >nul-load
expect nul-load 2 '"error".*NUL' <nul-load
expect shot-full 2 '"error".*cannot write' <<<"shot /dev/full"
expect script-dir 2 'is a directory' --script "$work"
# Quit ends the run from inside a dialog with status 0 (what a program printed before it differs).
expect quit-in-dialog 0 '' <<<$'menu options\nquit\nstate'

# The command line: a refused option is told on stderr, program name first, with the usage and
# nothing on stdout; QV_CONFIG_DIR stands in for
# --config-dir; --script reads the script from a file and names a file it cannot read.
name=$(basename "$bin")
err=$("$bin" --dpi 12 2>&1 >stdout-bad); got=$?
[[ $got -eq 2 && ! -s stdout-bad && $err == "$name: "*"Usage: $name"* ]] || fail "bad-option: exit $got: $err"
echo state >script.txt
expect script-file 0 '^\{"event":"state"' --script script.txt </dev/null
expect script-missing 2 'missing\.txt' --script missing.txt </dev/null
printf 'menu options\nok\n' | QV_CONFIG_DIR=$work/elsewhere "$bin" --headless >/dev/null 2>&1
[[ -n $(ls -A elsewhere 2>/dev/null) ]] || fail "QV_CONFIG_DIR was not used as the config dir"

# Standard output full: the events are lost, so the run failed.
out=$(echo state | "$bin" --headless --config-dir "$work/s1" 2>&1 >/dev/full); got=$?
[[ $got -eq 1 && $out == *"standard output"* ]] || fail "stdout-full: exit $got: $out"
# Standard input closed: nothing else is read as the script.
out=$("$bin" --headless --config-dir "$work/s2" <&- 2>&1); got=$?
[[ $got -eq 0 && $out != *error* ]] || fail "stdin-closed: exit $got: ${out:0:300}"

# A store that cannot be written: told once as an error event, and the run fails.
touch plain
out=$(printf 'menu options\nok\nmenu options\nok\n' | "$bin" --headless --config-dir "$work/plain/sub" 2>&1); got=$?
n=$(grep -c '"event":"error".*could not be saved' <<<"$out")
[[ $got -eq 1 && $n -eq 1 ]] || fail "store-unwritable: exit $got, $n error events: ${out:0:400}"

# Random play without a config dir never writes to the user's own store.
mkdir home
HOME=$work/home XDG_DATA_HOME= QV_CONFIG_DIR= "$bin" --headless --monkey 300 --seed 3 >/dev/null 2>&1
[[ -z $(ls -A home) ]] || fail "monkey wrote into \$HOME: $(find home)"

[[ $failures -eq 0 ]] && echo "all hostile inputs refused cleanly"
exit $((failures > 0))
