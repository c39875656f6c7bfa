# Shared by the tests that run the real program under a virtual X display:
# the program runs from a copy in a folder of its own (which is then its data
# folder), with its own settings and runtime folders, and is tapped at the
# design positions of its controls (twips / 15 = pixels at the window's design
# size, 1018 x 741). Needs Xvfb and xdotool; without them the test is skipped
# (exit code 77).
# shellcheck shell=bash

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in Xvfb xdotool iconv; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done

WORK="$(mktemp -d)"
APP_PID=""
XVFB_PID=""
cleanup() {
    if [ -n "$APP_PID" ]; then
        kill -9 "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do
    grep -qx '[0-9][0-9]*' "$WORK/display" && break
    sleep 0.1
done
DISPLAY=":$(cat "$WORK/display")"
[[ "$DISPLAY" =~ ^:[0-9]+$ ]] || fail "Xvfb did not start"
export DISPLAY QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Design positions (pixels) of the controls the tests tap.
CMD_SAMP=(153 593)    # "例文表示" and the modes' end buttons
CMD_SAMP_ADD=(153 695) # "例文追加"
CMD_DEC=(756 644)     # "決定"
CMD_END=(13 691)      # "終了"

# A copy of the program in folder $1, the settings folder $2.
make_program_folder() {
    mkdir -p "$1" "$2"
    cp "$PROGRAM" "$1/talk"
}

# Starts the program of folder $1 with the settings of folder $2; WINDOW is
# its main window once it shows, STARTED_MS how long that took.
start_program() {
    local start
    start="$(date +%s%N)"
    XDG_CONFIG_HOME="$2" "$1/talk" >>"$WORK/talk.log" 2>&1 &
    APP_PID=$!
    WINDOW="$(timeout 20 xdotool search --sync --onlyvisible --name '^TaviMail!  Ver 1\.1$' |
        head -n 1)" || true
    [ -n "$WINDOW" ] || fail "no main window within 20 s"
    STARTED_MS=$((($(date +%s%N) - start) / 1000000))
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    [ "$WIDTH" = 1018 ] && [ "$HEIGHT" = 741 ] ||
        fail "the main window is ${WIDTH}x${HEIGHT}, not 1018x741; the taps would miss"
}

# Taps the point ($1, $2) of the main window, in pixels of its client area.
tap() {
    xdotool mousemove --window "$WINDOW" "$1" "$2" click 1
    sleep 0.05
}
# Taps row $1 of the list grid laid over the board (rows of 77 pixels).
tap_list_row() {
    tap 500 $((198 + 77 * $1))
}
# Taps cell (row $1, column $2) of the ten-column board.
tap_board() {
    tap $((51 + 102 * $2)) $((198 + 76 * $1))
}

# Waits up to $1 seconds for the program to end; its exit code then stands in
# EXIT_CODE. False when it still runs.
wait_for_end() {
    for _ in $(seq $(($1 * 10))); do
        if ! kill -0 "$APP_PID" 2>/dev/null; then
            EXIT_CODE=0
            wait "$APP_PID" || EXIT_CODE=$?
            APP_PID=""
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Ends the program at once, as a crash or a power cut would.
kill_program() {
    kill -9 "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
}
