# Driverless printers for the test run: two real printers' own answers
# (tests/data/ipp-printers/) served by ippeveprinter, announced over DNS-SD
# as such printers announce themselves, and each also made into a queue of
# the run's print server with `lpadmin -m everywhere`. So the tests reach the
# same printer both ways: as a queue, and as a printer CUPS lists from the
# network without one (a temporary destination).
#
# DNS-SD needs avahi-daemon, which needs a system D-Bus. When an
# avahi-daemon already runs on the machine, the run uses it and its bus and
# starts neither. Otherwise it starts a D-Bus of its own (its own
# configuration and socket in the run's folder, reached through
# DBUS_SYSTEM_BUS_ADDRESS, never the machine's bus) and an avahi-daemon on
# it that announces on the loopback interface only. avahi-daemon keeps its
# pid file and socket in /run/avahi-daemon whatever its configuration says;
# that is why it is only started when none runs, and it needs root.
# shellcheck shell=bash

TEST_IPP_PIDS=()
TEST_IPP_DBUS_PID=
TEST_IPP_AVAHI_PID=
# "key service-name answer-file": each printer the run serves.
TEST_IPP_PRINTERS=(
    "ENVY HP ENVY 4520 series|hp-envy-4520"
    "PAGEWIDE HP PageWide MFP P57750|hp-pagewide-mfp-p57750"
)

