#!/usr/bin/env bash
# The library for MinGW-w64 as its users get it: its zip unpacked into a scratch folder,
# with nothing else beside the cross compiler. Two examples built with one g++ line each
# (pkg-config), and the examples' own CMake project with the zip's toolchain file and
# CMAKE_PREFIX_PATH at the folder; each headless program, with the font copied beside
# it as the docs say, run under Wine with its recorded script or answers: its drawing
# log and picture are the ones kept (examples/, docs/examples/), byte for byte, and it
# says nothing on standard error. The programs lie in a folder named in Cyrillic, where
# only the UTF-8 code page of the library's manifest finds their font. A desktop example links the Win32 entry both ways, as a GUI program
# that needs no DLL of its own; on a private X server its window opens and Ctrl+Q ends
# it with status 0.
# Usage: windows_consumer.sh path/to/windows-build path/to/source version
set -euo pipefail
BUILD=$(realpath "$1")
SOURCE=$(realpath "$2")
VERSION=$3
source "$SOURCE/tests/e2e/wait_lib.sh"
source "$SOURCE/tests/package/windows_lib.sh"
WORK=$(mktemp -d)
ended() {
    wine_cleanup
    rm -rf "$WORK"
}
trap ended EXIT
CXX=x86_64-w64-mingw32-g++-posix
FLAGS=(-std=c++20 -Wall -Wextra -Wpedantic -Werror)

cpack -G ZIP --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -20 "$WORK/cpack.log")"
KIT=$WORK/kit
unzip -q "$WORK/out/fenns-town-gfx-$VERSION-win64-mingw.zip" -d "$KIT"
# The public headers, as a program includes them: the folder's, no more and no fewer.
[ "$(cd "$KIT/include/fenns-town-gfx/gfx" && ls)" = "$(cd "$SOURCE/gfx/include/gfx" && ls)" ] ||
    fail "the zip's headers are not the public folder's: $(ls "$KIT/include/fenns-town-gfx/gfx")"
# Every program's folder: a name outside the code pages of Western Windows.
PROGRAMS=$WORK/Город
mkdir "$PROGRAMS"
DESKTOP=""
[ -f "$KIT/lib/cmake/FennsTownGfx/FennsTownGfx-desktop.cmake" ] && DESKTOP=yes

# --- one g++ line a program, with the zip's pkg-config files alone
export PKG_CONFIG_LIBDIR=$KIT/lib/pkgconfig PKG_CONFIG_PATH=""
mkdir "$PROGRAMS/pc"
for name in bounce clock; do
    # shellcheck disable=SC2046  # pkg-config's words are the compiler's arguments
    "$CXX" "${FLAGS[@]}" -o "$PROGRAMS/pc/$name-replay.exe" "$SOURCE/examples/$name/$name.cpp" \
        $(pkg-config --cflags --libs fenns-town-gfx-headless) 2>"$WORK/pc.log" ||
        fail "g++ with pkg-config failed on $name: $(cat "$WORK/pc.log")"
done
cp -r "$(pkg-config --variable=fontdir fenns-town-gfx-headless)" "$PROGRAMS/pc/"
if [ -n "$DESKTOP" ]; then
    # shellcheck disable=SC2046
    "$CXX" "${FLAGS[@]}" -o "$PROGRAMS/pc/bounce.exe" "$SOURCE/examples/bounce/bounce.cpp" \
        $(pkg-config --cflags --libs fenns-town-gfx-desktop) 2>"$WORK/pc.log" ||
        fail "g++ with pkg-config failed on the desktop bounce: $(cat "$WORK/pc.log")"
fi

# --- the examples' CMake project, with the toolchain file from the zip
cmake -S "$SOURCE/examples" -B "$PROGRAMS/cmake" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$KIT/share/fenns-town-gfx/mingw-w64-toolchain.cmake" \
    -DCMAKE_PREFIX_PATH="$KIT" "-DCMAKE_CXX_FLAGS=${FLAGS[*]:1}" >"$WORK/configure.log" 2>&1 ||
    fail "configuring the examples failed: $(tail -20 "$WORK/configure.log")"
