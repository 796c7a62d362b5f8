#!/usr/bin/env bash
# The Debian package as a user gets it: built with cpack, its control fields and
# contents, installed (with dpkg -i when run as root in CI, else unpacked into a
# temporary root), checked as a desktop would, and the installed town started under
# Xvfb: its windows carry the icon and Ctrl+Q ends it with status 0.
# Usage: package_e2e.sh path/to/build-folder version summary
BUILD=$(realpath "$1")
VERSION=$2
SUMMARY=$3
TOWN=$BUILD/app/town
PUBLIC_HEADERS=$(realpath "$(dirname "$0")/../../gfx/include/gfx")
source "$(dirname "$0")/../e2e/e2e_lib.sh"
source "$(dirname "$0")/installed_checks.sh"
WORK=$E2E_TMP

# --- build the package
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$WORK/cpack.log")"
DEB=$WORK/out/fenns-town_${VERSION}_amd64.deb
[ -f "$DEB" ] || fail "no $(basename "$DEB"): $(ls "$WORK/out")"
echo "package: $(basename "$DEB"), $(stat -c %s "$DEB") bytes"

# --- control fields
field() { dpkg-deb --field "$DEB" "$1"; }
[ "$(field Package)" = fenns-town ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$VERSION" ] || fail "Version is $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section is $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@]+@example\.org\>$ ]] ||
    fail "Maintainer is $(field Maintainer)"
DESCRIPTION=$(field Description)
[ "$(sed -n 1p <<<"$DESCRIPTION")" = "$SUMMARY" ] || fail "Description starts: $DESCRIPTION"
[ "$(wc -l <<<"$DESCRIPTION")" -gt 3 ] || fail "the Description has no long text"
[ -z "$(awk 'length > 80' <<<"$DESCRIPTION")" ] || fail "Description lines over 80 columns"
DEPENDS=$(field Depends)
echo "Depends: $DEPENDS"
# Computed from the binaries: versioned, and Qt's widgets among them. Debian 13 names
# Qt's libraries with the t64 suffix of its 64-bit time_t transition.
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ ", $DEPENDS" == *", $lib (>= "[0-9]* || ", $DEPENDS" == *", ${lib}t64 (>= "[0-9]* ]] ||
        fail "Depends lacks a versioned $lib"
done
# Loaded at run time by name, out of dpkg-shlibdeps's sight.
for pkg in fonts-dejavu-core qt6-qpa-plugins; do
    [[ ", $DEPENDS," == *", $pkg,"* ]] || fail "Depends lacks $pkg"
done

# --- Debian's checker: not an error nor a warning (notes are shown, not fatal)
lintian --pedantic --display-info "$DEB" >"$WORK/lintian.log" 2>&1 ||
    fail "lintian failed: $(cat "$WORK/lintian.log")"
grep -v '^running with root privileges' "$WORK/lintian.log" || true
! grep -q '^[EW]: ' "$WORK/lintian.log" || fail "lintian reports errors or warnings"

# --- the library's package: its own name and section, lintian as clean, nothing of
# the town's in it and nothing of its own in the town's
LIB_DEB=$WORK/out/libfenns-town-gfx-dev_${VERSION}_amd64.deb
[ -f "$LIB_DEB" ] || fail "no $(basename "$LIB_DEB"): $(ls "$WORK/out")"
[ "$(dpkg-deb --field "$LIB_DEB" Section)" = libdevel ] || fail "the library's Section is not libdevel"
lintian --pedantic --display-info "$LIB_DEB" >"$WORK/lintian-dev.log" 2>&1 ||
    fail "lintian failed on the library: $(cat "$WORK/lintian-dev.log")"
grep -v '^running with root privileges' "$WORK/lintian-dev.log" || true
! grep -q '^[EW]: ' "$WORK/lintian-dev.log" || fail "lintian reports errors or warnings on the library"
stray=$(dpkg-deb --contents "$LIB_DEB" | awk '$1 !~ /^d/ {print $6}' |
    grep -v -e '^\./usr/include/fenns-town-gfx/gfx/[a-z_]*\.h$' \
        -e '^\./usr/lib/[a-z0-9_-]*/fenns-town-gfx/lib[a-z_]*\.a$' \
        -e '^\./usr/lib/[a-z0-9_-]*/cmake/FennsTownGfx/' -e '^\./usr/lib/[a-z0-9_-]*/pkgconfig/fenns-town-gfx-' \
        -e '^\./usr/share/doc/libfenns-town-gfx-dev/' -e '^\./usr/bin/town-compare$' \
        -e '^\./usr/share/man/man1/town-compare\.1\.gz$' || true)
[ -z "$stray" ] || fail "the library's package holds more than the library: $stray"
# Its headers are the public folder's, no more and no fewer.
headers=$(dpkg-deb --contents "$LIB_DEB" | awk '$1 !~ /^d/ {print $6}' |
    sed -n 's|^\./usr/include/fenns-town-gfx/gfx/||p' | LC_ALL=C sort)
