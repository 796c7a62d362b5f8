#!/usr/bin/env bash
# Makes (or brings up to date) the Wine prefix that every Windows test runs in, once per
# run of the tests, and waits until its server has settled; "end" stops its server.
# Usage: wine_prefix.sh PREFIX [end]
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all
# No offer to install Wine's .NET and HTML engines: the programs need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ "${2:-}" = end ]; then
    wineserver -k 2>/dev/null || true
    exit 0
fi
mkdir -p "$WINEPREFIX"
started=$SECONDS
if ! timeout "${TOWN_WAIT_SECONDS:-60}" wineboot -i >"$WINEPREFIX.log" 2>&1; then
    echo "FAIL: wineboot did not make the prefix $WINEPREFIX:" >&2
    cat "$WINEPREFIX.log" >&2
    exit 1
fi
# wineboot returns before its server has written the registry: wait until it has.
timeout "${TOWN_WAIT_SECONDS:-60}" wineserver -w || true
[ -f "$WINEPREFIX/system.reg" ] || { echo "FAIL: no registry in $WINEPREFIX" >&2; exit 1; }
echo "the Wine prefix $WINEPREFIX is ready ($(wine --version)), in $((SECONDS - started)) s"
