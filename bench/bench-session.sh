# Shared by the benchmark scripts: a virtual X display and a sound server with
# a null sink ("null", its monitor "null.monitor"), both private to the run.
# shellcheck shell=bash

# start_bench_session WORK_DIR: exports DISPLAY and PULSE_SERVER.
start_bench_session() {
    local work="$1"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    BENCH_XVFB_PID=$!
    local tries=0
    until [ -s "$work/display" ] || [ $tries -ge 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    local number
    number="$(cat "$work/display")"
    [ -n "$number" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$number"

    BENCH_PULSE_RUNTIME="$work/pulse-runtime"
    mkdir -p -m 700 "$BENCH_PULSE_RUNTIME"
    XDG_RUNTIME_DIR="$BENCH_PULSE_RUNTIME" pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
        --load="module-null-sink sink_name=null" --load=module-native-protocol-unix \
        2>/dev/null
    export PULSE_SERVER="unix:$BENCH_PULSE_RUNTIME/pulse/native"
}

stop_bench_session() {
    XDG_RUNTIME_DIR="$BENCH_PULSE_RUNTIME" pulseaudio --kill >/dev/null 2>&1 || true
    kill "$BENCH_XVFB_PID" 2>/dev/null || true
}