[ "$headers" = "$(cd "$PUBLIC_HEADERS" && ls | LC_ALL=C sort)" ] ||
    fail "the library's package has the headers: $headers"
# Its command: stripped, with a manual page in section 1 that renders without a warning
# and describes every option the command lists.
dpkg-deb -x "$LIB_DEB" "$WORK/dev"
COMPARE=$WORK/dev/usr/bin/town-compare
[[ "$(file "$COMPARE")" == *", stripped"* ]] || fail "town-compare is not stripped"
page=$(MANWIDTH=200 man --warnings -l "$WORK/dev/usr/share/man/man1/town-compare.1.gz" 2>"$WORK/man1.err") ||
    fail "man -l town-compare failed: $(cat "$WORK/man1.err")"
[ ! -s "$WORK/man1.err" ] || fail "man -l town-compare warns: $(cat "$WORK/man1.err")"
[[ "$page" == "town-compare(1) "* ]] || fail "the town-compare page is not in section 1"
# The options as the help lists them, one a line ("  -h,--help  show this text").
for option in $("$COMPARE" --help | grep -oE -- '^ +(-[a-z],)?--[a-z][a-z-]*' | grep -o -- '--.*'); do
    grep -q -- "^ *$option\b" <<<"$page" || fail "the town-compare page does not describe $option"
done

# --- contents: the manifest under /usr, stripped programs
dpkg-deb --contents "$DEB" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' |
    check_file_list "the package's files"
dpkg-deb -x "$DEB" "$WORK/root"
for program in town town-replay; do
    [[ "$(file "$WORK/root/usr/games/$program")" == *", stripped"* ]] || fail "$program is not stripped"
done
# The licences in Debian's machine-readable form, and the changelog as Debian keeps it.
DOC=$WORK/root/usr/share/doc/fenns-town
[ "$(sed -n 1p "$DOC/copyright")" = \
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
    fail "the copyright file is not in the machine-readable format"
for license in 'Expat' 'Expat or public-domain' 'BSD-3-Clause'; do
    grep -qx "License: $license" "$DOC/copyright" || fail "the copyright file lacks License: $license"
done
[ "$(zcat "$DOC/changelog.gz" | sed -n 1p)" = "fenns-town ($VERSION) unstable; urgency=medium" ] ||
    fail "the changelog does not start with this version: $(zcat "$DOC/changelog.gz" | sed -n 1p)"


# --- install
INSTALLED=""
if [ "${CI:-}" = true ] && [ "$(id -u)" = 0 ]; then
    dpkg-query -W fenns-town >/dev/null 2>&1 && fail "fenns-town is installed already"
    dpkg -i "$DEB" >"$WORK/dpkg.log" 2>&1 || fail "dpkg -i failed: $(cat "$WORK/dpkg.log")"
    INSTALLED=yes
    trap 'dpkg -r fenns-town >/dev/null 2>&1; e2e_cleanup' EXIT
    dpkg-query -L fenns-town | while read -r f; do [ -d "$f" ] || echo "$f"; done |
        sed 's|^/usr/||' | check_file_list "the installed package's files"
    ROOT=""
else
    ROOT=$WORK/root
fi
check_installed "$ROOT/usr"

# --- the installed program under Xvfb
TOWN=$ROOT/usr/games/town
start_x
start_town
TEXT=$(xdotool search --name "^DROVA Text$" | sed -n 1p)
[ -n "$TEXT" ] || fail "no text window"
for w in "$WINDOW" "$TEXT"; do
    # The icon at every size of the installed one.
    sizes=$(xprop -len 4000000 -id "$w" _NET_WM_ICON | { grep -o 'Icon ([0-9]* x [0-9]*)' || true; } | sort)
    [ "$sizes" = "$(printf 'Icon (%s)\n' '128 x 128' '256 x 256' '48 x 48' '64 x 64')" ] ||
        fail "window $w has icons: ${sizes:-none}"
    # Desktops match the window to the menu entry by its class.
    class=$(sed -n 's/^StartupWMClass=//p' "$ROOT/usr/share/applications/$APP_ID.desktop")
    [[ "$(xprop -id "$w" WM_CLASS)" == *"\"$class\"" ]] || fail "window $w is not of class $class"
done
keys ctrl+q
expect_exit 0

# --- removal leaves nothing behind
if [ -n "$INSTALLED" ]; then
    dpkg -r fenns-town >"$WORK/dpkg.log" 2>&1 || fail "dpkg -r failed: $(cat "$WORK/dpkg.log")"
    trap e2e_cleanup EXIT
    while read -r f; do
        [ ! -e "/usr/$f" ] || fail "/usr/$f is left after removal"
    done <"$MANIFEST"
fi
echo "package end-to-end: all checks passed"
