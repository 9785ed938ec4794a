#!/usr/bin/env bash
# A screen reader follows a long body list: the real program on Xvfb, read through the
# accessibility bus (tests/screen-reader.py). While a 501-cell train runs, every change it is
# told of the overview's list is the whole list from its start, and the last one is the text
# the box reads.
#   screen-reader-lists.sh PROGRAM
set -euo pipefail
program=$1
reader=$(dirname "$0")/screen-reader.py
. "$(dirname "$0")/xvfb-session.sh"
fail() {
    echo "FAIL: $*"
    cat "$work/changes" "$work/errors" 2>/dev/null || true
    exit 1
}

start_xvfb -screen 0 1280x1024x24 || fail "no X server"
printf '[Globals]\nTrainCount=1\nTrainLength0=501\n' >"$XDG_CONFIG_HOME/Varnok/Varnok.conf"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 PROGRAM=$program READER=$reader WORK=$work
# shellcheck disable=SC2016
dbus-run-session -- bash -c '
    set -euo pipefail
    "$PROGRAM" >/dev/null 2>"$WORK/errors" &
    trap "kill $! 2>/dev/null || true" EXIT
    /usr/bin/python3 "$READER" press Overview
    /usr/bin/python3 "$READER" changes "Train 0 cells" 4 >"$WORK/changes" &
    listener=$!
    sleep 1
    /usr/bin/python3 "$READER" set "Train 0 throttle" 100
    sleep 1.5
    /usr/bin/python3 "$READER" set "Train 0 throttle" 0
    wait $listener
' 2>"$work/session.log" || { cat "$work/session.log"; fail "the accessibility session failed"; }

inserts=$(grep -c '^insert' "$work/changes" || true)
echo "changes told: $inserts inserts; $(tail -n 2 "$work/changes" | tr '\n' ' ')"
[ "$inserts" -ge 5 ] || fail "the reader was told of too few changes"
characters=$(sed -n 's/^characters //p' "$work/changes")
[ "$characters" -gt 2000 ] || fail "the box holds $characters characters, not the whole list"
awk '/^(insert|delete)/ && ($2 != 0 || $3 < 2000) { exit 1 }' "$work/changes" ||
    fail "a change was told of a part of the list only"
grep -q '^last insert reads back: yes' "$work/changes" ||
    fail "the last change told is not the text the box reads"
echo "PASS: every change told is the whole list, as the box reads it"
