#!/usr/bin/env bash
# Holds the Up key for 1.5 s on a real X server whose auto-repeat is on, and checks that the
# program saw one press and one release: the held-key code goes to 38 once and back to 0
# once, however many repeats the server sent, and the focused scroll bar does not move.
set -euo pipefail
probe=$1
report=$(mktemp)
trap 'rm -f "$report"' EXIT

xvfb-run -a -s "-screen 0 640x480x24" bash -c '
    probe=$1 report=$2
    "$probe" 4000 >"$report" &
    probe_pid=$!
    for _ in $(seq 100); do grep -q "^ready" "$report" && break; sleep 0.05; done
    window=$(sed -n "s/^ready //p" "$report")
    xdotool windowfocus --sync "$window"
    xdotool keydown Up
    sleep 1.5
    xdotool keyup Up
    wait "$probe_pid"' key-hold "$probe" "$report"

cat "$report"
fail() { echo "FAIL: $*"; exit 1; }
grep -qx "whole repeats on" "$report" || fail "the X server did not take the repeat request"
presses=$(sed -n "s/^presses //p" "$report")
[ "$presses" -ge 10 ] || fail "only $presses presses: the key did not repeat"
codes=$(sed -n "s/^code //p" "$report" | tr '\n' ' ')
[ "$codes" = "38 0 " ] || fail "the held-key code went through: $codes"
grep -qx "throttle 50" "$report" || fail "the focused scroll bar moved"
echo "PASS: $presses presses, one hold"
