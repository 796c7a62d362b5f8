#!/usr/bin/env bash
# The Windows downloads as a user gets them. cpack makes the zip, the installer and the
# library's zip; the zip holds exactly the town's files, its programs 64-bit and
# statically linked. In a new Wine prefix the installer, silent, installs for the user
# into %LOCALAPPDATA%\Programs\Fenn's Town with a Start-menu entry and its uninstall
# key; the installed town-replay, started from another folder, finds its font and draws
# what the Linux build draws; the uninstaller, silent too, leaves the user's folders and
# the registry key as they were before.
# Usage: windows_package.sh path/to/windows-build version [path/to/linux/town-replay]
#   (the Linux program by default: build/debug/tools/town-replay of this source tree)
set -euo pipefail
BUILD=$(realpath "$1")
VERSION=$2
HERE=$(dirname "$(realpath "$0")")
LINUX_REPLAY=${3:-$HERE/../../build/debug/tools/town-replay}
source "$HERE/../e2e/wait_lib.sh"
source "$HERE/windows_lib.sh"
WORK=$(mktemp -d)
trap 'wine_cleanup; rm -rf "$WORK"' EXIT

cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -20 "$WORK/cpack.log")"
ZIP=$WORK/out/fenns-town-$VERSION-win64.zip
SETUP=$WORK/out/fenns-town-$VERSION-win64-setup.exe
LIBRARY_ZIP=$WORK/out/fenns-town-gfx-$VERSION-win64-mingw.zip
for file in "$ZIP" "$SETUP" "$LIBRARY_ZIP"; do
    [ -f "$file" ] || fail "no $(basename "$file"): $(ls "$WORK/out")"
    echo "$(basename "$file"): $(stat -c %s "$file") bytes"
done

# --- the zip: exactly these files, at its top; town.exe once the build has it
expected=$(grep -v '^#' "$HERE/windows_zip_files.txt")
if [ ! -f "$BUILD/bin/town.exe" ]; then
    echo "no town.exe in this build (no native back end): the zip is checked without it"
    expected=$(grep -vx 'town.exe' <<<"$expected")
