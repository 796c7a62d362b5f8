#!/usr/bin/env bash
# Measures the CPU use of the real program under Xvfb: 20 s animating, then 20 s halted.
# Usage: scripts/measure_cpu.sh [path/to/town] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
TOWN=${1:-build/release/app/town}
SECONDS_EACH=${2:-20}
source tests/e2e/e2e_lib.sh

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$TOWN_PID/stat"; }

measure() {
    local before after
    before=$(cpu_ticks)
    sleep "$SECONDS_EACH"
    after=$(cpu_ticks)
    awk -v d=$((after - before)) -v hz="$ticks_per_second" -v s="$SECONDS_EACH" \
        'BEGIN { printf "%.2f%% of one core (%.2f s CPU in %d s)\n", 100 * d / hz / s, d / hz, s }'
}

start_x
start_town
echo "animating: $(measure)"
keys ctrl+h
echo "halted:    $(measure)"
keys ctrl+q
expect_exit 0
