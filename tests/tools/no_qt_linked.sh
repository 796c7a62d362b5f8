#!/usr/bin/env bash
# Each program given links no Qt library: only the desktop windows need Qt.
set -u
failures=0
for program in "$@"; do
    if ldd "$program" | grep -i 'libQt'; then
        echo "FAIL: $(basename "$program") links Qt"
        failures=$((failures + 1))
    fi
done
echo "$(($# - failures)) passed, $failures failed"
[ "$failures" = 0 ]
