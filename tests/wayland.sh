#!/usr/bin/env bash
# Varnok where only Wayland is there: Debian's weston with its headless backend, no X
# server. The real program starts on it, opens the overview and quits, both pressed through
# the accessibility bus as a screen reader presses them (tests/screen-reader.py), since
# nothing can send a headless weston clicks. Wayland does not tell a program where its
# windows are: Quit must write back the places read at start-up, and start-up says so once.
#   wayland.sh PROGRAM
# Skips (status 77) where weston cannot start headless.
set -euo pipefail
program=$1
reader=$(dirname "$0")/screen-reader.py
work=$(mktemp -d)
weston_pid=""
cleanup() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    echo "--- the program's standard error:"
    cat "$work/errors" 2>/dev/null || true
    exit 1
}
skip() {
    echo "SKIP: $*"
    exit 77
}

# No X server, whatever the calling shell has: the program must find Wayland itself.
unset DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR QT_FONT_DPI
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=varnok-test

command -v weston >/dev/null || skip "weston is not installed"
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
    >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.05
done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] ||
    skip "weston cannot start headless here: $(tail -n 3 "$work/weston.log")"

mkdir -p "$XDG_CONFIG_HOME/Varnok"
settings=$XDG_CONFIG_HOME/Varnok/Varnok.conf
cat >"$settings" <<'SETTINGS'
[Globals]
TrainCount=2
[frmTrackMap]
Left=1007.5
Top=150
[frmTrainControl]
Left=9600
Top=150
Height=1960
[frmOverview]
Left=150
Top=6300
SETTINGS

# A session bus of its own, which starts the accessibility bus when the reader asks for it.
# Qt serves it without waiting for a screen reader to say that one runs. The inner script
# reads these variables itself.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 PROGRAM=$program READER=$reader WORK=$work
# shellcheck disable=SC2016
dbus-run-session -- bash -c '
    set -euo pipefail
    "$PROGRAM" >"$WORK/output" 2>"$WORK/errors" &
    program_pid=$!
    trap "kill $program_pid 2>/dev/null || true" EXIT
    /usr/bin/python3 "$READER" windows >"$WORK/windows-at-start"
    /usr/bin/python3 "$READER" press Overview
    sleep 0.5
    /usr/bin/python3 "$READER" windows >"$WORK/windows-with-overview"
    /usr/bin/python3 "$READER" press Quit
    for _ in $(seq 200); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.05
    done
    status=0
    kill -0 "$program_pid" 2>/dev/null && status=running || wait "$program_pid" || status=$?
    echo "$status" >"$WORK/status"
' 2>"$work/session.log" || { cat "$work/session.log"; fail "the accessibility session failed"; }

echo "windows at start: $(sort "$work/windows-at-start" | tr '\n' ' ')"
echo "windows after Overview: $(sort "$work/windows-with-overview" | tr '\n' ' ')"
[ "$(sort "$work/windows-at-start" | tr '\n' ' ')" = "Track Map Train Control " ] ||
    fail "the program did not show its two main windows"
[ "$(sort "$work/windows-with-overview" | tr '\n' ' ')" = "Overview Track Map Train Control " ] ||
    fail "Overview did not show the overview"
[ "$(cat "$work/status")" = 0 ] || fail "Quit ended the program with status $(cat "$work/status")"
expected_errors="varnok: this window system (Wayland) does not let programs place their windows: they open where it puts them, and Quit keeps the places saved before"
[ "$(cat "$work/errors")" = "$expected_errors" ] || fail "the program said other than the one warning"

kept=$(awk '/^\[.*\]$/ { section = substr($0, 2, length($0) - 2); next }
            /=/ { print section "/" $0 }' "$settings" | sort)
expected=$(sort <<'EOF2'
Globals/TrainCount=2
Globals/TrainColor0=3
Globals/TrainColor1=4
Globals/TrainColor2=5
frmOverview/Left=150
frmOverview/Top=6300
frmTrackMap/Left=1007.5
frmTrackMap/Top=150
frmTrainControl/Left=9600
frmTrainControl/Top=150
frmTrainControl/Height=1960
EOF2
)
echo "settings kept:"
echo "$kept"
[ "$kept" = "$expected" ] || fail "Quit did not write back the places read at start-up"
echo "PASS: started, showed the overview and quit on Wayland, keeping the places it read"
