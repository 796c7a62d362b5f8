#!/usr/bin/env bash
# The README's picture is what the program draws today.
set -euo pipefail
REPLAY=$(realpath "$1")
ROOT=$(realpath "$2")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$REPLAY" --seed 1 --script "$ROOT/docs/screenshot.scr" --png "$dir/now.png"
diff=$(compare -metric AE "$ROOT/docs/town.png" "$dir/now.png" null: 2>&1 || true)
if [ "$diff" != 0 ]; then
    echo "FAIL: docs/town.png differs from the program's picture in $diff pixels;"
    echo "run scripts/update_screenshot.sh if the change is deliberate"
    exit 1
fi
echo "docs/town.png is current"
