#!/bin/bash
# Runs one end-to-end case against the real program in its own X server under openbox.
# Usage: run_case.sh CASE_SCRIPT PROGRAM
set -u
case_script=$1
export APP=$2
export E2E_DIR
E2E_DIR=$(cd "$(dirname "$0")" && pwd)
export E2E_WORK
E2E_WORK=$(mktemp -d)

# What a case started and left running (the program, a compositor, a bus) goes with its
# process group, before the X server that it may still be using.
cleanup() {
    [ -n "${case_pid:-}" ] && kill -- -"$case_pid" 2>/dev/null
    pkill -P $$ 2>/dev/null
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$E2E_WORK"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$E2E_WORK/display" \
    2>"$E2E_WORK/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$E2E_WORK/display" ] && break
    sleep 0.05
done
export DISPLAY=":$(head -n 1 "$E2E_WORK/display")"
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
sleep 0.5

set -m
timeout --kill-after=5 "${E2E_TIMEOUT:-100}" bash "$case_script" &
case_pid=$!
wait "$case_pid"
status=$?
[ "$status" -ne 0 ] && echo "case failed with status $status" >&2
exit "$status"