fi
listed=$(zip_files "$ZIP")
[ "$listed" = "$expected" ] || fail "the zip's files: $(diff <(echo "$expected") <(echo "$listed"))"
unzip -q "$ZIP" -d "$WORK/zip"
for program in "$WORK"/zip/*.exe; do
    check_windows_program "$program"
done
is_pe64 "$WORK/zip/town-replay.exe" console || fail "town-replay.exe is not a 64-bit console program"
if [ -f "$WORK/zip/town.exe" ]; then
    is_pe64 "$WORK/zip/town.exe" GUI || fail "town.exe is not a 64-bit GUI program"
fi
# The texts open in any Windows editor: Windows' line ends.
for text in README.txt LICENSE.txt; do
    ! grep -q $'[^\r]$' "$WORK/zip/$text" || fail "$text has lines without Windows' line end"
done
cmp -s <(tr -d '\r' <"$WORK/zip/LICENSE.txt") "$HERE/../../LICENSE" || fail "LICENSE.txt is not the project's"

# --- the library's zip: a prefix of the library's files alone (the consumer test builds
# programs with it)
library=$(zip_files "$LIBRARY_ZIP")
stray=$(grep -v -e '^include/fenns-town-gfx/gfx/[a-z_]*\.h$' -e '^lib/fenns-town-gfx/lib[a-z0-9_]*\.a$' \
    -e '^lib/cmake/FennsTownGfx/FennsTownGfx[A-Za-z-]*\.cmake$' -e '^bin/town-compare\.exe$' \
    -e '^lib/pkgconfig/fenns-town-gfx-[a-z]*\.pc$' -e '^share/fenns-town-gfx/' -e '^[A-Z]*\.txt$' \
    -e '^lib/fenns-town-gfx/gfx_manifest\.o$' <<<"$library" || true)
[ -z "$stray" ] || fail "the library's zip holds more than the library: $stray"
needed=(LICENSE.txt README.txt lib/cmake/FennsTownGfx/FennsTownGfxConfig.cmake
    lib/pkgconfig/fenns-town-gfx-headless.pc lib/fenns-town-gfx/gfx_manifest.o
    share/fenns-town-gfx/fonts/DejaVuSans.ttf share/fenns-town-gfx/fonts/LICENSE.txt
    share/fenns-town-gfx/mingw-w64-toolchain.cmake)
[ -f "$BUILD/bin/town.exe" ] &&
    needed+=(lib/cmake/FennsTownGfx/FennsTownGfx-desktop.cmake lib/pkgconfig/fenns-town-gfx-desktop.pc)
for file in "${needed[@]}"; do
    grep -qxF "$file" <<<"$library" || fail "the library's zip has no $file"
done

# --- the installer: 64-bit, as the programs; silent, in the Windows tests' prefix
is_pe64 "$SETUP" GUI || fail "the installer is $(file -b "$SETUP")"
stage_wine_prefix
before=$(user_files)
timeout "$TOWN_WAIT_SECONDS" wine "$SETUP" /S >"$WORK/setup.log" 2>&1 || fail_with_log "the installer failed" "$WORK/setup.log"
LOCAL=$(windows_folder LOCALAPPDATA)
INSTALL_WIN="$(wine_echo LOCALAPPDATA)\\Programs\\Fenn's Town"
INSTALL="$LOCAL/Programs/Fenn's Town"
wait_until "the installed uninstaller" "$WORK/setup.log" "" test -f "$INSTALL/Uninstall.exe"
installed=$(cd "$INSTALL" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$(printf '%s\nUninstall.exe\n' "$listed" | LC_ALL=C sort)" ] ||
    fail "the installer installed other files than the zip's: $installed"
KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\FennsTown'
[ "$(reg_value "$KEY" InstallLocation)" = "$INSTALL_WIN" ] ||
    fail "InstallLocation is $(reg_value "$KEY" InstallLocation)"
[ "$(reg_value "$KEY" QuietUninstallString)" = "\"$INSTALL_WIN\\Uninstall.exe\" /S" ] ||
    fail "QuietUninstallString is $(reg_value "$KEY" QuietUninstallString)"
[ "$(reg_value "$KEY" DisplayVersion)" = "$VERSION" ] || fail "DisplayVersion is $(reg_value "$KEY" DisplayVersion)"
LINK="$(windows_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Fenn's Town.lnk"
if [ -f "$INSTALL/town.exe" ]; then
    [ -f "$LINK" ] || fail "no Start-menu entry: $(find "$(windows_folder APPDATA)" -name '*.lnk')"
    # The link starts the installed town, in the user's Documents folder.
    strings -a "$LINK" | grep -qxF "$INSTALL_WIN\\town.exe" || fail "the Start-menu entry does not start town.exe"
    strings -a -el "$LINK" | grep -qxF "$(wine_echo USERPROFILE)\\Documents" ||
        fail "the Start-menu entry does not start in Documents: $(strings -a -el "$LINK")"
    echo "installed: $(wc -l <<<"$installed") files, the uninstall key, the Start-menu entry"
else
    [ ! -e "$LINK" ] || fail "a Start-menu entry without town.exe"
    echo "installed: $(wc -l <<<"$installed") files and the uninstall key (no town.exe, no Start-menu entry)"
fi

# --- the installed town-replay, from another folder: its font beside it (the text in
# the picture), the Linux build's drawing and picture to the byte
mkdir "$WORK/elsewhere"
(cd "$WORK/elsewhere" && timeout "$TOWN_WAIT_SECONDS" wine "$INSTALL/town-replay.exe" --seed 1 --ticks 3 \
    --log --png windows.png >windows.log 2>"$WORK/replay.err") ||
    fail_with_log "the installed town-replay failed" "$WORK/replay.err"
[ -s "$WORK/elsewhere/windows.log" ] || fail "the installed town-replay logged nothing"
# A font not found would be said on standard error.
[ ! -s "$WORK/replay.err" ] || fail "the installed town-replay said: $(cat "$WORK/replay.err")"
if [ -x "$LINUX_REPLAY" ]; then
    "$LINUX_REPLAY" --seed 1 --ticks 3 --log --png "$WORK/linux.png" >"$WORK/linux.log"
    cmp -s "$WORK/linux.log" "$WORK/elsewhere/windows.log" ||
        fail "the Windows log differs from Linux's: $(diff "$WORK/linux.log" "$WORK/elsewhere/windows.log" | head)"
    cmp -s "$WORK/linux.png" "$WORK/elsewhere/windows.png" || fail "the Windows picture differs from Linux's"
    echo "the installed town-replay: $(wc -l <"$WORK/linux.log") log lines and the picture as on Linux"
else
    echo "SKIPPED the comparison with Linux: no $LINUX_REPLAY (cmake --build --preset debug --target town-replay)"
fi
# --- the uninstaller, silent: it hands over to a copy of itself and returns at once, so
# the removal is waited for
timeout "$TOWN_WAIT_SECONDS" wine "$INSTALL/Uninstall.exe" /S >"$WORK/uninstall.log" 2>&1 ||
    fail_with_log "the uninstaller failed" "$WORK/uninstall.log"
wait_until "the uninstaller's removal of the folder" "$WORK/uninstall.log" "" test ! -e "$INSTALL"
wait_until "the uninstaller's removal of the key" "$WORK/uninstall.log" "" no_reg_key "$KEY"
after=$(user_files)
[ "$after" = "$before" ] || fail "the uninstall left files: $(diff <(echo "$before") <(echo "$after"))"
echo "uninstalled: every file, the folder, the Start-menu entry and the key"
echo "windows package: all checks passed"
