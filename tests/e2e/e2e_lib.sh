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
source "$(dirname "${BASH_SOURCE[0]}")/wait_lib.sh"

# Starts Xvfb on a free display, waits until it answers and exports DISPLAY.
start_x() {
    start_x_server "$E2E_TMP" -screen 0 1280x1024x24
    export DISPLAY=$X_DISPLAY
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# Starts the program in the temporary folder and waits until it is drawn. TOWN_LAUNCHER,
# when set, starts it (wine for a Windows program).
start_town() {
    # shellcheck disable=SC2086  # the launcher's words
    (cd "$E2E_TMP" && exec ${TOWN_LAUNCHER:-} "$TOWN" >"$E2E_TMP/town.out" 2>&1) &
    TOWN_PID=$!
    wait_for_town
}

# Waits until the program started as TOWN_PID shows both its windows and has drawn
# the town; sets WINDOW and TEXT_WINDOW, and the canvas's place on the screen.
wait_for_town() {
    wait_until "the program's windows" "$E2E_TMP/town.out" "$TOWN_PID" town_drawn
}

town_drawn() {
    WINDOW=$(xdotool search --onlyvisible --name '^DROVA Graphics$' 2>/dev/null | head -n1)
    TEXT_WINDOW=$(xdotool search --onlyvisible --name '^DROVA Text$' 2>/dev/null | head -n1)
    [ -n "$WINDOW" ] && [ -n "$TEXT_WINDOW" ] && canvas_place || return 1
    # A lawn of the park, drawn from the first tick on.
    shoot "$E2E_TMP/first.png" 2>/dev/null && [ "$(pixel "$E2E_TMP/first.png" -250 200)" = 006633 ]
}

# The canvas is the bottom 601 x 501 of the graphics window's client area, under the
# menu bar (xwininfo: xdotool counts a reparented window's offset twice).
canvas_place() {
    local x y height
    read -r x y height <<<"$(xwininfo -id "$WINDOW" 2>/dev/null | awk '/Absolute upper-left X/ {x=$NF}
        /Absolute upper-left Y/ {y=$NF} /^ *Height:/ {h=$NF} END {print x, y, h}')"
    [ -n "$height" ] || return 1
    CANVAS_X=$x
    CANVAS_Y=$((y + height - 501))
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
    wait_until "the program's end" "$E2E_TMP/town.out" "" town_ended
    local status=0
    wait "$TOWN_PID" || status=$?
    TOWN_PID=""
    [ "$status" = "$1" ] || fail "exit status $status, expected $1"
}
town_ended() { ! kill -0 "$TOWN_PID" 2>/dev/null; }

# The picture stays the same over most of a second: halted.
picture_still() {
    shoot "$E2E_TMP/halt1.png" && sleep 0.8 && shoot "$E2E_TMP/halt2.png" &&
        [ "$(differing_pixels "$E2E_TMP/halt1.png" "$E2E_TMP/halt2.png")" = 0 ]
}

# The text window's strip of the screen from row $1 down holds drawn lines of the log.
log_shown_from() {  # the strip's top row on the screen
    import -window root -crop "600x60+0+$1" +repage "$E2E_TMP/text.png" &&
        [ "$(convert "$E2E_TMP/text.png" -format %k info:)" -gt 1 ]
}

# Waits until world point ($1, $2) of the canvas on the screen shows colour $3.
expect_pixel_soon() {  # x, y, colour, what
    wait_until "$4: world ($1, $2) is not $3" "$E2E_TMP/town.out" "$TOWN_PID" pixel_now_is "$@"
}
pixel_now_is() { shoot "$E2E_TMP/now.png" && [ "$(pixel "$E2E_TMP/now.png" "$1" "$2")" = "$3" ]; }
