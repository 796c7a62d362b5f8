#!/usr/bin/env bash
# Under a real window manager (openbox): both frames lie on the screen where they
# belong, the newest text-window line is visible, and a destroyed graphics window
# ends the program.
TOWN=$1
source "$(dirname "$0")/e2e_lib.sh"
S=$E2E_TMP

start_x
openbox >"$S/openbox.log" 2>&1 &
WM_PID=$!
trap 'kill $WM_PID 2>/dev/null; e2e_cleanup' EXIT
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_until "openbox" "$S/openbox.log" "$WM_PID" wm_running

# A window's client area as "x y width height" on the screen (xwininfo: xdotool counts
# a reparented window's offset twice).
client_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}'
}

# The frame of a window as "x y width height top", decorations included.
frame_of() {
    local extents left right top bottom x y w h
    read -r x y w h <<<"$(client_of "$1")"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ',')
    read -r left right top bottom <<<"${extents:-0 0 0 0}"
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom)) $top"
}

start_town
TEXT=$TEXT_WINDOW
# Managed: openbox has framed both windows and put them in their places.
framed() { xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '= '; }
wait_until "openbox's frame of the graphics window" "$S/openbox.log" "$WM_PID" framed "$WINDOW"
wait_until "openbox's frame of the text window" "$S/openbox.log" "$WM_PID" framed "$TEXT"

read -r gx gy gw gh gtop <<<"$(frame_of "$WINDOW")"
[ "$gtop" -gt 0 ] || fail "openbox put no frame around the graphics window"
[ "$gx $gy" = "0 0" ] || fail "graphics frame at ($gx, $gy), expected (0, 0)"
read -r _ _ gcw _ <<<"$(client_of "$WINDOW")"
[ "$gcw" = 601 ] || fail "graphics client width $gcw, expected 601"

# The text window's frame is the bottom third of the 1280 x 1024 screen:
# x 0, y 2 * 1024 / 3 + 1 = 683, width 1280, height 1024 / 3 = 341.
read -r tx ty tw th ttop <<<"$(frame_of "$TEXT")"
[ "$ttop" -gt 0 ] || fail "openbox put no frame around the text window"
[ "$tx $ty $tw $th" = "0 683 1280 341" ] || fail "text frame $tx $ty ${tw}x$th, expected 0 683 1280x341"

# A single message is the newest line, at the bottom of the text window: on the screen.
keys ctrl+p  # no DROVA.SCR here: "Cannot open script file DROVA.SCR for reading"
bottom_line_shown() {
    import -window root -crop 1280x24+0+1000 +repage "$S/bottom.png" &&
        ink=$(convert "$S/bottom.png" -threshold 50% -negate -format '%[fx:mean*w*h]' info:) &&
        [ "${ink%.*}" -gt 20 ]
}
wait_until "the newest line at the bottom of the screen" "$S/town.out" "$TOWN_PID" bottom_line_shown

# Destroyed by another program, the graphics window ends the program as Quit does.
keys ctrl+a ctrl+r  # the failed playback halted the animation
sleep 0.5
xdotool windowclose "$WINDOW"
expect_exit 0
grep -qxE 'DROVA_PERIODIC\([1-9][0-9]*\);' "$S/DROVA.SCR" || fail "the pending run was not written"
echo "window manager end-to-end: all checks passed"
