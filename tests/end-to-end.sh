#!/usr/bin/env bash
# Varnok as a user meets it: the real program on a real X server (Xvfb, auto-repeat on), with
# a settings folder of its own, driven by real key and mouse events (xdotool). What it shows
# is read from the screen by screen_probe; what it keeps, from its settings file.
#   end-to-end.sh PROGRAM PROBE
set -euo pipefail
program=$1
probe=$2
. "$(dirname "$0")/xvfb-session.sh"
screen_ready=""
program_pid=""

probe() { QT_QPA_PLATFORM=xcb "$probe" "$@"; }

# To standard error, which a command substitution that fails does not swallow.
fail() {
    {
        echo "FAIL: $*"
        if [ -n "$screen_ready" ] && probe shot "$PWD/end-to-end-failure.png"; then
            echo "screen: $PWD/end-to-end-failure.png"
        fi
        echo "--- the program's standard error:"
        cat "$work/errors" 2>/dev/null || true
    } >&2
    exit 1
}

# The second screen is a desktop of its own, larger than the first, where the program's
# windows never go.
start_xvfb -screen 0 1024x768x24 -screen 1 1920x1080x24 || fail "no X server"
screen_ready=yes
settings=$XDG_CONFIG_HOME/Varnok/Varnok.conf
# Places side by side (in twips, 15 to a pixel), so that no window hides another. The
# overview's, 1500, 900, lies on the second screen only: it opens at its default place.
cat >"$settings" <<'EOF'
[frmTrackMap]
Left=150
Top=150
[frmTrainControl]
Left=9600
Top=150
[frmOverview]
Left=22500
Top=13500
EOF
moved_overview="varnok: settings: [frmOverview] Left = 22500, Top = 13500 leave too little of \
the window on its screen to reach it; using Left = 1000, Top = 7950, its default place"

"$program" >"$work/output" 2>"$work/errors" &
program_pid=$!
started+=("$program_pid")

# The windows, found by their exact captions and by the program's window class.
window_named() {
    local id
    id=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) ||
        fail "no window \"$1\""
    [ "$(xdotool getwindowname "$id")" = "$1" ] || fail "window $id is not named \"$1\""
    xdotool search --class '^Varnok$' | grep -qx "$id" || fail "\"$1\" is not of class Varnok"
    echo "$id"
}
track_map=$(window_named "Track Map")
train_control=$(window_named "Train Control")

# The track cells, by index, that show `colour` now.
cells_of() {
    probe cells "$track_map" | awk -v colour="$1" '$2 == colour { printf "%s ", $1 }'
}
# The highest of the cells given that lie within first..last.
highest_within() { # first last cells...
    local first=$1 last=$2 best=0 cell
    shift 2
    for cell in "$@"; do
        if [ "$cell" -ge "$first" ] && [ "$cell" -le "$last" ] && [ "$cell" -gt "$best" ]; then
            best=$cell
        fi
    done
    echo "$best"
}
click_on() { # window-id design-window control
    local x y
    read -r x y < <(probe centre "$2" "$3")
    xdotool mousemove --window "$1" "$x" "$y" click 1
}

# Palette colours 3, 4 and 5: trains 0, 1 and 2 as they start.
train0=007f00
train1=007f7f
train2=007ffe

echo "--- Up held: train 0 leaves node 501 and moves"
[ -z "$(cells_of $train0)" ] || fail "train 0 shows before its throttle moved"
xdotool windowfocus --sync "$track_map"
xdotool keydown Up
sleep 1.5
xdotool keyup Up
# With no turning key held, a train on a node at the start takes the run 24..68.
first=$(cells_of $train0)
echo "train 0 on cells: $first"
[ -n "$first" ] || fail "train 0 did not leave node 501"
for cell in $first; do
    [ "$cell" -eq 501 ] || { [ "$cell" -ge 24 ] && [ "$cell" -le 68 ]; } ||
        fail "train 0 shows on cell $cell, off its way from node 501"
done
sleep 0.6
# shellcheck disable=SC2086
head1=$(highest_within 24 68 $first)
second=$(cells_of $train0)
echo "train 0 on cells: $second"
# shellcheck disable=SC2086
head2=$(highest_within 24 68 $second)
[ "$head2" -gt "$head1" ] || fail "train 0 did not move on: head $head1, then $head2"

echo "--- Left held while train 0 leaves node 503"
xdotool keydown Left
# shellcheck disable=SC2086
[ "$(highest_within 115 146 $(cells_of $train0))" -eq 0 ] ||
    fail "train 0 passed node 503 before Left was held: the throttle went too high"
branch=""
for _ in $(seq 400); do
    now=$(cells_of $train0)
    # shellcheck disable=SC2086
    if [ "$(highest_within 115 146 $now)" -gt 0 ]; then
        branch=$now
        break
    fi
    sleep 0.05
