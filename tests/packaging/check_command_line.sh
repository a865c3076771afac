#!/usr/bin/env bash
# Runs a built program the way a user would from a terminal and checks its
# answers to --help and --version, to unknown arguments, and that Qt's own
# options still reach Qt.
# usage: check_command_line.sh PROGRAM "Name X.Y"
set -uo pipefail
exe=$1
version_line=$2
name=$(basename "$exe")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A language the user chose in a menu must not change what is checked.
export XDG_CONFIG_HOME=$work/config
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run ARGS...: status in $status, standard output in $out, errors in $err.
run() {
    out=$(timeout 30 "$exe" "$@" 2>"$work/err")
    status=$?
    err=$(cat "$work/err")
}

# still_running ARGS...: the program started and was still up after 3 s.
still_running() {
    timeout 3 "$exe" "$@" >/dev/null 2>"$work/err"
    [ $? -eq 124 ]
}

export QT_QPA_PLATFORM=offscreen

for option in --version -v; do
    run "$option"
    [ "$status" -eq 0 ] || fail "$option: exit status $status"
    [ "$out" = "$version_line" ] || fail "$option printed '$out', expected '$version_line'"
done

for option in --help -h; do
    run "$option"
    [ "$status" -eq 0 ] || fail "$option: exit status $status"
    for wanted in "$name" "--help" "--version"; do
        grep -q -e "$wanted" <<<"$out" || fail "$option: help does not mention '$wanted'"
    done
done

# --scale takes a factor from 0.5 to 4, with a point or a comma.
run --scale 2 --version
[ "$status" -eq 0 ] && [ "$out" = "$version_line" ] || fail "--scale 2 --version: status $status, printed '$out'"
run --scale 1,5 --version
[ "$status" -eq 0 ] || fail "--scale 1,5 --version: status $status"
run --scale 9
[ "$status" -eq 1 ] || fail "--scale 9: exit status $status, expected 1"
grep -q -e "--scale" <<<"$err" || fail "--scale 9: the error does not name the option: '$err'"

for bad in --bogus extra-argument; do
    run "$bad"
    [ "$status" -eq 1 ] || fail "$bad: exit status $status, expected 1"
    [ -z "$out" ] || fail "$bad: printed '$out' on standard output"
    grep -q -e "$bad" <<<"$err" || fail "$bad: the error does not name it: '$err'"
done

# Qt's own options go to Qt: with no display, only -platform offscreen lets it start.
out=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY timeout 30 "$exe" -platform offscreen --version 2>"$work/err")
status=$?
[ "$status" -eq 0 ] && [ "$out" = "$version_line" ] \
    || fail "-platform offscreen --version: status $status, printed '$out': $(cat "$work/err")"

still_running || fail "did not keep running without arguments: $(cat "$work/err")"
still_running -style fusion || fail "did not keep running with -style fusion: $(cat "$work/err")"

if [ "$failures" -ne 0 ]; then
    echo "$name: $failures command-line check(s) failed"
    exit 1
fi
echo "$name: command line answers as expected"
