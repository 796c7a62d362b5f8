#!/usr/bin/env bash
# The real program under Xvfb: windows, buttons, shortcuts, the text window and quit.
# Usage: town_e2e.sh path/to/town
TOWN=$1
source "$(dirname "$0")/e2e_lib.sh"

start_x
start_town
S=$E2E_TMP

shoot "$S/start.png"
expect_pixel "$S/start.png" 93 -230 cccccc "heavy button, beside its frame"
expect_pixel "$S/start.png" -250 200 006633 "a lawn"
expect_pixel "$S/start.png" -190 -90 99ffff "the pond"
expect_pixel "$S/start.png" 195 -230 808080 "the light button's selection frame"
expect_pixel "$S/start.png" -280 -236 ffffff "no mode label at start"

# Animating: the selected label flickers and the helicopter flies.
changes=0
prev="$S/start.png"
for i in 1 2 3 4; do
    sleep 0.3
    shoot "$S/anim$i.png"
    [ "$(differing_pixels "$prev" "$S/anim$i.png")" != 0 ] && changes=$((changes + 1))
    prev="$S/anim$i.png"
done
[ "$changes" -ge 2 ] || fail "the picture does not animate"

# Ctrl+L: the drawing log fills the text window.
keys ctrl+l
wait_until "the text window's log lines" "$S/town.out" "$TOWN_PID" log_shown_from 960
keys ctrl+l

# Ctrl+H: halted, nothing changes any more (once the key is taken).
keys ctrl+h
wait_until "a halted picture (it still changes)" "$S/town.out" "$TOWN_PID" picture_still

# Ctrl+F: exactly one more frame.
keys ctrl+f
next_frame() { shoot "$S/frame1.png" && [ "$(differing_pixels "$S/halt2.png" "$S/frame1.png")" != 0 ]; }
wait_until "the frame of Ctrl+F" "$S/town.out" "$TOWN_PID" next_frame
sleep 0.8
shoot "$S/frame2.png"
[ "$(differing_pixels "$S/frame1.png" "$S/frame2.png")" = 0 ] || fail "Ctrl+F went on animating"

# A click on each button selects it and shows the mode label.
click_world 150 -230
expect_pixel_soon 95 -230 808080 "the heavy button's selection frame"
shoot "$S/heavy.png"
expect_pixel "$S/heavy.png" 195 -230 cccccc "no frame on the light button"
label=$(convert "$S/heavy.png" -crop 120x16+10+478 +repage -format %k info:)
[ "$label" -gt 1 ] || fail "no mode label after the click"

click_world 250 -230
expect_pixel_soon 195 -230 808080 "the light button's selection frame"
shoot "$S/light.png"
expect_pixel "$S/light.png" 95 -230 cccccc "no frame on the heavy button"

# Ctrl+Q ends the program with status 0.
keys ctrl+q
expect_exit 0
echo "town end-to-end: all checks passed"
