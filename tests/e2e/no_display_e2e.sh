#!/usr/bin/env bash
# Without a display the program says why in one line instead of crashing.
TOWN=$1
set -u
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$TOWN" 2>&1)
status=$?
[ "$status" = 1 ] || { echo "FAIL: status $status"; exit 1; }
[ "$(printf '%s\n' "$out" | wc -l)" = 1 ] || { echo "FAIL: more than one line: $out"; exit 1; }
case "$out" in *DISPLAY*) ;; *) echo "FAIL: message does not say why: $out"; exit 1 ;; esac
out=$(DISPLAY=:97531 "$TOWN" 2>&1)
status=$?
[ "$status" = 1 ] && [ "$(printf '%s\n' "$out" | wc -l)" = 1 ] || { echo "FAIL: dead display: $out"; exit 1; }
echo "no-display message: all checks passed"
