# Waiting for what a test starts. Each start is waited for by a sign that it is ready
# (a display number written by the server just started, a server that answers, a
# window that exists), for at most TOWN_WAIT_SECONDS (60 unless set: room for a slow
# or busy machine). A wait that runs out ends the test at once, naming what did not
# come up and showing the tail of its log. Sets no shell options of its own.

: "${TOWN_WAIT_SECONDS:=60}"

# Says what went wrong and shows the last lines of a log, then ends the test.
fail_with_log() {  # message, log file ("" for none)
    echo "FAIL: $1" >&2
    if [ -n "$2" ] && [ -s "$2" ]; then
        echo "-- the last lines of $2:" >&2
        tail -n 20 "$2" | sed 's/^/   /' >&2
    fi
    exit 1
}

# Runs a check every tenth of a second until it holds. Ends the test when the time is
# up, or at once when the process that was to get ready has ended.
wait_until() {  # what, log ("" for none), pid ("" for none), check command...
    local what=$1 log=$2 pid=$3
    shift 3
    local deadline=$((SECONDS + TOWN_WAIT_SECONDS))
    until "$@"; do
        if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
            fail_with_log "$what: it ended before it was ready" "$log"
        fi
        [ "$SECONDS" -lt "$deadline" ] || fail_with_log "$what: not ready within $TOWN_WAIT_SECONDS s" "$log"
        sleep 0.1
    done
}

# A whole display number in the file (the server writes it as one line).
display_number_in() {  # file
    local number
    read -r number 2>/dev/null <"$1" && [[ $number =~ ^[0-9]+$ ]]
}

# The X server on the display answers: it lets us in, or it refuses with a reason (a
# server that wants authorization), which the X library prints before it gives up.
x_answers() {  # display
    local out
    out=$(xdpyinfo -display "$1" 2>&1 >/dev/null) && return 0
    grep -v 'unable to open display' <<<"$out" | grep -q .
}

X_STARTS=0
# Starts Xvfb on a display it picks itself and waits until it answers there. Each
# start has a display-number file and a log of its own, made new, so that nothing of
# an earlier server is read. -noreset: the server would otherwise reset when the check
# (its first client) leaves, and refuse the next one meanwhile. Sets XVFB_PID,
# X_DISPLAY (":N") and X_LOG.
start_x_server() {  # folder, extra Xvfb arguments...
    local dir=$1
    shift
    X_STARTS=$((X_STARTS + 1))
    local number_file=$dir/display.$X_STARTS
    X_LOG=$dir/xvfb.$X_STARTS.log
    X_DISPLAY=""
    Xvfb -displayfd 3 -nolisten tcp -noreset "$@" 3>"$number_file" >"$X_LOG" 2>&1 &
    XVFB_PID=$!
    wait_until "Xvfb (its display number)" "$X_LOG" "$XVFB_PID" display_number_in "$number_file"
    X_DISPLAY=":$(head -n1 "$number_file")"
    wait_until "the X server on $X_DISPLAY" "$X_LOG" "$XVFB_PID" x_answers "$X_DISPLAY"
}
