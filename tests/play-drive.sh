#!/usr/bin/env bash
# A drive recorded on a real X server (Xvfb) with real key presses and clicks (xdotool), a
# stall included, reaches its recorded end under --check and when played in the windows,
# where the user's own keys and clicks meanwhile change nothing. After the drive the user
# drives on, and the settings file is as the recording's Quit left it.
#   play-drive.sh PROGRAM PROBE
set -euo pipefail
program=$1
probe=$2
. "$(dirname "$0")/xvfb-session.sh"

fail() {
    {
        echo "FAIL: $*"
        for output in "$work"/*.out "$work"/*.err; do
            [ -s "$output" ] && { echo "--- $(basename "$output"):"; cat "$output"; }
        done
    } >&2
    exit 1
}

start_xvfb -screen 0 1024x768x24 -noreset || fail "no X server"
settings=$XDG_CONFIG_HOME/Varnok/Varnok.conf
printf '[Globals]\nTrainCount=3\n[frmTrackMap]\nLeft=150\nTop=150\n' >"$settings"

pid=""
start() { # NAME ARGUMENTS...
    local name=$1
    shift
    "$program" "$@" >"$work/$name.out" 2>"$work/$name.err" &
    pid=$!
    started+=("$pid")
    track_map=$(timeout 10 xdotool search --sync --onlyvisible --name '^Track Map$' | head -n 1) ||
        fail "no track map"
    train_control=$(timeout 10 xdotool search --sync --onlyvisible --name '^Train Control$' |
        head -n 1) || fail "no train control window"
    xdotool windowfocus --sync "$track_map"
}
quit() {
    local x y
    read -r x y < <(QT_QPA_PLATFORM=xcb "$probe" centre frmTrackMap cmdQuit)
    xdotool mousemove --window "$track_map" "$x" "$y" click 1
    timeout 10 tail --pid="$pid" -f /dev/null || fail "the program still runs after Quit"
    wait "$pid" || fail "the program ended with status $?"
}
height() { xdotool getwindowgeometry "$train_control" | sed -n 's/.*Geometry: [0-9]*x//p'; }
# Shift and a press on the train control window's background: one train fewer.
one_fewer() {
    xdotool mousemove --window "$train_control" 3 40 keydown shift click 1 keyup shift
    sleep 0.45
}

echo "--- Recorded: Up held to full pace, a click on a colour, Left held, a stall, Down held"
start record --record "$work/run.drive"
xdotool keydown Up
sleep 2.3
xdotool keyup Up
read -r x y < <(QT_QPA_PLATFORM=xcb "$probe" centre frmTrainControl txtTrainColor0)
xdotool mousemove --window "$train_control" "$x" "$y" click 1
xdotool windowfocus --sync "$track_map"
xdotool keydown Left
sleep 1
kill -STOP "$pid"
sleep 0.5
kill -CONT "$pid"
sleep 1
xdotool keyup Left
xdotool keydown Down
sleep 0.6
xdotool keyup Down
sleep 0.5
quit
grep -q ' color 0$' "$work/run.drive" || fail "the click on the colour was not recorded"
grep -q ' dropped ' "$work/run.drive" || fail "the stall was not recorded"
cp "$settings" "$work/settings.kept"

echo "--- Checked"
"$program" --play "$work/run.drive" --check >"$work/check.out" ||
    fail "the check did not reach the recorded end"
grep -q '^the drive reached its recorded end at ' "$work/check.out" || fail "the check said other"

echo "--- Played in the windows, while the user presses keys and the window"
start play --play "$work/run.drive"
[ "$(height)" -eq 147 ] || fail "the played run does not show three trains"
xdotool keydown Down
sleep 0.3
one_fewer
xdotool windowfocus --sync "$track_map"
sleep 0.3
xdotool keyup Down
[ "$(height)" -eq 147 ] || fail "a press of the user's took a train away while the drive played"
for _ in $(seq 200); do
    [ -s "$work/play.out" ] && break
    sleep 0.05
done
grep -q '^the drive reached its recorded end at ' "$work/play.out" ||
    fail "the played run did not reach the recorded end"
[ "$(cut -d, -f2 "$work/play.out")" = "$(cut -d, -f2 "$work/check.out")" ] ||
    fail "the played run and the check say different digests"

echo "--- After the drive, the user drives on"
one_fewer
[ "$(height)" -lt 147 ] || fail "the user's press after the drive took no train away"
quit
cmp -s "$settings" "$work/settings.kept" || fail "the played run changed the settings file"
[ ! -s "$work/play.err" ] || fail "the played run said something on standard error"
echo "PASS: recorded, checked and played to the same end"
