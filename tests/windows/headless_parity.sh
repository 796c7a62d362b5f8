#!/usr/bin/env bash
# A headless run of the Windows town-replay under Wine gives the Linux run's drawing log
# and picture byte for byte, for a seed alone and with a script recorded on Windows
# (CRLF line ends); and the Windows runner's usage is Linux's.
# Usage: headless_parity.sh town-replay.exe path/to/linux/town-replay
set -euo pipefail
HERE=$(dirname "$(realpath "$0")")
WINDOWS=$(realpath "$1")
LINUX=$2
# On the tests' display, as every program under Wine in these tests (under_wine.sh).
wine() { bash "$HERE/under_wine.sh" "$@"; }

if [ ! -x "$LINUX" ]; then
    echo "the Linux town-replay ($LINUX) is not built: nothing to compare with"
    exit 77
fi
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
cd "$WORK"

run_both() {  # name, then the options
    local name=$1
    shift
    "$LINUX" "$@" --png "linux-$name.png" >"linux-$name.log" 2>"linux-$name.err" ||
        fail "the Linux run $name failed: $(cat "linux-$name.err")"
    wine "$WINDOWS" "$@" --png "windows-$name.png" >"windows-$name.log" 2>"windows-$name.err" ||
        fail "the Windows run $name failed: $(cat "windows-$name.err")"
    cmp "linux-$name.log" "windows-$name.log" ||
        fail "the logs of $name differ: $(diff "linux-$name.log" "windows-$name.log" | head -5)"
    cmp "linux-$name.png" "windows-$name.png" || fail "the pictures of $name differ"
    echo "$name: $(wc -l <"linux-$name.log") log lines and the picture, byte for byte"
}

run_both seed --seed 7 --ticks 300 --log --log-events
printf 'DROVA_PERIODIC(40);\r\nDROVA_MOUSE(150, -230);\r\nDROVA_KBD(97);\r\nDROVA_PERIODIC(60);\r\n' >crlf.scr
run_both script --seed 11 --script crlf.scr --log --log-events

# The usage names the program as on Linux; a GIF is refused with the reason, and status 2.
[ "$("$LINUX" --help)" = "$(wine "$WINDOWS" --help)" ] ||
    fail "the usage differs: $(diff <("$LINUX" --help) <(wine "$WINDOWS" --help) | head -5)"
status=0
wine "$WINDOWS" --seed 1 --ticks 2 --gif run.gif 2>gif.err || status=$?
[ "$status" = 2 ] || fail "--gif gave status $status"
grep -q "this build writes no GIF pictures" gif.err || fail "--gif said: $(cat gif.err)"
[ ! -e run.gif ] || fail "--gif left run.gif"
echo "the usage is Linux's; --gif is refused with status 2: $(cat gif.err)"
