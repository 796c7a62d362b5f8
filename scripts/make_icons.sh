#!/usr/bin/env bash
# Makes the program's icon from its own drawing: the README picture's frame (2,500
# heavy-traffic ticks with a fixed seed), cropped to the intersection at (0, 100)
# with its traffic light and the vehicles around it. The drawing log of that frame
# becomes an SVG (scripts/log_to_svg.awk), and the SVG is rasterised to the PNG sizes.
# Run it after a deliberate change of the picture and commit data/icons/.
#
#   scripts/make_icons.sh [path/to/town-replay]           write data/icons/
#   scripts/make_icons.sh --check [path/to/town-replay]   fail if the SVG is out of date
set -euo pipefail
cd "$(dirname "$0")/.."

check=0
if [ "${1:-}" = "--check" ]; then
    check=1
    shift
fi
REPLAY=${1:-build/debug/tools/town-replay}

ICON=org.example.FennsTown
SVG=data/icons/hicolor/scalable/apps/$ICON.svg
SIZES=(48 64 128 256)
# An 84-unit square around the intersection at (0, 100).
LEFT=-42 TOP=142 SIDE=84

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The palette as the library defines it: "name RRGGBB" lines.
grep -o '{"[^"]*", 0x[0-9A-Fa-f]*, 0x[0-9A-Fa-f]*, 0x[0-9A-Fa-f]*}' gfx/render/colour_table.h |
    sed -E 's/\{"([^"]*)", 0x(..), 0x(..), 0x(..)\}/\1 \2\3\4/' >"$work/palette"

"$REPLAY" --seed 1 --script docs/screenshot.scr --log >"$work/log"
awk -v palette="$work/palette" -v left=$LEFT -v top=$TOP -v size=$SIDE \
    -f scripts/log_to_svg.awk "$work/log" >"$work/icon.svg"

if [ $check = 1 ]; then
    if ! cmp -s "$work/icon.svg" "$SVG"; then
        echo "FAIL: $SVG is not what the program draws today;"
        echo "run scripts/make_icons.sh if the change is deliberate"
        diff "$SVG" "$work/icon.svg" | head -20
        exit 1
    fi
    echo "$SVG is current"
    exit 0
fi

mkdir -p "$(dirname "$SVG")"
cp "$work/icon.svg" "$SVG"
for n in "${SIZES[@]}"; do
    png=data/icons/hicolor/${n}x${n}/apps/$ICON.png
    mkdir -p "$(dirname "$png")"
    rsvg-convert --width "$n" --height "$n" --output "$png" "$SVG"
done
echo "wrote $SVG and the PNGs at ${SIZES[*]} pixels"
