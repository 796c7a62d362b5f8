#!/usr/bin/env bash
# Recording and playback in the real program: record a click on "Heavy Traffic" and a
# key with Ctrl+R, check DROVA.SCR, change the mode, play the script back with Ctrl+P
# and see the click's effect come back.
TOWN=$1
source "$(dirname "$0")/e2e_lib.sh"

start_x
start_town
S=$E2E_TMP

keys ctrl+r
sleep 0.8
click_world 150 -230
expect_pixel_soon 95 -230 808080 "the heavy button's selection frame"
shoot "$S/recorded.png"
xdotool key k
sleep 0.8
keys ctrl+r

script="$S/DROVA.SCR"
# Stopped: the ticks after the key are the last line.
wait_until "the end of the recording" "$S/town.out" "$TOWN_PID" \
    sh -c 'tail -n1 "$1" | grep -qE "^DROVA_PERIODIC"' - "$script"
[ -f "$script" ] || fail "no DROVA.SCR after recording"
sed 's/^/DROVA.SCR: /' "$script"
lines=$(grep -v '^$' "$script")
mouse=$(printf '%s\n' "$lines" | grep -n '^DROVA_MOUSE' | cut -d: -f1)
kbd=$(printf '%s\n' "$lines" | grep -n '^DROVA_KBD' | cut -d: -f1)
printf '%s\n' "$lines" | grep -qx 'DROVA_MOUSE(150, -230);' || fail "no line for the click at (150, -230)"
printf '%s\n' "$lines" | grep -qx 'DROVA_KBD(107);' || fail "no line for the key k"
[ "$mouse" -lt "$kbd" ] || fail "the click and the key are out of order"
bad=$(printf '%s\n' "$lines" | grep -vxE 'DROVA_(MOUSE\(-?[0-9]+, -?[0-9]+\)|KBD\(-?[0-9]+\)|PERIODIC\([1-9][0-9]*\));' || true)
[ -z "$bad" ] || fail "unexpected lines: $bad"
printf '%s\n' "$lines" | head -n1 | grep -q '^DROVA_PERIODIC' || fail "the ticks before the click were not recorded"
printf '%s\n' "$lines" | tail -n1 | grep -q '^DROVA_PERIODIC' || fail "the ticks after the key were not written on stop"

# Another mode, then the script brings the heavy selection back.
click_world 250 -230
expect_pixel_soon 195 -230 808080 "the light button's selection frame"
keys ctrl+p
expect_pixel_soon 95 -230 808080 "the heavy selection frame after playback"
shoot "$S/replayed.png"
expect_pixel "$S/replayed.png" 95 -230 808080 "the heavy selection frame after playback"
expect_pixel "$S/replayed.png" 195 -230 cccccc "no light selection frame after playback"
label() { convert "$1" -crop 100x14+10+477 +repage "$2"; }
label "$S/recorded.png" "$S/label1.png"
label "$S/replayed.png" "$S/label2.png"
[ "$(differing_pixels "$S/label1.png" "$S/label2.png")" = 0 ] || fail "the mode label did not come back"

keys ctrl+q
expect_exit 0
echo "script end-to-end: all checks passed"
