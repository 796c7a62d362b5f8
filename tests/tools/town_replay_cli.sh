#!/usr/bin/env bash
# town-replay as a user runs it: messages on bad input, exit statuses, determinism.
set -u
REPLAY=$(realpath "$1")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
failures=0
check() {  # description, expected status, expected stderr line, command...
    local what=$1 want_status=$2 want_err=$3
    shift 3
    local err status
    err=$("$@" 2>&1 >/dev/null)
    status=$?
    if [ "$status" != "$want_status" ] || [ "$err" != "$want_err" ]; then
        echo "FAIL: $what: status $status, stderr '$err'"
        failures=$((failures + 1))
    fi
}

check "unknown argument" 2 "town-replay: The following argument was not expected: --nope (try --help)" "$REPLAY" --nope
check "bad tick count" 2 "town-replay: --ticks needs a whole number of 0 or more, not 'ten'" "$REPLAY" --ticks ten
check "unwritable png" 2 "town-replay: cannot write /nonexistent/dir/x.png: No such file or directory" \
    "$REPLAY" --ticks 1 --png /nonexistent/dir/x.png
check "unreadable script" 2 "town-replay: cannot read missing.scr: No such file or directory" \
    "$REPLAY" --ticks 1 --script missing.scr
mkdir a-directory
check "a directory as the script" 2 "town-replay: cannot read a-directory: it is a directory" \
    "$REPLAY" --ticks 1 --script a-directory
check "unreadable answers" 2 "town-replay: cannot read missing.txt: No such file or directory" \
    "$REPLAY" --ticks 1 --answers missing.txt
check "the log into a full standard output" 2 \
    "town-replay: cannot write the log to standard output: No space left on device" \
    sh -c '"$0" --seed 1 --ticks 5 --log >/dev/full' "$REPLAY"
check "a PNG onto a device" 2 "town-replay: /dev/full is not a regular file" \
    "$REPLAY" --seed 1 --ticks 5 --png /dev/full
# A disk that is full: no truncated picture is left behind, nor a temporary file.
check "a PNG onto a full disk" 2 "town-replay: cannot write full.png.tmp: File too large" \
    bash -c 'trap "" XFSZ; ulimit -f 8; exec "$0" --seed 1 --ticks 5 --png full.png' "$REPLAY"
leftovers=$(ls -A | grep -c 'full' || true)
[ "$leftovers" = 0 ] || { echo "FAIL: a full disk left $(ls -A | grep full)"; failures=$((failures + 1)); }
# The GIF fails as the PNG does, and a run that fails it stops at once.
check "unwritable gif" 2 "town-replay: cannot write /nonexistent/dir/x.gif: No such file or directory" \
    "$REPLAY" --ticks 1 --gif /nonexistent/dir/x.gif
check "a GIF onto a device" 2 "town-replay: /dev/full is not a regular file" \
    "$REPLAY" --seed 1 --ticks 5 --gif /dev/full
check "a GIF onto a full disk" 2 "town-replay: cannot write full.gif.tmp: File too large" \
    bash -c 'trap "" XFSZ; ulimit -f 8; exec "$0" --seed 1 --ticks 36000 --gif full.gif' "$REPLAY"
check "a GIF that starts after the run" 2 \
    "town-replay: no frame for late.gif: the run ended after 5 periodic events" \
    "$REPLAY" --seed 1 --ticks 5 --gif-from 6 --gif late.gif
check "--gif-from without --gif" 2 "town-replay: --gif-from needs --gif" "$REPLAY" --gif-from 3
# Killed half way (as Ctrl+C would end it): the unfinished GIF goes with the run.
"$REPLAY" --seed 1 --ticks 100000 --gif cut.gif &
pid=$!
# Killed once it writes, or after a minute at most (a busy machine's start is slow).
for _ in $(seq 600); do [ -e cut.gif.tmp ] && break; sleep 0.1; done
[ -e cut.gif.tmp ] || { echo "FAIL: town-replay did not start writing cut.gif.tmp within 60 s"; failures=$((failures + 1)); }
kill -TERM "$pid"
wait "$pid"
status=$?
[ "$status" = 143 ] || { echo "FAIL: a killed run ended with status $status"; failures=$((failures + 1)); }
leftovers=$(ls -A | grep -c 'full\|late\|cut' || true)
[ "$leftovers" = 0 ] || { echo "FAIL: a failed GIF left $(ls -A | grep 'full\|late\|cut')"; failures=$((failures + 1)); }
check "a clean run" 0 "" "$REPLAY" --seed 3 --ticks 20 --png out.png --gif out.gif
[ -s out.png ] || { echo "FAIL: no PNG written"; failures=$((failures + 1)); }
# Without --gif-from every periodic event gives a frame.
frames=$(identify out.gif 2>/dev/null | wc -l)
[ "$frames" = 20 ] || { echo "FAIL: 20 ticks gave $frames GIF frames"; failures=$((failures + 1)); }
"$REPLAY" --help | grep -q "^Usage: town-replay" || { echo "FAIL: --help"; failures=$((failures + 1)); }

# The same seed and events give the same frames; another seed does not.
"$REPLAY" --seed 5 --ticks 300 --log > a.log
"$REPLAY" --seed 5 --ticks 300 --log > b.log
"$REPLAY" --seed 6 --ticks 300 --log > c.log
cmp -s a.log b.log || { echo "FAIL: two runs with one seed differ"; failures=$((failures + 1)); }
cmp -s a.log c.log && { echo "FAIL: two seeds give the same run"; failures=$((failures + 1)); }

# A script plays back from the first wait on; when it ends, nothing is left to do.
printf 'DROVA_MOUSE(150, -230);\nDROVA_PERIODIC(4);\n' > run.scr
"$REPLAY" --seed 5 --script run.scr --log > s.log
grep -q 'Mode: Heavy Traffic' s.log || { echo "FAIL: the script's click was not replayed"; failures=$((failures + 1)); }
grep -q '^EOF encountered in script file run.scr$' s.log || { echo "FAIL: no end-of-script line"; failures=$((failures + 1)); }

# With --log-events each event stands before what it draws, as a script line; the
# drawing lines are the plain log's.
printf 'DROVA_PERIODIC(2);\nDROVA_MOUSE(150, -230);\nDROVA_KBD(-23);\nDROVA_PERIODIC(1);\n' > events.scr
"$REPLAY" --seed 5 --script events.scr --log --log-events > e.log
"$REPLAY" --seed 5 --script events.scr --log > plain.log
[ "$(grep '^DROVA_' e.log)" = "$(printf 'DROVA_PERIODIC(1);\nDROVA_PERIODIC(1);\nDROVA_MOUSE(150, -230);\nDROVA_KBD(-23);\nDROVA_PERIODIC(1);')" ] ||
    { echo "FAIL: events logged: $(grep '^DROVA_' e.log)"; failures=$((failures + 1)); }
[ "$(sed -n 1p e.log)" = 'DROVA_PERIODIC(1);' ] || { echo "FAIL: the first tick's line is not first"; failures=$((failures + 1)); }
grep -v '^DROVA_' e.log | cmp -s - plain.log || { echo "FAIL: --log-events changed the drawing lines"; failures=$((failures + 1)); }

echo "$((28 - failures)) passed, $failures failed"
[ "$failures" = 0 ]
