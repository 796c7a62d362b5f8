#!/usr/bin/env bash
# The library as its users get it: installed into a scratch prefix, exactly the public
# headers' folder installed, the examples built out of the tree against it (CMake's
# find_package, and one with pkg-config and g++), each example's headless runner run
# twice with a fixed seed, and its drawing log and picture compared with the ones kept
# beside it; a program that includes Xlib's and Qt's headers beside the library's.
# Usage: consumer.sh path/to/build-folder path/to/source-folder
#   TOWN_UPDATE_EXAMPLES=1 consumer.sh ...   writes the kept logs and pictures anew
set -euo pipefail
BUILD=$(realpath "$1")
SOURCE=$(realpath "$2")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$BUILD" --prefix "$WORK/prefix" --component dev >"$WORK/install.log" ||
    fail "cmake --install failed: $(cat "$WORK/install.log")"
# The public headers, as a program includes them: the folder's, no more and no fewer.
installed=$(cd "$WORK/prefix/include/fenns-town-gfx/gfx" && ls)
[ "$installed" = "$(cd "$SOURCE/gfx/include/gfx" && ls)" ] ||
    fail "the installed headers are not the public folder's: $installed"
cmake -S "$SOURCE/examples" -B "$WORK/examples" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_PREFIX_PATH="$WORK/prefix" "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Wpedantic -Werror" \
    >"$WORK/configure.log" 2>&1 || fail "configuring the examples failed: $(cat "$WORK/configure.log")"
cmake --build "$WORK/examples" -j2 >"$WORK/build.log" 2>&1 ||
    fail "building the examples failed: $(cat "$WORK/build.log")"

# One program with pkg-config alone, as a single compiler line.
export PKG_CONFIG_PATH
PKG_CONFIG_PATH=$(dirname "$(find "$WORK/prefix" -name fenns-town-gfx-headless.pc)")
# shellcheck disable=SC2046  # pkg-config's words are the compiler's arguments
g++ -std=c++20 -o "$WORK/bounce-pc" "$SOURCE/examples/bounce/bounce.cpp" \
    $(pkg-config --cflags --libs fenns-town-gfx-headless) 2>"$WORK/pc.log" ||
    fail "g++ with pkg-config failed: $(cat "$WORK/pc.log")"

# Xlib's header before the library's and after them, with Qt's: it compiles, links and
# runs, Xlib's None and the library's EventKind::None each what they are.
for order in -DXLIB_FIRST -UXLIB_FIRST; do
    # shellcheck disable=SC2046
    g++ -std=c++20 -Wall -Wextra -Wpedantic -Werror "$order" -o "$WORK/beside-xlib" \
        "$SOURCE/tests/consumer/beside_xlib.cpp" \
        $(pkg-config --cflags --libs fenns-town-gfx-headless Qt6Widgets x11) 2>"$WORK/xlib.log" ||
        fail "a program with Xlib's header ($order) does not build: $(head -20 "$WORK/xlib.log")"
    out=$("$WORK/beside-xlib" --log) || fail "the program with Xlib's header ($order) failed"
    [ "$out" = "Xlib's None is 0, unconnected 1, the wait gave 4, Xlib, Qt and the library in Xlib's :0" ] ||
        fail "the program with Xlib's header ($order) wrote: $out"
done
echo "Xlib's and Qt's headers before and after the library's: built and run"

# A program that asks: its headless runner answers from a file, a line a question, then
# with empty lines; without the file every answer is empty; a missing file is an error.
# shellcheck disable=SC2046
g++ -std=c++20 -Wall -Wextra -Wpedantic -Werror -o "$WORK/asks" "$SOURCE/tests/consumer/asks.cpp" \
    $(pkg-config --cflags --libs fenns-town-gfx-headless) 2>"$WORK/asks.log" ||
    fail "the asking program does not build: $(cat "$WORK/asks.log")"
printf 'the first answer\r\nsecond\n' >"$WORK/answers.txt"
[ "$("$WORK/asks" --log --answers "$WORK/answers.txt")" = "$(printf '%s\n' \
    'First? 1 [the first answer]' 'Second? 1 [second]' 'Third? 1 []')" ] ||
    fail "answered from a file: $("$WORK/asks" --log --answers "$WORK/answers.txt")"
[ "$("$WORK/asks" --log)" = "$(printf '%s\n' 'First? 1 []' 'Second? 1 []' 'Third? 1 []')" ] ||
    fail "answered without a file: $("$WORK/asks" --log)"
