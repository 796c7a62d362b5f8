#!/usr/bin/env bash
# Measures how long the real program takes from its start to its first frame on the
# screen (the graphics window shown with a lawn of the park drawn), under Xvfb, a few
# times over; a Windows program under Wine with TOWN_LAUNCHER=wine (in WINEPREFIX,
# which a first start not counted brings up).
# Usage: scripts/measure_start.sh [path/to/town] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
TOWN=${1:-build/release/app/town}
RUNS=${2:-5}
source tests/e2e/e2e_lib.sh

# The first frame, looked for every 10 ms: the window, then one pixel of a lawn.
first_frame() {
    WINDOW=$(xdotool search --onlyvisible --name '^DROVA Graphics$' 2>/dev/null | head -n1)
    [ -n "$WINDOW" ] && canvas_place || return 1
    local colour
    colour=$(import -window root -crop "1x1+$(screen_x -250)+$(screen_y 200)" +repage txt:- 2>/dev/null |
        grep -o '#[0-9A-Fa-f]\{6\}' | head -n1)
    [ "$colour" = "#006633" ]
}

start_x
[ -z "${TOWN_LAUNCHER:-}" ] || { start_town && keys ctrl+q && expect_exit 0; }  # Wine's first start
for run in $(seq "$RUNS"); do
    began=$(date +%s%N)
    # shellcheck disable=SC2086  # the launcher's words
    (cd "$E2E_TMP" && exec ${TOWN_LAUNCHER:-} "$TOWN" >"$E2E_TMP/town.out" 2>&1) &
    TOWN_PID=$!
    until first_frame; do
        kill -0 "$TOWN_PID" 2>/dev/null || fail "the program ended before its first frame"
        sleep 0.01
    done
    echo "run $run: the first frame $((($(date +%s%N) - began) / 1000000)) ms after the start"
    keys ctrl+q
    expect_exit 0
done
