#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite: unit, widget and
# end-to-end tests in the debug build, then the unit tests and a soak under the
# address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake --preset debug >/dev/null
cmake --build --preset debug
ctest --preset debug

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -LE e2e
