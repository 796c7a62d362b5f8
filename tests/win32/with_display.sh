#!/usr/bin/env bash
# Runs a Windows test program under Wine on a private X server: Wine makes windows only
# where there is a display. A window manager (openbox, where installed) answers the
# requests that Wine would otherwise wait two seconds for on each window shown. The
# Wine prefix is the test's own (WINEPREFIX), made here on the first run, so that its
# desktop is on this server; its Wine server is ended with the test.
#   with_display.sh WINE PROGRAM.exe [ARGUMENTS...]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/wait_lib.sh"

DISPLAY_TMP=$(mktemp -d)
XVFB_PID="" WM_PID=""
ended() {
    wineserver -k 2>/dev/null
    for pid in $WM_PID $XVFB_PID; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$DISPLAY_TMP"
}
trap ended EXIT

start_x_server "$DISPLAY_TMP" -screen 0 1280x1024x24
export DISPLAY=$X_DISPLAY
unset WAYLAND_DISPLAY
if command -v openbox >/dev/null; then
    openbox >"$DISPLAY_TMP/openbox.log" 2>&1 &
    WM_PID=$!
    wait_until "openbox" "$DISPLAY_TMP/openbox.log" "$WM_PID" \
        sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
fi
if ! timeout "$TOWN_WAIT_SECONDS" wineboot -i >"$DISPLAY_TMP/wineboot.log" 2>&1; then
    fail_with_log "wineboot did not make the prefix $WINEPREFIX" "$DISPLAY_TMP/wineboot.log"
fi
"$@"
