#!/usr/bin/env bash
# The library for the web as its users get it: the web build's Debian package
# (libfenns-town-gfx-web-dev, for every architecture) with its control fields, its files
# and lintian; then every example's site built out of the tree with emcmake from the
# package's files alone, bounce's left in <web build>/installed-examples/ for the
# browser test (tests/web/example_site.test.mjs). Run after the web build (scripts/web.sh --build).
# Usage: installed_site.sh [path/to/web-build]   (default: build/web)
set -euo pipefail
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(realpath "${1:-$SOURCE/build/web}")
OUT=$BUILD/installed-examples
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# emscripten's optimiser needs Debian's acorn, which another node does not look for.
export NODE_PATH=/usr/share/nodejs
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")

# --- the package
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$WORK/cpack.log")"
DEB=$WORK/out/libfenns-town-gfx-web-dev_${VERSION}_all.deb
[ -f "$DEB" ] || fail "no $(basename "$DEB"): $(ls "$WORK/out")"
echo "package: $(basename "$DEB"), $(stat -c %s "$DEB") bytes"
field() { dpkg-deb --field "$DEB" "$1"; }
[ "$(field Architecture)" = all ] || fail "Architecture is $(field Architecture)"
[ "$(field Section)" = libdevel ] || fail "Section is $(field Section)"
[[ ", $(field Depends)," == *", emscripten,"* ]] || fail "Depends is $(field Depends)"
[ -z "$(field Description | awk 'length > 80')" ] || fail "Description lines over 80 columns"
lintian --pedantic --display-info "$DEB" >"$WORK/lintian.log" 2>&1 ||
    fail "lintian failed: $(cat "$WORK/lintian.log")"
grep -v '^running with root privileges' "$WORK/lintian.log" || true
! grep -q '^[EW]: ' "$WORK/lintian.log" || fail "lintian reports errors or warnings"

# Its files: the library's own folders only, and the public headers' folder as it is.
files=$(dpkg-deb --contents "$DEB" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | LC_ALL=C sort)
stray=$(grep -v -e '^share/fenns-town-gfx-web/' -e '^share/cmake/FennsTownGfx-web/' \
    -e '^lib/fenns-town-gfx-web/lib[a-z_]*\.a$' -e '^share/doc/libfenns-town-gfx-web-dev/' \
    -e '^share/lintian/overrides/libfenns-town-gfx-web-dev$' <<<"$files" || true)
[ -z "$stray" ] || fail "the package holds more than the library: $stray"
headers=$(sed -n 's|^share/fenns-town-gfx-web/include/gfx/||p' <<<"$files")
[ "$headers" = "$(cd "$SOURCE/gfx/include/gfx" && ls | LC_ALL=C sort)" ] ||
    fail "the package has the headers: $headers"
echo "$(wc -l <<<"$files") files:"
sed 's/^/  /' <<<"$files"

# --- a program's site, out of the tree, from the package's files
dpkg-deb -x "$DEB" "$WORK/root"
emcmake cmake -S "$SOURCE/examples" -B "$WORK/examples" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_FIND_ROOT_PATH="$WORK/root/usr" >"$WORK/configure.log" 2>&1 ||
    fail "configuring the examples for the web failed: $(cat "$WORK/configure.log")"
cmake --build "$WORK/examples" >"$WORK/build.log" 2>&1 ||
    fail "building the examples' sites failed: $(cat "$WORK/build.log")"
# Nothing of the source tree or the web build in it: all from the package.
! grep -rq -e "$BUILD" -e "$SOURCE/gfx" "$WORK/examples/build.ninja" ||
    fail "the sites were built from the source tree, not the package"
# Every example is a site: its page, program, worker and manifest.
examples=$(sed -n 's/^set(examples \(.*\))$/\1/p' "$SOURCE/examples/CMakeLists.txt")
[ "$(wc -w <<<"$examples")" -ge 8 ] || fail "examples/CMakeLists.txt lists the examples otherwise: '$examples'"
for example in $examples; do
    site=$WORK/examples/$example-site
    for file in index.html "$example.js" "$example.wasm" sw.js manifest.webmanifest; do
        [ -s "$site/$file" ] || fail "$example's site has no $file: $(ls "$site" 2>&1)"
    done
    echo "$example's site from the package: $(du -sb "$site" | cut -f1) bytes"
done
# bounce's, for the browser test.
rm -rf "$OUT"
mkdir -p "$OUT"
cp -r "$WORK/examples/bounce-site" "$OUT/"
echo "bounce's site is kept in $OUT/bounce-site"
