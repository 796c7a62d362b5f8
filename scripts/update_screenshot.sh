#!/usr/bin/env bash
# Makes docs/town.png, the README's picture of the running town: 2,500 heavy-traffic
# ticks with a fixed seed through town-replay. A test checks it is still what the
# program draws; after a deliberate change of the picture, run this and commit.
set -euo pipefail
cd "$(dirname "$0")/.."
REPLAY=${1:-build/debug/tools/town-replay}
"$REPLAY" --seed 1 --script docs/screenshot.scr --png docs/town.png
echo "wrote docs/town.png"
