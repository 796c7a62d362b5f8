#!/usr/bin/env bash
# Every way the real program can end keeps the recording, and odd script files
# never hang it: signals, the X connection lost, a killed client, a destroyed
# window, a full disk, a FIFO and a device.
TOWN=$1
source "$(dirname "$0")/e2e_lib.sh"
S=$E2E_TMP
SCRIPT=$S/DROVA.SCR

# Records some ticks, a click on "Heavy Traffic" and more ticks, then leaves the
# recording running. The pauses are ticks to record; the click is waited for in the file.
record_ticks_click_ticks() {
    rm -f "$SCRIPT"
    keys ctrl+r
    sleep 0.6
    click_world 150 -230
    wait_until "the recorded click" "$S/town.out" "$TOWN_PID" grep -qsx 'DROVA_MOUSE(150, -230);' "$SCRIPT"
    sleep 0.6
}

# The recording holds the ticks, the click and the ticks after it.
expect_whole_recording() {  # what ended it
    [ -f "$SCRIPT" ] || fail "$1: no DROVA.SCR"
    local got
    got=$(grep -c . "$SCRIPT")
    [ "$got" = 3 ] || { sed 's/^/DROVA.SCR: /' "$SCRIPT" >&2; fail "$1: $got lines, expected 3"; }
    sed -n 1p "$SCRIPT" | grep -qxE 'DROVA_PERIODIC\([1-9][0-9]*\);' || fail "$1: no ticks before the click"
    sed -n 2p "$SCRIPT" | grep -qx 'DROVA_MOUSE(150, -230);' || fail "$1: no click"
    sed -n 3p "$SCRIPT" | grep -qxE 'DROVA_PERIODIC\([1-9][0-9]*\);' || fail "$1: the ticks after the click were lost"
}

start_x

# Termination signals: the pending run is written, and the program ends as the
# signal ends a program (status 128 + its number).
for sig in TERM HUP INT; do
    start_town
    record_ticks_click_ticks
    kill -s "$sig" "$TOWN_PID"
    expect_exit $((128 + $(kill -l "$sig")))
    expect_whole_recording "SIG$sig"
done

# Pure animation ended by SIGTERM still leaves its one periodic line.
start_town
rm -f "$SCRIPT"
keys ctrl+r
sleep 2
kill -TERM "$TOWN_PID"
expect_exit 143
grep -qxE 'DROVA_PERIODIC\([1-9][0-9]*\);' "$SCRIPT" || fail "animation ended by SIGTERM left no periodic line"

# kill -9 gives no chance to write the run still being counted, but every line
# written before it is in the file.
start_town
record_ticks_click_ticks
kill -KILL "$TOWN_PID"
expect_exit 137
[ "$(sed -n 2p "$SCRIPT")" = "DROVA_MOUSE(150, -230);" ] || fail "kill -9 lost lines already written"

# Another program kills the client: the X connection breaks and the program ends.
start_town
record_ticks_click_ticks
xkill -id "$WINDOW" >/dev/null 2>&1
expect_exit 1
expect_whole_recording "xkill"

# The graphics window destroyed by another program ends the program as Quit does.
start_town
record_ticks_click_ticks
xdotool windowclose "$WINDOW"
expect_exit 0
expect_whole_recording "xdotool windowclose"

# The X server goes away.
start_town
record_ticks_click_ticks
kill "$XVFB_PID"
wait "$XVFB_PID" 2>/dev/null || true
XVFB_PID=""
expect_exit 1
expect_whole_recording "the X server gone"
start_x

# A FIFO or a device as DROVA.SCR: playback and recording are refused at once and
# Ctrl+Q still answers.
for make in "mkfifo $SCRIPT" "ln -s /dev/zero $SCRIPT"; do
    for shortcut in ctrl+p ctrl+o ctrl+r; do
        rm -f "$SCRIPT"
        $make
        start_town
        keys "$shortcut"
        click_world 150 -230
        keys ctrl+q
        expect_exit 0
    done
done

# A full disk: the recording keeps its whole lines and the program goes on.
rm -f "$SCRIPT"
(cd "$S" && trap '' XFSZ && ulimit -f 1 && exec "$TOWN" >"$S/town.out" 2>&1) &
TOWN_PID=$!
wait_for_town
keys ctrl+r
# X delivers the keys in order: Ctrl+Q comes after every typed one.
xdotool type --delay 5 "$(printf 'abcdefghij%.0s' $(seq 1 12))"
keys ctrl+q
expect_exit 0
size=$(stat -c %s "$SCRIPT")
[ "$size" -le 1024 ] || fail "the script outgrew the room left: $size bytes"
[ "$(tail -c 1 "$SCRIPT" | od -An -c | tr -d ' ')" = '\n' ] || fail "the last line of a full disk is cut"
bad=$(grep -vxE 'DROVA_(KBD\(-?[0-9]+\)|PERIODIC\([1-9][0-9]*\));' "$SCRIPT" || true)
[ -z "$bad" ] || fail "broken lines on a full disk: $bad"

echo "endings end-to-end: all checks passed"
