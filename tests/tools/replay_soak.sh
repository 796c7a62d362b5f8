#!/usr/bin/env bash
# Plays a click on "Heavy Traffic" and N ticks through town-replay with the drawing
# log on and a PNG at the end; fails on any sanitizer report or leak.
set -euo pipefail
REPLAY=$(realpath "$1")
TICKS=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
printf 'DROVA_MOUSE(150, -230);\nDROVA_PERIODIC(%d);\n' "$TICKS" > soak.scr
start=$SECONDS
"$REPLAY" --seed 1 --script soak.scr --log --png soak.png 2> err.txt | wc -l > lines.txt
if grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error" err.txt; then
    cat err.txt
    echo "FAIL: sanitizer report"
    exit 1
fi
grep -q . soak.png || { echo "FAIL: no picture"; exit 1; }
echo "soak: $TICKS ticks, $(cat lines.txt) log lines in $((SECONDS - start)) s"
