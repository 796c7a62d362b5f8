#!/usr/bin/env bash
# The desktop figure that the web edition's playback is measured against: 3,000
# scripted ticks (DROVA_PERIODIC(3000)) in the real program under Xvfb, from Ctrl+P
# until the program stops using CPU (playback's end leaves the town halted).
# Usage: tests/web/desktop_playback.sh [path/to/town]   (default: the release build)
set -euo pipefail
cd "$(dirname "$0")/../.."
TOWN=${1:-build/release/app/town}
source tests/e2e/e2e_lib.sh

cpu_ticks() { awk '{print $14 + $15}' "/proc/$TOWN_PID/stat"; }
now() { date +%s.%N; }

# Waits until the program's CPU time has not grown for half a second (for at most
# TOWN_WAIT_SECONDS); sets CHANGED to when it last grew.
until_idle() {  # what it waits for
    local last ticks deadline=$((SECONDS + TOWN_WAIT_SECONDS))
    last=$(cpu_ticks)
    CHANGED=$(now)
    while awk -v a="$(now)" -v b="$CHANGED" 'BEGIN { exit !(a - b < 0.5) }'; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$1: the program still uses CPU after $TOWN_WAIT_SECONDS s"
        sleep 0.02
        ticks=$(cpu_ticks)
        if [ "$ticks" != "$last" ]; then
            last=$ticks
            CHANGED=$(now)
        fi
    done
}

start_x
printf 'DROVA_PERIODIC(3000);\n' >"$E2E_TMP/DROVA.SCR"
start_town
keys ctrl+h
until_idle "the halt"
xdotool key ctrl+p
started=$(now)
# Done when the CPU time has not grown for half a second.
until_idle "the playback's end"
changed=$CHANGED
awk -v a="$changed" -v b="$started" \
    'BEGIN { printf "3,000 scripted ticks in the desktop program: %.2f s\n", a - b }'
keys ctrl+q
expect_exit 0
