# Helpers for end-to-end tests: a private X server, the real binary, real input
# through XTEST, and screenshots read at world points.
set -euo pipefail

E2E_TMP=$(mktemp -d)
XVFB_PID=""
TOWN_PID=""

e2e_cleanup() {
    [ -n "$TOWN_PID" ] && kill "$TOWN_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$E2E_TMP/town.out" ] && sed 's/^/town: /' "$E2E_TMP/town.out" >&2
    exit 1
}

TOWN=$(realpath "$TOWN")

# Starts Xvfb on a free display and exports DISPLAY.
start_x() {
    exec 3<> "$E2E_TMP/displayfd"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$E2E_TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
        if [ -s "$E2E_TMP/displayfd" ]; then break; fi
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$E2E_TMP/displayfd")"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# Starts the program in the temporary folder and waits for its graphics window.
start_town() {
    (cd "$E2E_TMP" && exec "$TOWN" >"$E2E_TMP/town.out" 2>&1) &
    TOWN_PID=$!
    WINDOW=$(timeout 20 xdotool search --sync --name "^DROVA Graphics$" | head -n1) ||
        fail "no graphics window"
    # The canvas is the bottom 601 x 501 of the window, under the menu bar.
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    CANVAS_X=$X
    CANVAS_Y=$((Y + HEIGHT - 501))
    sleep 1
}

# Pixel position on the screen of a world point.
screen_x() { echo $((CANVAS_X + 300 + $1)); }
screen_y() { echo $((CANVAS_Y + 250 - $1)); }

# Saves the 601 x 501 canvas as $1.
shoot() {
    import -window root -crop "601x501+${CANVAS_X}+${CANVAS_Y}" +repage "$1"
}

# Colour (RRGGBB) of world point ($2, $3) in screenshot $1.
pixel() {
    local px=$((300 + $2)) py=$((250 - $3))
    convert "$1" -format "%[hex:p{$px,$py}]" info: | cut -c1-6 | tr A-F a-f
}

expect_pixel() {
    local got
    got=$(pixel "$1" "$2" "$3")
    [ "$got" = "$4" ] || fail "world ($2, $3) is $got, expected $4 ($5)"
}

# How many pixels differ between two screenshots.
differing_pixels() {
    compare -metric AE "$1" "$2" null: 2>&1 || true
}

click_world() {
    xdotool mousemove "$(screen_x "$1")" "$(screen_y "$2")" click 1
    sleep 0.5
}

keys() {
    xdotool mousemove "$(screen_x 0)" "$(screen_y 0)"
    xdotool key --delay 50 "$@"
    sleep 0.5
}

# Waits for the program to end and checks its exit status.
expect_exit() {
    local status=0
    for _ in $(seq 1 100); do
        kill -0 "$TOWN_PID" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$TOWN_PID" 2>/dev/null && fail "the program did not end"
    wait "$TOWN_PID" || status=$?
    TOWN_PID=""
    [ "$status" = "$1" ] || fail "exit status $status, expected $1"
}
