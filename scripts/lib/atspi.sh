# A D-Bus session bus and an accessibility (AT-SPI) bus of the test run's
# own, for the test that reads the window as a screen reader does.
# shellcheck shell=bash

ATSPI_LAUNCHER_PID=

start_test_atspi() {
    local dir=$1
    # From here on the screen reader test fails, rather than skips, when a
    # bus is missing.
    export QUILLON_TEST_ATSPI=1
    # dbus-launch notes the bus under $HOME/.dbus for its display: in the
    # run's folder, so that nothing of it outlives the run.
    eval "$(HOME="$dir" dbus-launch --sh-syntax)"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$dir/atspi.log" 2>&1 &
    ATSPI_LAUNCHER_PID=$!
    local i
    for i in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
            >/dev/null 2>&1 && return 0
        kill -0 "$ATSPI_LAUNCHER_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "Could not start the AT-SPI bus" >&2
    return 1
}

stop_test_atspi() {
    [ -n "$ATSPI_LAUNCHER_PID" ] && kill "$ATSPI_LAUNCHER_PID" 2>/dev/null && wait "$ATSPI_LAUNCHER_PID" 2>/dev/null
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
    ATSPI_LAUNCHER_PID= DBUS_SESSION_BUS_PID=
    return 0
}
