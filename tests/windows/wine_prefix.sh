#!/usr/bin/env bash
# The Windows tests' one Wine prefix and one display, made once a run of the tests: the
# prefix by wineboot, then an X server with openbox (Wine waits on every window shown
# without a window manager) that every program under Wine shows its windows on, so that
# the prefix's desktop is always on it. "end" stops the prefix's server and the display.
# Usage: wine_prefix.sh PREFIX [end]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/wait_lib.sh"
export WINEPREFIX=$1 WINEDEBUG=-all
# No offer to install Wine's .NET and HTML engines: the programs need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
stage=$WINEPREFIX.stage  # the display's number and the processes that hold it

stop() {
    wineserver -k 2>/dev/null
    local pid
    for pid in $(cat "$stage/pids" 2>/dev/null); do kill "$pid" 2>/dev/null; done
    rm -rf "$stage"
}
if [ "${2:-}" = end ]; then
    stop
    exit 0
fi
stop
mkdir -p "$WINEPREFIX" "$stage"
started=$SECONDS
# Made without a display: wineboot's server must be gone before the first program, so
# that the desktop is made on the display below.
timeout "$TOWN_WAIT_SECONDS" wineboot -i >"$stage/wineboot.log" 2>&1 ||
    fail_with_log "wineboot did not make the prefix $WINEPREFIX" "$stage/wineboot.log"
timeout "$TOWN_WAIT_SECONDS" wineserver -w ||
    fail_with_log "the prefix's server did not end after wineboot" "$stage/wineboot.log"
[ -f "$WINEPREFIX/system.reg" ] || fail_with_log "no registry in $WINEPREFIX" "$stage/wineboot.log"

# Large enough for the town at twice its size beside its text window. Started in a
# session of their own, with no pipe of the test's held open: CTest waits for those.
setsid Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 2560x1600x24 \
    3>"$stage/number" </dev/null >"$stage/xvfb.log" 2>&1 &
echo $! >"$stage/pids"
wait_until "Xvfb (its display number)" "$stage/xvfb.log" "" display_number_in "$stage/number"
export DISPLAY=":$(head -n1 "$stage/number")"
wait_until "the X server on $DISPLAY" "$stage/xvfb.log" "" x_answers "$DISPLAY"
setsid openbox </dev/null >"$stage/openbox.log" 2>&1 &
echo $! >>"$stage/pids"
wait_until "openbox" "$stage/openbox.log" "" \
    sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
echo "$DISPLAY" >"$stage/display"
echo "the Wine prefix $WINEPREFIX ($(wine --version)) and the display $DISPLAY are ready, in $((SECONDS - started)) s"
