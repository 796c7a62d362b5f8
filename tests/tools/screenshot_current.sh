#!/usr/bin/env bash
# The README's pictures are what the program draws today: the still, and the animated
# one's frames, size and delays.
set -euo pipefail
REPLAY=$(realpath "$1")
ROOT=$(realpath "$2")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$REPLAY" --seed 1 --script "$ROOT/docs/screenshot.scr" --gif-from 2401 --gif "$dir/now.gif" \
    --png "$dir/now.png"
stale() {
    echo "FAIL: $1; run scripts/update_screenshot.sh if the change is deliberate"
    exit 1
}
diff=$(compare -metric AE "$ROOT/docs/town.png" "$dir/now.png" null: 2>&1 || true)
[ "$diff" = 0 ] || stale "docs/town.png differs from the program's picture in $diff pixels"

[ "$(stat -c %s "$ROOT/docs/town.gif")" -le $((1024 * 1024)) ] || stale "docs/town.gif is over 1 MiB"
[ "$(identify -format '%T %Wx%H\n' "$ROOT/docs/town.gif" | sort | uniq -c | xargs)" = "100 10 601x501" ] ||
    stale "docs/town.gif is not 100 frames of 601 x 501 pixels, 100 ms each"
[ "$(identify "$dir/now.gif" | wc -l)" = 100 ] || stale "the program no longer gives 100 frames"
# The first, a middle and the last frame as a viewer shows them, each frame drawn over
# the one before.
frames() {
    convert "$1" -coalesce \( -clone 0 -write "$2-0.png" \) \( -clone 50 -write "$2-50.png" \) \
        \( -clone 99 -write "$2-99.png" \) null:
}
frames "$ROOT/docs/town.gif" "$dir/readme"
frames "$dir/now.gif" "$dir/now"
for f in 0 50 99; do
    diff=$(compare -metric AE "$dir/readme-$f.png" "$dir/now-$f.png" null: 2>&1 || true)
    [ "$diff" = 0 ] || stale "frame $f of docs/town.gif differs from the program's in $diff pixels"
done
echo "docs/town.png and docs/town.gif are current"
