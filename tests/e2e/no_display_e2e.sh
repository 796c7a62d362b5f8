#!/usr/bin/env bash
# Without a usable display the program says why in one line, status 1, instead of
# Qt's abort: whatever is wrong with the display.
TOWN=$(realpath "$1")
set -u
# The authorization case needs xauth to write the server's cookie: without it the
# server would let anyone in, and the case would fail for another reason.
for tool in Xvfb xauth; do
    command -v $tool >/dev/null || { echo "FAIL: $tool is missing (bash scripts/setup.sh installs it)"; exit 1; }
done
dir=$(mktemp -d)
XVFB_PID=""
trap '[ -n "$XVFB_PID" ] && kill $XVFB_PID 2>/dev/null; rm -rf "$dir"' EXIT
failures=0
checks=0

expect_one_line() {  # what, words the line must hold, env assignments...
    local what=$1 words=$2
    shift 2
    local out status
    out=$(cd "$dir" && timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$TOWN" 2>&1)
    status=$?
    checks=$((checks + 1))
    if [ "$status" != 1 ] || [ "$(printf '%s\n' "$out" | wc -l)" != 1 ] ||
        [[ "$out" != "town: cannot open its windows: "*"$words"* ]]; then
        echo "FAIL: $what: status $status, output: $out"
        failures=$((failures + 1))
    fi
}

expect_one_line "no DISPLAY" "DISPLAY is not set"
expect_one_line "Wayland only" "needs X" WAYLAND_DISPLAY=wayland-0 XDG_RUNTIME_DIR="$dir"
expect_one_line "no server on :97531" "no X server answers on display :97531" DISPLAY=:97531

# A stale socket: the socket file of a server that is gone, nobody listening.
stale=$(for n in $(seq 4700 4799); do [ -e "/tmp/.X11-unix/X$n" ] || { echo "$n"; break; }; done)
mkdir -p /tmp/.X11-unix
python3 -c "import socket; s = socket.socket(socket.AF_UNIX); s.bind('/tmp/.X11-unix/X$stale')"
expect_one_line "stale socket" "no X server answers on display :$stale" DISPLAY=":$stale"
rm -f "/tmp/.X11-unix/X$stale"
expect_one_line "unix:99" "no X server answers on display unix:99" DISPLAY=unix:99
for tcp in localhost:42 127.0.0.1:57 nohost.invalid:0; do
    expect_one_line "TCP display $tcp" "no X server answers on display $tcp" DISPLAY=$tcp
done
expect_one_line "not a display name" "is not a display name" DISPLAY=garbage

# A live server: a screen it does not have, and a server that wants authorization.
source "$(dirname "$0")/wait_lib.sh"
start_server() {  # extra Xvfb arguments...
    start_x_server "$dir" "$@"
    NUMBER=${X_DISPLAY#:}
}
stop_server() { kill "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=""; }

start_server
expect_one_line "no screen 5" "has no such screen" DISPLAY=":$NUMBER.5"
stop_server

if ! printf 'add :0 MIT-MAGIC-COOKIE-1 %s\n' "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')" |
    xauth -f "$dir/server.auth" -q source - 2>"$dir/xauth.err" || [ ! -s "$dir/server.auth" ]; then
    echo "FAIL: xauth wrote no authorization file for the X server: $(cat "$dir/xauth.err")"
    exit 1
fi
start_server -auth "$dir/server.auth"
expect_one_line "authorization refused" "refused the connection" DISPLAY=":$NUMBER" XAUTHORITY="$dir/none"
stop_server

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" = 0 ]
