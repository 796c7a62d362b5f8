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

start_x
printf 'DROVA_PERIODIC(3000);\n' >"$E2E_TMP/DROVA.SCR"
start_town
keys ctrl+h
sleep 1
xdotool key ctrl+p
started=$(now)
last=$(cpu_ticks)
changed=$started
# Done when the CPU time has not grown for half a second.
while awk -v a="$(now)" -v b="$changed" 'BEGIN { exit !(a - b < 0.5) }'; do
    sleep 0.02
    ticks=$(cpu_ticks)
    if [ "$ticks" != "$last" ]; then
        last=$ticks
        changed=$(now)
    fi
done
awk -v a="$changed" -v b="$started" \
    'BEGIN { printf "3,000 scripted ticks in the desktop program: %.2f s\n", a - b }'
keys ctrl+q
expect_exit 0
