# A headless Wayland compositor of the test run's own, so that the window
# test also runs once as a native Wayland client.
# shellcheck shell=bash

WESTON_PID=
WESTON_OLD_RUNTIME_DIR=

# Starts weston in $1; exports WAYLAND_DISPLAY (and XDG_RUNTIME_DIR, where
# its socket is) until stop_test_weston.
start_test_weston() {
    local dir=$1 i
    WESTON_OLD_RUNTIME_DIR=${XDG_RUNTIME_DIR-}
    export XDG_RUNTIME_DIR="$dir/runtime"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 0700 "$XDG_RUNTIME_DIR"
    weston --backend=headless-backend.so --socket=quillon-test --idle-time=0 \
        --log="$dir/weston.log" >/dev/null 2>&1 &
    WESTON_PID=$!
    for i in $(seq 100); do
        if [ -S "$XDG_RUNTIME_DIR/quillon-test" ]; then
            export WAYLAND_DISPLAY=quillon-test
            return 0
        fi
        kill -0 "$WESTON_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "Could not start weston; its log:" >&2
    cat "$dir/weston.log" >&2 2>/dev/null
    stop_test_weston
    return 1
}

stop_test_weston() {
    [ -n "$WESTON_PID" ] && kill "$WESTON_PID" 2>/dev/null && wait "$WESTON_PID" 2>/dev/null
    WESTON_PID=
    unset WAYLAND_DISPLAY
    if [ -n "$WESTON_OLD_RUNTIME_DIR" ]; then export XDG_RUNTIME_DIR="$WESTON_OLD_RUNTIME_DIR"; else unset XDG_RUNTIME_DIR; fi
    return 0
}