done
xdotool keyup Left
echo "train 0 on cells: $branch"
[ -n "$branch" ] || fail "train 0 did not reach node 503's exits"
# Arriving from cell 68, Left is the run 115..133; with no key it would be 134..146.
# shellcheck disable=SC2086
[ "$(highest_within 115 133 $branch)" -gt 0 ] && [ "$(highest_within 134 146 $branch)" -eq 0 ] ||
    fail "train 0 did not take the left branch at node 503"

echo "--- Two presses on the train control window: three trains"
xdotool mousemove --window "$train_control" 3 40 click 1
sleep 0.5 # not a double click
xdotool mousemove --window "$train_control" 4 40 click 1
sleep 0.3
height=$(xdotool getwindowgeometry "$train_control" | sed -n 's/.*Geometry: [0-9]*x//p')
# 1360 + 2 × 600 twips of outer height, less 360 of frame: three rows of 600.
[ "$height" -eq 147 ] || fail "the train control window is $height pixels high, not 147"

echo "--- Ctrl held with three trains: the marker takes each train's colour in turn"
xdotool windowfocus --sync "$track_map"
QT_QPA_PLATFORM=xcb "$probe" marker "$track_map" 4000 >"$work/marker" &
watcher=$!
started+=("$watcher")
# Its first line is the marker before Ctrl: on a busy machine the watcher takes a while.
for _ in $(seq 200); do
    [ -s "$work/marker" ] && break
    sleep 0.05
done
xdotool keydown Control_L
sleep 1.5
xdotool keyup Control_L
wait "$watcher" || fail "the marker could not be watched"
forget "$watcher"
colours=$(tr '\n' ' ' <"$work/marker")
echo "marker: $colours"
read -r -a seen <<<"$colours"
[ "${#seen[@]}" -ge 8 ] || fail "the marker changed only $((${#seen[@]} - 1)) times"
[ "${seen[0]}" = ffffff ] || fail "the marker was not white before Ctrl"
cycle=($train1 $train2 $train0)
for k in $(seq 1 $((${#seen[@]} - 1))); do
    [ "${seen[k]}" = "${cycle[(k - 1) % 3]}" ] || fail "the marker's colour $k is ${seen[k]}"
done

echo "--- The overview shows the held key"
click_on "$track_map" frmTrackMap cmdOverview
overview=$(window_named "Overview")
xdotool windowfocus --sync "$overview"
[ "$(probe keyfield "$overview")" = 0 ] || fail "the key field does not show 0 with no key held"
xdotool keydown Up
sleep 0.5
shown=$(probe keyfield "$overview")
xdotool keyup Up
[ "$shown" = 38 ] || fail "the key field shows $shown while Up is held, not 38"
sleep 0.4
shown=$(probe keyfield "$overview")
[ "$shown" = 0 ] || fail "the key field shows $shown after Up was let go, not 0"

echo "--- The overview destroyed by another X client comes back at the next press of Overview"
probe destroy "$overview" || fail "the overview's window could not be destroyed"
for _ in $(seq 40); do
    xdotool search --onlyvisible --name '^Overview$' >/dev/null || break
    sleep 0.05
done
xdotool search --onlyvisible --name '^Overview$' >/dev/null && fail "the overview was not destroyed"
click_on "$track_map" frmTrackMap cmdOverview
overview=$(window_named "Overview")
[ "$(probe keyfield "$overview")" = 0 ] || fail "the overview brought back does not show the key"

echo "--- A click on train 2's colour, then Quit: the settings file keeps eleven values"
click_on "$train_control" frmTrainControl txtTrainColor2
sleep 0.3
click_on "$track_map" frmTrackMap cmdQuit
for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$program_pid" 2>/dev/null && fail "the program still runs after Quit"
status=0
wait "$program_pid" || status=$?
forget "$program_pid"
[ "$status" -eq 0 ] || fail "the program ended with status $status"
# Once each time the overview was made: at the first press of Overview, and after it was lost.
[ "$(grep -cxF "$moved_overview" "$work/errors")" -eq 2 ] && [ "$(wc -l <"$work/errors")" -eq 2 ] ||
    fail "the program's standard error holds more, or other, than the overview's new place"

kept=$(awk '/^\[.*\]$/ { section = substr($0, 2, length($0) - 2); next }
            /=/ { print section "/" $0 }' "$settings" | sort)
expected=$(sort <<'EOF'
Globals/TrainCount=3
Globals/TrainColor0=3
Globals/TrainColor1=4
Globals/TrainColor2=6
frmOverview/Left=1000
frmOverview/Top=7950
frmTrackMap/Left=150
frmTrackMap/Top=150
frmTrainControl/Left=9600
frmTrainControl/Top=150
frmTrainControl/Height=2560
EOF
)
echo "settings kept:"
echo "$kept"
[ "$kept" = "$expected" ] || fail "the settings file holds other values than these: $expected"
echo "PASS: driven through X11 from start to Quit"
