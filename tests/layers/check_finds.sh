#!/bin/bash
# The include check names each include that points up or across, by file and line, and
# lets pass what points down and the one allowed include.
set -u
python=$1 check=$2
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/gfx/{render,core,backends/qt,backends/web,include/gfx} "$tree"/vehicles "$tree"/traffic "$tree"/app
touch "$tree"/gfx/core/state.h "$tree"/gfx/backends/web/web_backend.h "$tree"/traffic/town_object.h \
      "$tree"/gfx/include/gfx/display.h "$tree"/traffic/town.h
printf '// a renderer\n#include "gfx/core/state.h"\n' >"$tree"/gfx/render/renderer.cpp
printf '#include "gfx/backends/web/web_backend.h"\n' >"$tree"/gfx/backends/qt/qt_backend.cpp
printf '#include "gfx/core/state.h"\n#include "gfx/backends/web/web_backend.h"\n' >"$tree"/gfx/display.cpp
printf '#include "traffic/town_object.h"\n#include "gfx/display.h"\n' >"$tree"/vehicles/vehicle.h
printf '#include "traffic/town_object.h"\n' >"$tree"/vehicles/cars.h
printf '#include "traffic/town.h"\n#include "gfx/core/state.h"\n' >"$tree"/app/main.cpp

out=$("$python" "$check" "$tree") && { echo "FAIL: the check passed a tree with upward includes"; exit 1; }
echo "$out"
fail=0
for want in 'gfx/render/renderer.cpp:2: includes gfx/core/state.h' \
            'gfx/backends/qt/qt_backend.cpp:1: includes gfx/backends/web/web_backend.h from beside it' \
            'gfx/display.cpp:2: includes gfx/backends/web/web_backend.h from beside it' \
            'vehicles/cars.h:1: includes traffic/town_object.h'; do
    grep -qF "$want" <<<"$out" || { echo "FAIL: not reported: $want"; fail=1; }
done
for never in vehicles/vehicle.h app/main.cpp; do
    grep -qF "$never" <<<"$out" && { echo "FAIL: reported: $never"; fail=1; }
done
[ "$(grep -c ': includes ' <<<"$out")" = 4 ] || { echo "FAIL: not exactly four reports"; fail=1; }
exit $fail
