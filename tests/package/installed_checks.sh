# Checks of an installed Fenn's Town, as a desktop and a user find it: the files,
# the menu entry, the icon, the metadata, the manual pages and town-replay.
# Sourced by the install and package tests, which give fail and a scratch folder WORK.

MANIFEST=$(dirname "${BASH_SOURCE[0]}")/installed_files.txt
APP_ID=org.example.FennsTown

# The files under $1, one a line, as paths below it.
files_below() {
    (cd "$1" && find . -type f -o -type l) | sed 's|^\./||'
}

# The files on standard input, paths below the prefix, are exactly the manifest's.
check_file_list() {
    local got
    got=$(LC_ALL=C sort)
    [ "$got" = "$(LC_ALL=C sort "$MANIFEST")" ] ||
        fail "$1 differ from the manifest:
$(diff <(LC_ALL=C sort "$MANIFEST") <(printf '%s\n' "$got"))"
}

# The desktop entry passes desktop-file-validate without a word, launches a program
# that is installed, and names an icon that is installed at every size.
check_desktop_entry() {
    local prefix=$1 entry=$1/share/applications/$APP_ID.desktop out
    out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate failed: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    grep -qx "Name=Fenn's Town" "$entry" || fail "desktop entry: wrong Name"
    grep -qx 'Terminal=false' "$entry" || fail "desktop entry: not Terminal=false"
    grep -qx 'Comment=.\+' "$entry" || fail "desktop entry: no Comment"
    local exec icon
    exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    [ -x "$prefix/games/$exec" ] || fail "desktop entry launches $exec, which is not installed"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ "$icon" = "$APP_ID" ] || fail "desktop entry names icon '$icon'"
    local n
    for n in 48 64 128 256; do
        local png=$prefix/share/icons/hicolor/${n}x${n}/apps/$icon.png
        [ "$(identify -format %wx%h "$png" 2>/dev/null)" = "${n}x${n}" ] ||
            fail "no ${n}x${n} PNG icon"
    done
    local svg=$prefix/share/icons/hicolor/scalable/apps/$icon.svg
    grep -q '<svg' "$svg" || fail "the scalable icon is no SVG"
    # Drawn with shapes, not a wrapped picture: it scales.
    ! grep -q '<image' "$svg" || fail "the scalable icon wraps a bitmap"
    [ "$(grep -c '<rect\|<ellipse\|<circle\|<line\|<polygon' "$svg")" -gt 20 ] ||
        fail "the scalable icon has hardly any shapes"
}

# The metadata passes appstreamcli with nothing but pedantic notes, alone and together
# with the desktop entry and icon it refers to.
check_metainfo() {
    local prefix=$1 metainfo=$1/share/metainfo/$APP_ID.metainfo.xml out
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
    ! grep -q '^ *[EW]:' <<<"$out" || fail "appstreamcli validate: $out"
    # The tree of this package's files alone: installed in /usr, the prefix holds other
    # packages' metadata too, whose notes are not this package's.
    local tree file
    tree=$(mktemp -d)
    for file in "$prefix/share/metainfo/$APP_ID.metainfo.xml" \
        "$prefix/share/applications/$APP_ID.desktop" \
        $(find "$prefix/share/icons/hicolor" -name "$APP_ID.*"); do
        mkdir -p "$tree/$(dirname "${file#"$prefix"/}")"
        cp "$file" "$tree/${file#"$prefix"/}"
    done
    out=$(appstreamcli validate-tree --no-net "$tree" 2>&1) || {
        rm -rf "$tree"
        fail "appstreamcli validate-tree: $out"
    }
    rm -rf "$tree"
    ! grep -q '^ *[EW]:' <<<"$out" || fail "appstreamcli validate-tree: $out"
    grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
        fail "metainfo does not launch the desktop entry"
    grep -q '<content_rating' "$metainfo" || fail "metainfo has no content rating"
    grep -q '<image[^>]*>https://[^<]*/docs/town.png</image>' "$metainfo" ||
        fail "metainfo has no screenshot"
}

# Both manual pages render without a warning; town-replay's page lists every option
# that town-replay --help lists.
check_manual_pages() {
    local prefix=$1 page out
    for page in town town-replay; do
        local file=$prefix/share/man/man6/$page.6.gz
        out=$(MANWIDTH=80 man --warnings -l "$file" 2>"$WORK/man.err") ||
            fail "man -l $page failed: $(cat "$WORK/man.err")"
        [ ! -s "$WORK/man.err" ] || fail "man -l $page warns: $(cat "$WORK/man.err")"
        # groff 1.23 justifies the NAME line, widening its spaces; 1.22 did not.
        grep -qE "^ *$page +- " <<<"$out" || fail "man page $page has no NAME line"
        [[ "$out" == "$page(6) "* ]] || fail "man page $page is not in section 6"
    done
    local help options option
    help=$("$prefix/games/town-replay" --help) || fail "installed town-replay --help failed"
    options=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
    [ -n "$options" ] || fail "town-replay --help lists no options"
    out=$(MANWIDTH=200 man -l "$prefix/share/man/man6/town-replay.6.gz" 2>/dev/null)
    for option in $options; do
        grep -q -- "^ *$option\b" <<<"$out" ||
            fail "the town-replay manual page does not describe $option"
    done
}

# The installed town-replay runs the town and saves its picture.
check_replay_runs() {
    "$1/games/town-replay" --seed 1 --ticks 5 --png "$WORK/replay.png" ||
        fail "installed town-replay failed"
    [ "$(identify -format %wx%h "$WORK/replay.png")" = 601x540 ] ||
        fail "installed town-replay wrote no 601 x 540 picture"
}

# Everything but the list of files, which each way of installing finds its own way.
check_installed() {
    check_desktop_entry "$1"
    check_metainfo "$1"
    check_manual_pages "$1"
    check_replay_runs "$1"
}