# A TCP port nothing listens on.
test_ipp_free_port() {
    /usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# The destination name CUPS gives a printer it finds on the network: its
# service name with each run of other characters than letters and digits
# as one "_".
test_ipp_queue_name() {
    local name
    name=$(printf '%s' "$1" | sed -E 's/[^A-Za-z0-9]+/_/g; s/^_//; s/_$//')
    printf '%s' "$name"
}

test_ipp_start_dnssd() {
    local dir=$1
    if avahi-daemon --check 2>/dev/null; then
        echo "Driverless test printers: using the avahi-daemon already running."
        return 0
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "No driverless test printers: no avahi-daemon runs, and starting one needs root." >&2
        return 1
    fi
    mkdir -p "$dir/dbus"
    cat >"$dir/dbus/system.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$dir/dbus/system_bus_socket</listen>
  <auth>EXTERNAL</auth>
  <!-- Only this run's own processes use this bus. -->
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_type="method_call"/>
    <allow send_type="signal"/>
    <allow send_type="method_return"/>
    <allow send_type="error"/>
    <allow receive_type="method_call"/>
    <allow receive_type="signal"/>
    <allow receive_type="method_return"/>
    <allow receive_type="error"/>
  </policy>
</busconfig>
EOF
    dbus-daemon --config-file="$dir/dbus/system.conf" --nofork --nopidfile >"$dir/dbus/log" 2>&1 &
    TEST_IPP_DBUS_PID=$!
    export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/dbus/system_bus_socket"
    local i
    for i in $(seq 50); do
        [ -S "$dir/dbus/system_bus_socket" ] && break
        sleep 0.1
    done

    cat >"$dir/avahi-daemon.conf" <<EOF
[server]
use-ipv4=yes
use-ipv6=no
allow-interfaces=lo
[wide-area]
enable-wide-area=no
[publish]
publish-hinfo=no
publish-workstation=no
EOF
    avahi-daemon -f "$dir/avahi-daemon.conf" --no-drop-root --no-chroot --no-rlimits >"$dir/avahi.log" 2>&1 &
    TEST_IPP_AVAHI_PID=$!
    for i in $(seq 100); do
        grep -q "Server startup complete" "$dir/avahi.log" && return 0
        kill -0 "$TEST_IPP_AVAHI_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "No driverless test printers: avahi-daemon did not start:" >&2
    cat "$dir/avahi.log" >&2
    return 1
}

# start_test_ipp <run_dir>: after start_test_cups. For each printer of
# TEST_IPP_PRINTERS, exports QUILLON_TEST_IPP_<key>_QUEUE (its queue made
# with -m everywhere), _TEMPORARY (the name CUPS lists it by from the
# network), _URI (the printer itself) and _SPOOL (where the printer keeps
# each document it receives, as <job id>-<name>.<pdf|urf|pwg>).
# QUILLON_TEST_IPP_REFUSING_QUEUE is a queue of a PageWide that lists the
# envelope sizes in its media database but not among its supported sizes
# (ipp-attributes.py --refusing): CUPS offers them, and the printer refuses
# every envelope job ("Unsupported media-col collection value"). It is not
# announced. Without ippeveprinter or DNS-SD, says so and exports nothing:
# the tests that need them skip.
start_test_ipp() {
    local dir=$1/ipp
    if ! command -v ippeveprinter >/dev/null || ! command -v avahi-daemon >/dev/null \
        || ! command -v dbus-daemon >/dev/null; then
        echo "No driverless test printers: ippeveprinter, avahi-daemon or dbus-daemon is missing." >&2
        return 0
    fi
    mkdir -p "$dir"
    test_ipp_start_dnssd "$dir" || { stop_test_ipp; return 0; }

    local entry key service answer port queue
    for entry in "${TEST_IPP_PRINTERS[@]}" "REFUSING -|hp-pagewide-mfp-p57750"; do
        key=${entry%% *}
        service=${entry#* }
        answer=${service#*|}
        service=${service%|*}
        local refusing=() announce=()
        if [ "$key" = REFUSING ]; then
            refusing=(--refusing)
            announce=(-r off)
            service="Quillon refusing test printer"
        fi
        mkdir -p "$dir/spool/$key"
        if ! /usr/bin/python3 "$QUILLON_ROOT/scripts/lib/ipp-attributes.py" "${refusing[@]}" \
            "$QUILLON_ROOT/tests/data/ipp-printers/$answer.txt" "$dir/$key.conf"; then
            echo "No driverless test printer $key: its attributes file could not be written." >&2
            continue
        fi
        port=$(test_ipp_free_port)
        ippeveprinter -v -k -n localhost -p "$port" -d "$dir/spool/$key" -a "$dir/$key.conf" "${announce[@]}" \
            "$service" >"$dir/$key.log" 2>&1 &
        TEST_IPP_PIDS+=($!)
        local uri="ipp://localhost:$port/ipp/print" i up=
        for i in $(seq 100); do
            # Listening is enough: ipptool's own test also judges the answer.
            if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
                up=1
                break
            fi
            sleep 0.1
        done
        if [ -z "$up" ]; then
            echo "No driverless test printer $key: ippeveprinter did not start; its log:" >&2
            tail -n 20 "$dir/$key.log" >&2
            continue
        fi
        queue=quillon-$(echo "$key" | tr '[:upper:]' '[:lower:]')
        if ! lpadmin -p "$queue" -E -v "$uri" -m everywhere 2>>"$dir/lpadmin.err"; then
            echo "No queue for the driverless test printer $key:" >&2
            cat "$dir/lpadmin.err" >&2
            continue
        fi
        export "QUILLON_TEST_IPP_${key}_QUEUE=$queue"
        [ "$key" = REFUSING ] && continue
        export "QUILLON_TEST_IPP_${key}_URI=$uri" "QUILLON_TEST_IPP_${key}_SPOOL=$dir/spool/$key"
        # Announced: CUPS lists it under this name once DNS-SD has it.
        local temporary
        temporary=$(test_ipp_queue_name "$service")
        for i in $(seq 100); do
            lpstat -e 2>/dev/null | grep -qx "$temporary" && break
            sleep 0.1
        done
        if lpstat -e 2>/dev/null | grep -qx "$temporary"; then
            export "QUILLON_TEST_IPP_${key}_TEMPORARY=$temporary"
        else
            echo "The driverless test printer $key is not listed from the network as $temporary." >&2
        fi
    done
}

stop_test_ipp() {
    local pid
    for pid in "${TEST_IPP_PIDS[@]}" $TEST_IPP_AVAHI_PID $TEST_IPP_DBUS_PID; do
        { kill "$pid" && wait "$pid"; } 2>/dev/null || true
    done
    TEST_IPP_PIDS=()
    TEST_IPP_AVAHI_PID=
    TEST_IPP_DBUS_PID=
    return 0
}
