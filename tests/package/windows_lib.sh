# shellcheck shell=bash
# Helpers of the Windows package and consumer tests: the Windows tests' Wine prefix,
# what Windows calls its folders there, the registry, and the checks of a program that
# ships. Every Wine start is bounded by TOWN_WAIT_SECONDS (wait_lib.sh).

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The Windows tests' prefix (WINEPREFIX, made by tests/windows/wine_prefix.sh), with no
# menu entries or file types in the Linux desktop of whoever runs the test, and on the
# tests' display: the first program of a session makes the prefix's desktop, and one
# made without a display would leave every later window of the session without one.
stage_wine_prefix() {
    : "${WINEPREFIX:?the prefix of the Windows tests}"
    export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
    [ -f "$WINEPREFIX/system.reg" ] || fail "no Wine prefix at $WINEPREFIX (wine_prefix.sh)"
    unset WAYLAND_DISPLAY
    read -r DISPLAY <"$WINEPREFIX.stage/display" || fail "the Windows tests' display is not up"
    export DISPLAY
}

# The prefix is the other tests' too: its server is left running for them.
wine_cleanup() { :; }

# A variable of Windows' environment (LOCALAPPDATA, APPDATA, USERPROFILE) as Windows says it.
wine_echo() {  # name
    timeout "$TOWN_WAIT_SECONDS" wine cmd /c echo "%$1%" | tr -d '\r'
}

# The same folder as a path of this system.
windows_folder() {  # name
    winepath -u "$(wine_echo "$1")" | sed 's|/$||'
}

# One value of a registry key, as `reg query` shows it ("    NAME    REG_SZ    value").
reg_value() {  # key, name
    timeout "$TOWN_WAIT_SECONDS" wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}

no_reg_key() {  # key
    ! timeout "$TOWN_WAIT_SECONDS" wine reg query "$1" >/dev/null 2>&1
}

# The files of a zip (not its folders), sorted.
zip_files() {  # zip
    zipinfo -1 "$1" | grep -v '/$' | LC_ALL=C sort
}

# Every file below the prefix's users' folders but the temporary ones.
user_files() {
    (cd "$WINEPREFIX/drive_c/users" && find . \( -type f -o -type l \) -not -path '*/Temp/*' |
        LC_ALL=C sort)
}

# Whether a file is a 64-bit Windows program of a subsystem (console or GUI), as file(1)
# says it: "PE32+ executable (console) x86-64, for MS Windows" in Debian 12, "PE32+
# executable for MS Windows 5.02 (console), x86-64" in Debian 13.
is_pe64() {  # file, [console | GUI]
    local what
    what=$(file -b "$1")
    [[ $what == "PE32+ executable"* && $what == *x86-64* ]] || return 1
    [ -z "${2:-}" ] || [[ $what == *"($2)"* ]]
}

# A program that ships: 64-bit, and needing no DLL but Windows' own: the C++ runtime,
# libgcc and the thread library are linked in (MinGW's DLLs are named lib*.dll).
check_windows_program() {  # file
    is_pe64 "$1" || fail "$1 is not a 64-bit program: $(file -b "$1")"
    local dlls
    dlls=$(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\tDLL Name: //p')
    ! grep -qi '^lib' <<<"$dlls" || fail "$(basename "$1") needs DLLs of its own: $(grep -i '^lib' <<<"$dlls")"
}
