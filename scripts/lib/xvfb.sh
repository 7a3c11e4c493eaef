# A virtual X display of the test run's own, for what needs a real window.
# shellcheck shell=bash

XVFB_PID=

start_xvfb() {
    local dir=$1 n i
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        # -noreset: the server would otherwise reset whenever its last client
        # leaves, and a client connecting just then is turned away.
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$dir/xvfb.log" 2>&1 &
        XVFB_PID=$!
        for i in $(seq 100); do
            # The display is ours only when our server holds its lock: a run
            # started at the same moment may have taken the same number.
            if [ -e "/tmp/.X11-unix/X$n" ] \
                && [ "$(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null)" = "$XVFB_PID" ]; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        stop_xvfb
    done
    echo "Could not start Xvfb; its last log:" >&2
    cat "$dir/xvfb.log" >&2 2>/dev/null
    return 1
}

stop_xvfb() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
    return 0
}
