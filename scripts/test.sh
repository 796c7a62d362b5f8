#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite:
#  1. debug build: unit, widget, tool and end-to-end tests; then the house rules:
#     clang-format, clang-tidy and ESLint (scripts/lint.sh);
#  2. AddressSanitizer + UndefinedBehaviorSanitizer build: the same without the
#     end-to-end tests, plus a long headless soak of the whole program;
#  3. the fuzz targets of the script reader and of the renderer, for a bounded time;
#  4. the web edition: its page's modules under node, then the page in headless Chromium;
#     the web package, and an example's site built out of the tree from it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake --preset debug >/dev/null
cmake --build --preset debug
ctest --preset debug -LE soak
bash scripts/lint.sh

cmake --preset asan >/dev/null
cmake --build --preset asan
ASAN_OPTIONS=detect_leaks=1 ctest --preset asan -LE e2e

cmake --preset fuzz -DTOWN_FUZZ_SECONDS=30 >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

bash scripts/web.sh --build
bash tests/web/installed_site.sh build/web
node --test tests/web/
