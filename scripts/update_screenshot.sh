#!/usr/bin/env bash
# Makes the README's pictures of the running town, from one run of town-replay with a
# fixed seed and 2,500 ticks of heavy traffic: docs/town.gif, the last 100 ticks (10
# seconds) as an animated picture, and docs/town.png, the picture at the end. A test
# checks they are still what the program draws; after a deliberate change of the
# picture, run this and commit.
set -euo pipefail
cd "$(dirname "$0")/.."
REPLAY=${1:-build/debug/tools/town-replay}
"$REPLAY" --seed 1 --script docs/screenshot.scr --gif-from 2401 --gif docs/town.gif \
    --png docs/town.png
size=$(stat -c %s docs/town.gif)
# A README picture that a page loads at once.
if [ "$size" -gt $((1024 * 1024)) ]; then
    echo "docs/town.gif is $size bytes, more than 1 MiB" >&2
    exit 1
fi
echo "wrote docs/town.png and docs/town.gif ($size bytes)"
