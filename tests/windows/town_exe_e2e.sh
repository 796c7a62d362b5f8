#!/usr/bin/env bash
# town.exe under Wine on the Windows tests' display (with openbox), driven as the Linux end-to-end tests drive
# town: both windows and their titles, the buttons, the shortcuts and the menu, the text
# window's log, one frame, halted without CPU, recording and playback with DROVA.SCR in
# the working folder, Ctrl+Q with status 0, a log-off that leaves the recording
# complete, the second display's -1, the input dialog answered by typing, and at 192 DPI
# the picture twice as large with clicks on the same world points.
# Usage: town_exe_e2e.sh town.exe end_session.exe two_displays.exe asks.exe
#   (WINEPREFIX names the prefix, and the display, that wine_prefix.sh made)
TOWN=$(realpath "$1")
END_SESSION=$(realpath "$2")
TWO_DISPLAYS=$(realpath "$3")
ASKS=$(realpath "$4")
HERE=$(dirname "$(realpath "$0")")
UNDER_WINE="bash $HERE/under_wine.sh"
TOWN_LAUNCHER=$UNDER_WINE
source "$HERE/../e2e/e2e_lib.sh"
S=$E2E_TMP
: "${WINEPREFIX:?the Wine prefix of the tests}"
read -r DISPLAY <"$WINEPREFIX.stage/display" || fail "the tests' display is not up (wine_prefix.sh)"
export DISPLAY
SCREEN_HEIGHT=$(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[2]}')

began=$(date +%s%N)
start_town
echo "both windows are up: DROVA Graphics and DROVA Text, the town drawn $((($(date +%s%N) - began) / 1000000)) ms after the start"
shoot "$S/start.png"
expect_pixel "$S/start.png" 93 -230 cccccc "heavy button, beside its frame"
expect_pixel "$S/start.png" -250 200 006633 "a lawn"
expect_pixel "$S/start.png" -190 -90 99ffff "the pond"
expect_pixel "$S/start.png" 195 -230 808080 "the light button's selection frame"

# Animating: the picture changes from tick to tick.
animates() {
    shoot "$S/a1.png" && sleep 0.3 && shoot "$S/a2.png" &&
        [ "$(differing_pixels "$S/a1.png" "$S/a2.png")" != 0 ]
}
wait_until "an animated picture" "$S/town.out" "$TOWN_PID" animates

# Ctrl+L: the drawing log fills the text window, its newest line at the bottom.
keys ctrl+l
wait_until "the text window's log lines" "$S/town.out" "$TOWN_PID" log_shown_from $((SCREEN_HEIGHT - 64))
keys ctrl+l

# Ctrl+H: halted, the picture stays, and the program waits without using the CPU.
keys ctrl+h
wait_until "a halted picture (it still changes)" "$S/town.out" "$TOWN_PID" picture_still
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
before=$(cpu_ticks "$TOWN_PID")
sleep 5
used=$(($(cpu_ticks "$TOWN_PID") - before))
hz=$(getconf CLK_TCK)
# Under 1 % of a core over 5 s.
[ $((used * 100)) -lt $((hz * 5)) ] || fail "halted, town.exe used $used of $((hz * 5)) clock ticks in 5 s"
echo "halted: town.exe used $used clock ticks of $((hz * 5)) in 5 s"

# Ctrl+F: exactly one more frame.
keys ctrl+f
next_frame() { shoot "$S/frame1.png" && [ "$(differing_pixels "$S/halt2.png" "$S/frame1.png")" != 0 ]; }
wait_until "the frame of Ctrl+F" "$S/town.out" "$TOWN_PID" next_frame
sleep 0.8
shoot "$S/frame2.png"
[ "$(differing_pixels "$S/frame1.png" "$S/frame2.png")" = 0 ] || fail "Ctrl+F went on animating"

# Ctrl+A animates again; halted once more, the menu by the keyboard does: Alt+R opens
# "Run", A animates.
keys ctrl+a
wait_until "animation by Ctrl+A" "$S/town.out" "$TOWN_PID" animates
keys ctrl+h
wait_until "a halted picture before the menu" "$S/town.out" "$TOWN_PID" picture_still
# A key that comes before the menu is open is typed into the town instead: tried again.
from_the_menu() { xdotool key alt+r && sleep 0.3 && xdotool key a && animates; }
wait_until "animation chosen from the menu" "$S/town.out" "$TOWN_PID" from_the_menu

# A click on each button selects it.
click_world 150 -230
expect_pixel_soon 95 -230 808080 "the heavy button's selection frame"
click_world 250 -230
expect_pixel_soon 195 -230 808080 "the light button's selection frame"

# Ctrl+R: a click and a key recorded into DROVA.SCR in the working folder, in whole
# lines with Linux's line ends; Ctrl+P plays the click back.
script="$S/DROVA.SCR"
keys ctrl+r
sleep 0.8
click_world 150 -230
expect_pixel_soon 95 -230 808080 "the heavy button's selection frame while recording"
xdotool key k
sleep 0.8
keys ctrl+r
wait_until "the end of the recording" "$S/town.out" "$TOWN_PID" \
    sh -c 'tail -n1 "$1" | grep -qE "^DROVA_PERIODIC"' - "$script"
