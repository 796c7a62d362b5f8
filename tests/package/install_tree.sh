#!/usr/bin/env bash
# cmake --install honours --prefix and DESTDIR, installs exactly the program's files,
# and the installed tree works as a desktop and a user would use it.
# Usage: install_tree.sh path/to/build-folder
set -euo pipefail
BUILD=$(realpath "$1")
source "$(dirname "$0")/installed_checks.sh"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

PREFIX=/opt/fenns-town
DESTDIR="$WORK/stage" cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" ||
    fail "cmake --install failed: $(cat "$WORK/install.log")"
# Everything lands under DESTDIR and the prefix, nothing beside them.
[ "$(cd "$WORK/stage" && find . -mindepth 1 -maxdepth 2)" = "$(printf './opt\n./opt/fenns-town')" ] ||
    fail "files installed outside $PREFIX: $(cd "$WORK/stage" && find . -maxdepth 2)"
files_below "$WORK/stage$PREFIX" | check_file_list "installed files"
check_installed "$WORK/stage$PREFIX"
echo "install tree: all checks passed"
