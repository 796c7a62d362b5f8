#!/usr/bin/env bash
# Runs a Windows program under Wine in the tests' prefix, on the tests' display when the
# prefix has one (wine_prefix.sh): CTest's emulator for every Windows test program, and
# the scripts' way to start one. Every program of a session on the one display: the first
# makes the prefix's desktop, and one made without a display would leave the session's
# windows without one.
# Usage: under_wine.sh PROGRAM.exe [ARGUMENTS...]   (WINEPREFIX names the prefix)
: "${WINEPREFIX:?the Wine prefix of the tests}"
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if read -r display 2>/dev/null <"$WINEPREFIX.stage/display"; then
    export DISPLAY=$display
    unset WAYLAND_DISPLAY
fi
exec wine "$@"