out=$("$WORK/asks" --answers "$WORK/missing.txt" 2>&1) && fail "a missing answers file was accepted"
[ "$out" = "asks: cannot read $WORK/missing.txt: No such file or directory" ] ||
    fail "a missing answers file: $out"
echo "answers: from a file, then empty; a missing file refused"

# name, then the runner's arguments; a script or answers file lies beside the example,
# and is named as the log names it, wherever the source is.
cp "$SOURCE"/examples/*/*.scr "$SOURCE"/examples/*/*.answers "$WORK/"
cd "$WORK"
runs=(
    "bounce --seed 1 --ticks 40 --script click.scr"
    "catch --seed 1 --script play.scr"
    "clock --seed 1700000000 --ticks 25 --answers label.answers"
    "flat --seed 1"
    "logbook --seed 1"
    "modes --seed 1 --script switch.scr"
    "palette --seed 1"
    "sketch --seed 1 --script keys.scr"
    "stamps --seed 1 --script record.scr"
)
for run in "${runs[@]}"; do
    read -r name args <<<"$run"
    # shellcheck disable=SC2086  # the arguments are words
    "$WORK/examples/$name-replay" $args --log --png "$WORK/$name.png" >"$WORK/$name.log" ||
        fail "$name-replay failed"
    # shellcheck disable=SC2086
    "$WORK/examples/$name-replay" $args --log >"$WORK/$name.again.log" || fail "$name-replay failed"
    cmp -s "$WORK/$name.log" "$WORK/$name.again.log" || fail "two runs of $name differ"
    expected=$SOURCE/examples/$name/expected.log
    picture=$SOURCE/docs/examples/$name.png
    if [ -n "${TOWN_UPDATE_EXAMPLES:-}" ]; then
        cp "$WORK/$name.log" "$expected"
        mkdir -p "$(dirname "$picture")"
        cp "$WORK/$name.png" "$picture"
    fi
    diff -u "$expected" "$WORK/$name.log" >"$WORK/diff" || fail "$name's log differs: $(head -20 "$WORK/diff")"
    cmp -s "$picture" "$WORK/$name.png" || fail "$name's picture differs from $picture"
    echo "$name: $(wc -l <"$WORK/$name.log") log lines as kept, the same picture"
done

# The program built with pkg-config draws what the CMake-built one draws.
# shellcheck disable=SC2086
read -r _ args <<<"${runs[0]}"
"$WORK/bounce-pc" $args --log >"$WORK/bounce-pc.log" || fail "the pkg-config build failed to run"
cmp -s "$WORK/bounce.log" "$WORK/bounce-pc.log" || fail "the pkg-config build draws otherwise"
# Its messages carry its own name, as town-replay's carry town-replay.
out=$("$WORK/bounce-pc" --ticks x 2>&1 >/dev/null) && fail "bad --ticks accepted"
[ "$out" = "bounce-pc: --ticks needs a whole number of 0 or more, not 'x'" ] || fail "message: $out"
# The installed compare command: a run and the kept one are the same; the README's
# two runs of stamps, the second with one click of its script moved, differ in that
# one drawing call, as the README shows it.
compare=$WORK/prefix/bin/town-compare
"$compare" stamps.log stamps.png "$SOURCE/examples/stamps/expected.log" \
    "$SOURCE/docs/examples/stamps.png" >compare.txt || fail "town-compare: $(cat compare.txt)"
mkdir moved
sed 's/^DROVA_MOUSE(0, 0);$/DROVA_MOUSE(20, 10);/' record.scr >moved/record.scr
"$WORK/examples/stamps-replay" --seed 1 --script record.scr --log --png a.png >a.log &&
    (cd moved && "$WORK/examples/stamps-replay" --seed 1 --script record.scr --log --png ../b.png \
        >../b.log) || fail "stamps-replay failed"
status=0
"$compare" --marked ab.png a.log a.png b.log b.png >compare.txt || status=$?
[ "$status" = 1 ] || fail "town-compare on runs that differ: status $status, $(cat compare.txt)"
shown=$(sed -n '/^    \$ town-compare --marked ab.png a.log a.png b.log b.png$/,/^$/p' "$SOURCE/README.md" |
    sed '1d;$d;s/^    //')
[ -n "$shown" ] || fail "the README shows no town-compare run"
[ "$(cat compare.txt)" = "$shown" ] ||
    fail "town-compare says otherwise than the README: $(diff <(echo "$shown") compare.txt)"
[ "$(identify -format %wx%h ab.png)" = 1210x540 ] || fail "no marked picture of both runs"
echo "consumer: all checks passed"
