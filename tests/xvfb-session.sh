# What the tests and scripts that run Varnok on an X server of their own share, sourced after
# `set -euo pipefail`: a work folder, and every process they start ended at the exit by its
# id, the last started first, so that the X server goes after its clients.
work=$(mktemp -d)
started=() # every process started, ended at the exit by its id

# A process that has ended and been waited for is forgotten: its id may name another later.
forget() {
    local pid kept=()
    for pid in "${started[@]}"; do
        [ "$pid" = "$1" ] || kept+=("$pid")
    done
    started=("${kept[@]}")
}

stop_started() {
    local k
    for ((k = ${#started[@]} - 1; k >= 0; k--)); do
        kill "${started[k]}" 2>/dev/null || true
        wait "${started[k]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap stop_started EXIT

# Starts Xvfb with the arguments given (its screens) on a free display that it picks itself
# and writes to descriptor 3, and readies the environment for the program: it chooses X11
# itself, nothing may scale what it shows, its settings folder is in the work folder, and Qt
# has a private runtime folder. Fails, with Xvfb's log, when Xvfb does not start.
start_xvfb() {
    Xvfb -displayfd 3 "$@" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    started+=("$!")
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    if ! [ -s "$work/display" ]; then
        echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2
        return 1
    fi
    export DISPLAY=":$(head -n 1 "$work/display")"
    unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_FONT_DPI QT_SCREEN_SCALE_FACTORS
    export XDG_CONFIG_HOME=$work/config
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        export XDG_RUNTIME_DIR=$work/runtime
        mkdir -m 700 "$XDG_RUNTIME_DIR"
    fi
    mkdir -p "$XDG_CONFIG_HOME/Varnok"
}
