#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite in five stages:
#  debug  debug build: unit, widget, tool and end-to-end tests (each end-to-end test has
#         an X server of its own, so they run side by side); the house rules:
#         clang-format, clang-tidy and ESLint (scripts/lint.sh);
#  asan   AddressSanitizer + UndefinedBehaviorSanitizer build: the same tests without the
#         end-to-end ones and the checks of the sources alone, plus a long headless
#         soak of the whole program;
#  fuzz   the fuzz targets of the script reader and of the renderer, for a bounded time;
#  windows  the Windows programs, library and tests built with MinGW-w64: the unit tests
#         under Wine, the headless runner against Linux's, town.exe end to end under
#         Wine on Xvfb, the zip, the installer and a program built from the library;
#  web    the web edition: its library's package, and an example's site built out of
#         the tree from it; its page's modules under node, then the page in headless
#         Chromium, then its main path in Chromium, Firefox ESR and WebKitGTK.
# The builds follow one another, each on both cores; a stage's tests run beside the
# next stage's build, each in a log of its own shown when they end.
#
# Usage: test.sh [--slow] [STAGE...]   the stages named, in this order (none: all five)
#        test.sh --quick               the everyday check: the debug build, its tests
#                                      but the end-to-end ones and the soak, and the
#                                      house rules on the files changed against main
#   --slow  every X server, window manager, browser driver and browser takes 2 s to
#           come up (tests/slow first in PATH), as on a fresh or a busy machine
set -euo pipefail
cd "$(dirname "$0")/.."
all_stages=(debug asan fuzz windows web)
stages=()
quick=""
while [ $# -gt 0 ]; do
  case $1 in
    --quick) quick=yes ;;
    --slow)
      export PATH=$PWD/tests/slow:$PATH
      export TOWN_CHROMIUM=$PWD/tests/slow/chromium TOWN_FIREFOX=$PWD/tests/slow/firefox-esr
      ;;
    debug | asan | fuzz | windows | web) stages+=("$1") ;;
    *)
      echo "usage: $0 [--quick | --slow] [debug] [asan] [fuzz] [windows] [web]" >&2
      exit 2
      ;;
  esac
  shift
done
[ ${#stages[@]} -eq 0 ] && stages=("${all_stages[@]}")

bash scripts/setup.sh test
started=$SECONDS

if [ -n "$quick" ]; then
  cmake --preset debug >/dev/null
  cmake --build --preset debug
  ctest --preset debug -LE 'e2e|soak' --parallel 2
  bash scripts/lint.sh --changed
  echo "== quick check passed in $((SECONDS - started)) s"
  exit 0
fi

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
# Each limit (bounded, below) runs its tests in a process group of their own, which a
# Ctrl+C at the terminal does not reach: a signal to this script is passed on to them.
stop_tests() {
  local limit
  for limit in $(cat "$logs/limits" 2>/dev/null); do kill -TERM "$limit" 2>/dev/null || true; done
}
trap 'stop_tests; exit 130' INT
trap 'stop_tests; exit 143' TERM
results=()
failed=""

# The build of a stage, in the foreground.
build() {
  case $1 in
    debug) cmake --preset debug >/dev/null && cmake --build --preset debug ;;
    asan) cmake --preset asan >/dev/null && cmake --build --preset asan ;;
    fuzz) cmake --preset fuzz -DTOWN_FUZZ_SECONDS=30 >/dev/null && cmake --build --preset fuzz ;;
    windows) cmake --preset windows >/dev/null && cmake --build --preset windows ;;
    web) bash scripts/web.sh --build ;;
  esac
}

# The tests of a stage. Those of the sources alone (label "source") run once, in the
# debug stage; package_e2e runs alone (RUN_SERIAL), the others side by side.
tests_of() {
  case $1 in
    debug)
      bounded 1800 ctest --preset debug -LE soak --parallel 3 || return 1
      bash scripts/lint.sh
      ;;
    asan) ASAN_OPTIONS=detect_leaks=1 bounded 1800 ctest --preset asan -LE 'e2e|source' --parallel 2 ;;
    fuzz) bounded 600 ctest --preset fuzz --parallel 2 ;;
    # Every program under Wine runs in the one prefix the stage makes first.
    windows) bounded 1200 ctest --preset windows --parallel 2 ;;
    web)
      # Each test fails after 5 minutes (its suite takes under one) where node can say
      # so (20.11 on; Debian 12's own node 18 cannot: the stage's limit holds there).
      local each=()
      if [[ $(node --help) == *--test-timeout* ]]; then each=(--test-timeout=300000); fi
      bounded 600 bash tests/web/installed_site.sh build/web &&
        bounded 1500 node --test "${each[@]}" tests/web/
      ;;
  esac
}

# A command that must end within a limit (seconds) far above its time on a busy
# machine: one that hangs is ended, with everything it started, and fails by name.
bounded() {
  local limit=$1 status=0
  shift
  timeout -k 30 "$limit" "$@" &
  echo $! >>"$logs/limits"
  wait $! || status=$?
  if [ $status = 124 ] || [ $status = 137 ]; then
    echo "FAILED: '$*' did not end within $limit s and was ended: the lines above show the last it did"
  fi
  return $status
}

# A stage's tests in the background, their output in a log of their own, shown when
# they end; the last stage's output is also shown as it comes.
tests_pid=""
start_tests() {
  tests_stage=$1
  tests_started=$SECONDS
  if [ "${2:-}" = last ]; then
    echo "== $1 tests (at $((SECONDS - started)) s)"
    tests_of "$1" 2>&1 | tee "$logs/$1.log" &
  else
    tests_of "$1" >"$logs/$1.log" 2>&1 &
  fi
  tests_pid=$!
  tests_live=${2:-}
}

# Waits for the tests started last and shows their log.
finish_tests() {
  [ -n "$tests_pid" ] || return 0
  local status=0 result
  wait "$tests_pid" || status=$?
  tests_pid=""
  if [ "$tests_live" != last ]; then
    echo "== $tests_stage tests (at $((SECONDS - started)) s)"
    cat "$logs/$tests_stage.log"
  fi
  result="$tests_stage tests: $((SECONDS - tests_started)) s"
  if [ "$status" = 0 ]; then
    results+=("passed  $result")
  else
    results+=("FAILED  $result")
    failed=yes
  fi
}

for stage in "${stages[@]}"; do
  echo "== $stage build (at $((SECONDS - started)) s)"
  build_started=$SECONDS
  if ! build "$stage"; then
    finish_tests
    echo "FAILED: the $stage build"
    exit 1
  fi
  results+=("built   $stage: $((SECONDS - build_started)) s")
  finish_tests
  position=""
  [ "$stage" != "${stages[-1]}" ] || position=last
  start_tests "$stage" $position
done
finish_tests

echo "== test.sh ${stages[*]}: $((SECONDS - started)) s"
printf '   %s\n' "${results[@]}"
if [ -n "$failed" ]; then
  echo "FAILED"
  exit 1
fi
echo "all passed"
