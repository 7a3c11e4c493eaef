# A print server of the test run's own, so that the printing tests hand
# real jobs to CUPS without touching the machine's print server or its
# default printer. Everything it keeps lives in one folder of the run.
# shellcheck shell=bash

TEST_CUPS_PID=
TEST_CUPS_QUEUE=quillon-test
TEST_CUPS_EDGES_QUEUE=quillon-edges
TEST_CUPS_FAILING_QUEUE=quillon-fails
# Queues made from Debian's own vendor printer descriptions (PPDs), by
# model name: "queue model". Each writes what its driver makes (PostScript)
# to <queue>.out in the server's folder, one job at a time.
TEST_CUPS_VENDOR_QUEUES=(
    "quillon-hp2250 postscript-hp:0/ppd/hplip/HP/hp-business_inkjet_2250-ps.ppd"
    "quillon-hp4250 postscript-hp:0/ppd/hplip/HP/hp-laserjet_4250-ps.ppd"
    "quillon-fs1000 openprinting-ppds:0/ppd/openprinting/Kyocera/en/Kyocera_FS-1000_en.ppd"
    "quillon-fs2100dn openprinting-ppds:0/ppd/openprinting/Kyocera/en/Kyocera_FS-2100DN.ppd"
    "quillon-hl5250dn openprinting-ppds:0/ppd/openprinting/Brother/BR5250_2_GPL.ppd"
    "quillon-m604 postscript-hp:0/ppd/hplip/HP/hp-laserjet_m604_m605_m606-ps.ppd"
    "quillon-c734 openprinting-ppds:0/ppd/openprinting/Lexmark/Lexmark_C734.ppd"
)

# start_test_cups <run_dir>: starts cupsd on a socket inside <run_dir>/cups,
# creates the queue "$TEST_CUPS_QUEUE" (it writes to /dev/null and keeps
# each document in the spool) and makes it that server's default. Exports
# CUPS_SERVER (libcups and Qt's print support honour it),
# QUILLON_TEST_CUPS_SPOOL (where CUPS keeps each job's document as
# d<job id, 5 digits>-001) and QUILLON_TEST_CUPS_QUEUE.
# A second queue, "$TEST_CUPS_EDGES_QUEUE", is a printer with unequal
# unprintable edges (tests/data/unequal-edges.ppd): CUPS's own filters
# (cups-filters) turn each page onto its media and write the result to
# QUILLON_TEST_CUPS_EDGES_OUTPUT, one job at a time. The vendor queues of
# TEST_CUPS_VENDOR_QUEUES whose model is installed are made too, writing
# into the folder QUILLON_TEST_CUPS_VENDOR_OUTPUT; a missing model is said
# and skipped. QUILLON_TEST_CUPS_FAILING_QUEUE names a queue whose jobs CUPS
# takes and then stops.
start_test_cups() {
    local dir=$1/cups
    # CUPS runs its filters as an unprivileged user, who must reach the spool.
    chmod go+x "$1"
    mkdir -p "$dir"/etc/ppd "$dir"/spool/tmp "$dir"/cache "$dir"/state "$dir"/log

    cat >"$dir/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
FileDevice Yes
EOF
    if [ "$(id -u)" -ne 0 ]; then
        # Not root: the server cannot switch users, so it runs its helpers
        # as whoever runs the tests.
        echo "User $(id -un)" >>"$dir/cups-files.conf"
        echo "Group $(id -gn)" >>"$dir/cups-files.conf"
    fi

    cat >"$dir/cupsd.conf" <<EOF
Listen $dir/cups.sock
PreserveJobFiles Yes
PreserveJobHistory Yes
Browsing No
WebInterface No
DefaultAuthType None
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
# Every operation, for everyone: an empty policy would refuse them all.
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF

    /usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
    TEST_CUPS_PID=$!

    # The client side: this server only, whatever the user's own settings
    # (a PRINTER or LPDEST variable, lpoptions, client.conf) say.
    export CUPS_SERVER="$dir/cups.sock" CUPS_SERVERROOT="$dir/etc"
    unset PRINTER LPDEST

    local i up=
    for i in $(seq 100); do
        # lpstat's exit code says nothing about the scheduler; its text does.
        if lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
            up=1
            break
        fi
        kill -0 "$TEST_CUPS_PID" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$up" ]; then
        echo "Could not start the test print server; its log:" >&2
        cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
        stop_test_cups
        return 1
    fi

    # A queue without a driver: CUPS warns that these are deprecated.
    if ! lpadmin -p "$TEST_CUPS_QUEUE" -E -v file:///dev/null 2>"$dir/log/lpadmin.err" \
        || ! lpadmin -d "$TEST_CUPS_QUEUE" 2>>"$dir/log/lpadmin.err" \
        || ! lpadmin -p "$TEST_CUPS_EDGES_QUEUE" -E -v "file://$dir/edges.pdf" -o printer-error-policy=abort-job \
                     -P "$QUILLON_ROOT/tests/data/unequal-edges.ppd" 2>>"$dir/log/lpadmin.err"; then
        echo "Could not create the test print queue:" >&2
        cat "$dir/log/lpadmin.err" >&2
        stop_test_cups
        return 1
    fi
    # A queue whose jobs CUPS takes and then stops: its device cannot be
    # written (a queue without a driver would count them completed).
    lpadmin -p "$TEST_CUPS_FAILING_QUEUE" -E -v "file:///nonexistent/$TEST_CUPS_FAILING_QUEUE.out" \
        -o printer-error-policy=abort-job -P "$QUILLON_ROOT/tests/data/unequal-edges.ppd" 2>>"$dir/log/lpadmin.err" \
        || echo "No failing test queue $TEST_CUPS_FAILING_QUEUE." >&2
    local entry queue model
    for entry in "${TEST_CUPS_VENDOR_QUEUES[@]}"; do
        read -r queue model <<<"$entry"
        lpadmin -p "$queue" -E -v "file://$dir/$queue.out" -o printer-error-policy=abort-job -m "$model" \
            2>>"$dir/log/lpadmin.err" || echo "No test queue $queue: the model $model is not installed." >&2
    done
    export QUILLON_TEST_CUPS_SPOOL="$dir/spool" QUILLON_TEST_CUPS_QUEUE="$TEST_CUPS_QUEUE" \
           QUILLON_TEST_CUPS_VENDOR_OUTPUT="$dir" QUILLON_TEST_CUPS_FAILING_QUEUE="$TEST_CUPS_FAILING_QUEUE" \
           QUILLON_TEST_CUPS_EDGES_QUEUE="$TEST_CUPS_EDGES_QUEUE" QUILLON_TEST_CUPS_EDGES_OUTPUT="$dir/edges.pdf"
}

stop_test_cups() {
    if [ -n "$TEST_CUPS_PID" ]; then
        kill "$TEST_CUPS_PID" 2>/dev/null && wait "$TEST_CUPS_PID" 2>/dev/null
    fi
    TEST_CUPS_PID=
    return 0
}
