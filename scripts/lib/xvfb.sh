# A virtual X display of the test run's own, for what needs a real window.
# shellcheck shell=bash

XVFB_PID=

start_xvfb() {
    local dir=$1 i n
    # Xvfb picks a free display itself and writes its number: two runs
    # starting at once never reach for the same one.
    : >"$dir/xvfb.display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/xvfb.display" >"$dir/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for i in $(seq 100); do
        n=$(tr -dc 0-9 <"$dir/xvfb.display")
        if [ -n "$n" ] && [ -e "/tmp/.X11-unix/X$n" ]; then
            export DISPLAY=":$n"
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "Could not start Xvfb; its log:" >&2
    cat "$dir/xvfb.log" >&2
    return 1
}

stop_xvfb() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
    return 0
}