found=$(sed -n 's/^FennsTownGfx_DIR:PATH=//p' "$PROGRAMS/cmake/CMakeCache.txt")
[ "$found" = "$KIT/lib/cmake/FennsTownGfx" ] || fail "CMake found the library at $found"
targets=(bounce-replay clock-replay)
[ -n "$DESKTOP" ] && targets+=(bounce)
cmake --build "$PROGRAMS/cmake" -j2 --target "${targets[@]}" >"$WORK/build.log" 2>&1 ||
    fail "building the examples failed: $(tail -20 "$WORK/build.log")"
[ -f "$PROGRAMS/cmake/fonts/DejaVuSans.ttf" ] || fail "gfx_copy_font put no font beside the programs"
echo "built with pkg-config and with CMake: ${targets[*]}"

for program in "$PROGRAMS"/pc/*.exe "$PROGRAMS"/cmake/*.exe; do
    check_windows_program "$program"
done
if [ -n "$DESKTOP" ]; then
    for program in "$PROGRAMS/pc/bounce.exe" "$PROGRAMS/cmake/bounce.exe"; do
        is_pe64 "$program" GUI || fail "$program is not a GUI program: $(file -b "$program")"
    done
fi

# --- the headless programs under Wine, in the Windows tests' prefix; with a desktop
# example to run, on the Windows tests' display
stage_wine_prefix

# name, then the runner's arguments, as tests/consumer/consumer.sh runs them on Linux; a
# script or answers file lies beside the example and is named as the log names it.
runs=(
    "bounce --seed 1 --ticks 40 --script click.scr"
    "clock --seed 1700000000 --ticks 25 --answers label.answers"
)
mkdir "$WORK/run"
cp "$SOURCE/examples/bounce/click.scr" "$SOURCE/examples/clock/label.answers" "$WORK/run/"
cd "$WORK/run"
for run in "${runs[@]}"; do
    read -r name args <<<"$run"
    for way in pc cmake; do
        # shellcheck disable=SC2086  # the arguments are words
        timeout "$TOWN_WAIT_SECONDS" wine "$PROGRAMS/$way/$name-replay.exe" $args --log \
            --png "$name.$way.png" >"$name.$way.log" 2>"$name.$way.err" ||
            fail_with_log "$name-replay ($way) failed" "$name.$way.err"
        # Nothing said on standard error: a font not found would be said there.
        [ ! -s "$name.$way.err" ] || fail "$name-replay ($way) said: $(cat "$name.$way.err")"
        cmp -s "$SOURCE/examples/$name/expected.log" "$name.$way.log" ||
            fail "$name's log ($way) differs: $(diff "$SOURCE/examples/$name/expected.log" "$name.$way.log" | head)"
        cmp -s "$SOURCE/docs/examples/$name.png" "$name.$way.png" ||
            fail "$name's picture ($way) differs from docs/examples/$name.png"
    done
    echo "$name-replay: $(wc -l <"$name.pc.log") log lines and the picture as kept, both builds"
done

# --- the desktop example: its window opens, and Ctrl+Q, the library's Quit, ends it
if [ -z "$DESKTOP" ]; then
    echo "SKIPPED the desktop example: this library has no desktop entry (no Win32 back end)"
else
    window_shown() {
        WINDOW=$(xdotool search --onlyvisible --name '^DROVA Graphics$' 2>/dev/null | head -n1)
        [ -n "$WINDOW" ]
    }
    for way in pc cmake; do
        wine "$PROGRAMS/$way/bounce.exe" >"$WORK/bounce.$way.out" 2>&1 &
        pid=$!
        wait_until "the desktop bounce's window ($way)" "$WORK/bounce.$way.out" "$pid" window_shown
        xdotool windowactivate --sync "$WINDOW" key --clearmodifiers ctrl+q
        wait_until "the desktop bounce's end after Ctrl+Q ($way)" "$WORK/bounce.$way.out" "" \
            sh -c "! kill -0 $pid 2>/dev/null"
        status=0
        wait "$pid" || status=$?
        [ "$status" = 0 ] ||
            fail_with_log "the desktop bounce ($way) ended with status $status" "$WORK/bounce.$way.out"
    done
    echo "the desktop bounce, both builds: its window opened, Ctrl+Q ended it with status 0"
fi
echo "windows consumer: all checks passed"
