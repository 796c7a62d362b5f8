#!/usr/bin/env bash
# The web edition in one command: installs what is missing (Debian packages, and the
# npm packages of package-lock.json), builds the page into build/web/site and serves
# it on 127.0.0.1 with Python's web server.
# Usage: scripts/web.sh [PORT]          build and serve (port 8000 unless given)
#        scripts/web.sh --guide [PORT]  build and serve the project's site instead: the
#                                       documents, the reference, the gallery and the town
#                                       (build/web/guide; needs pandoc and doxygen)
#        scripts/web.sh --build         build only, with the programs the browser tests use
#                                       and the project's site
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh web

# npm ci replaces node_modules; it runs only when the lock file changed since.
if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund
fi

# emscripten's optimiser needs Debian's acorn, which another node does not look for.
export NODE_PATH=/usr/share/nodejs
cmake --preset web >/dev/null
site=build/web/site

if [ "${1:-}" = --build ]; then
  cmake --build --preset web --target all second_display repaint_bench stops_on_error town_checked guide
  exit 0
fi

what="Fenn's Town in a web browser"
target=all
if [ "${1:-}" = --guide ]; then
  what="The project's site"
  target=guide
  site=build/web/guide
  shift
fi
cmake --build --preset web --target "$target"
port=${1:-8000}
echo "$what: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
exec python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port"