grep -qx 'DROVA_MOUSE(150, -230);' "$script" || fail "no line for the click: $(cat "$script")"
grep -qx 'DROVA_KBD(107);' "$script" || fail "no line for the key k: $(cat "$script")"
! grep -q $'\r' "$script" || fail "DROVA.SCR has CRLF line ends"
click_world 250 -230
expect_pixel_soon 195 -230 808080 "the light button's selection frame before playback"
keys ctrl+p
expect_pixel_soon 95 -230 808080 "the heavy selection frame after playback"
# Ctrl+O: the script one event at a time, until its click selects the heavy button again.
click_world 250 -230
expect_pixel_soon 195 -230 808080 "the light button's selection frame before Play One"
heavy_after_one_more() { keys ctrl+o && pixel_now_is 95 -230 808080; }
wait_until "the recorded click by Ctrl+O, one event at a time" "$S/town.out" "$TOWN_PID" heavy_after_one_more

# Ctrl+Q ends the program with status 0.
keys ctrl+q
expect_exit 0
echo "the shortcuts, the menu, the buttons, the log, recording and playback: passed"

# A log-off while recording: the program agrees, and DROVA.SCR is complete.
rm -f "$script"
start_town
keys ctrl+r
sleep 0.8
click_world 150 -230
expect_pixel_soon 95 -230 808080 "the heavy button's selection frame before the log-off"
sleep 0.5
(cd "$S" && $UNDER_WINE "$END_SESSION" "DROVA Graphics") >"$S/end_session.out" 2>&1 ||
    fail "the log-off: $(cat "$S/end_session.out")"
grep -qx 'DROVA_MOUSE(150, -230);' "$script" || fail "the log-off lost the click: $(cat "$script")"
tail -n1 "$script" | grep -qE '^DROVA_PERIODIC\([0-9]+\);$' ||
    fail "the recording was not closed at the log-off: $(tail -n2 "$script")"
wait_until "the program's end at the log-off" "$S/town.out" "" town_ended
TOWN_PID=""
echo "log-off: $(cat "$S/end_session.out"); DROVA.SCR holds $(wc -l <"$script") whole lines"

# A dialog of the library's, answered with Return or by typing.
dialog_up() { xdotool search --onlyvisible --name '^DROVA_gets$' >/dev/null 2>&1; }
# The dialog has the keyboard: openbox gives it the focus when asked.
focus_dialog() {
    local dialog
    dialog=$(xdotool search --onlyvisible --name '^DROVA_gets$' | head -n1)
    xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus "$dialog" 2>/dev/null || true
}
TOWN=$TWO_DISPLAYS
(cd "$S" && exec $UNDER_WINE "$TOWN" >"$S/town.out" 2>&1) &
TOWN_PID=$!
wait_until "the second display's message" "$S/town.out" "$TOWN_PID" dialog_up
focus_dialog
xdotool key Return
expect_exit 255
echo "a second display: the message, then status -1 (255 as Linux sees it)"

TOWN=$ASKS
(cd "$S" && exec $UNDER_WINE "$TOWN" >"$S/town.out" 2>&1) &
TOWN_PID=$!
wait_until "the input dialog" "$S/town.out" "$TOWN_PID" dialog_up
focus_dialog
xdotool type --delay 60 "Zoe at home"
xdotool key Return
expect_exit 0
[ "$(cat "$S/answer.txt")" = "1 [Zoe at home]" ] || fail "the dialog answered: $(cat "$S/answer.txt")"
echo "the input dialog took the typed answer and Return"

# 192 DPI: the picture at twice its size, clicks on the same world points.
# Wine reads the monitors' DPI once a session (Wine 10; Wine 8 at every start): the
# prefix's server is ended after the change, which no other test's program runs beside.
set_dpi() {
    $UNDER_WINE reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -k 2>/dev/null
    timeout "$TOWN_WAIT_SECONDS" wineserver -w 2>/dev/null
}
set_dpi 192
trap 'set_dpi 96; e2e_cleanup' EXIT
TOWN=$(realpath "$1")
scaled_town() {
    WINDOW=$(xdotool search --onlyvisible --name '^DROVA Graphics$' 2>/dev/null | head -n1)
    [ -n "$WINDOW" ] || return 1
    local x y w h
    read -r x y w h <<<"$(xwininfo -id "$WINDOW" | awk '/Absolute upper-left X/ {x=$NF}
        /Absolute upper-left Y/ {y=$NF} /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}')"
    [ "$w" = 1202 ] || return 1
    CANVAS_X=$x
    CANVAS_Y=$((y + h - 1002))
    import -window root -crop "1202x1002+${CANVAS_X}+${CANVAS_Y}" +repage "$S/big.png" 2>/dev/null &&
        [ "$(big_pixel -250 200)" = 006633 ]
}
big_pixel() {  # world x, y in the picture shown at twice its size
    convert "$S/big.png" -format "%[hex:p{$((2 * (300 + $1))),$((2 * (250 - $2)))}]" info: | cut -c1-6 | tr A-F a-f
}
(cd "$S" && exec $UNDER_WINE "$TOWN" >"$S/town.out" 2>&1) &
TOWN_PID=$!
wait_until "the town at 192 DPI, 1202 pixels wide" "$S/town.out" "$TOWN_PID" scaled_town
[ "$(big_pixel -190 -90)" = 99ffff ] || fail "at 192 DPI the pond is $(big_pixel -190 -90)"
xdotool mousemove $((CANVAS_X + 2 * (300 + 150))) $((CANVAS_Y + 2 * (250 + 230))) click 1
heavy_selected() {
    import -window root -crop "1202x1002+${CANVAS_X}+${CANVAS_Y}" +repage "$S/big.png" &&
        [ "$(big_pixel 95 -230)" = 808080 ]
}
wait_until "the heavy button selected by a click at 192 DPI" "$S/town.out" "$TOWN_PID" heavy_selected
xdotool key ctrl+q
expect_exit 0
echo "192 DPI: the picture at twice its size, a click on the same world point"
echo "town.exe end-to-end under Wine: all checks passed"
