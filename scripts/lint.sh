#!/usr/bin/env bash
# The house rules, checked: every failure is named by file and line.
#   format  clang-format --dry-run -Werror over every C++ file
#   tidy    clang-tidy (.clang-tidy) over the project's sources in the debug build's
#           compile_commands.json, two at a time; build the debug preset first
#   js      ESLint's recommended rules over the page's modules (eslint.config.js)
# Usage: lint.sh [format] [tidy] [js]   (none: all three)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
checks=("$@")
[ ${#checks[@]} -eq 0 ] && checks=(format tidy js)
status=0

cxx_files() {
  find app traffic vehicles gfx tools tests bench fuzz -name '*.cpp' -o -name '*.h' | sort
}

for check in "${checks[@]}"; do
  case $check in
    format)
      echo "== clang-format"
      cxx_files | xargs clang-format --dry-run -Werror || status=1
      ;;
    tidy)
      echo "== clang-tidy"
      build=build/debug
      if [ ! -f $build/compile_commands.json ]; then
        echo "no $build/compile_commands.json: cmake --preset debug && cmake --build --preset debug"
        status=1
        continue
      fi
      # The project's own sources; what the build generates (Qt's resources) is left out.
      out=$(python3 - "$root" "$build" <<'EOF' |
import json, os, sys
root, build = sys.argv[1], os.path.join(sys.argv[1], sys.argv[2])
entries = json.load(open(os.path.join(build, "compile_commands.json")))
for f in sorted({os.path.normpath(os.path.join(e["directory"], e["file"])) for e in entries}):
    if f.startswith(root + "/") and not f.startswith(os.path.abspath(build) + "/") \
            and not f.startswith(root + "/build/"):
        print(f)
EOF
        xargs -P 2 -n 4 clang-tidy -p $build --quiet --use-color=false 2>/dev/null)
      # Headers are reached through the targets' include folders: name their sources.
      found=$(grep -E '(warning|error):' <<<"$out" |
              sed -E "s#^$root/$build/include/[^/]+/##; s#^$root/##" | sort -u)
      if [ -n "$found" ]; then
        echo "$found"
        echo "clang-tidy: $(wc -l <<<"$found") finding(s)"
        status=1
      fi
      ;;
    js)
      echo "== ESLint"
      [ -d node_modules/eslint ] || npm ci --no-audit --no-fund
      npx --no-install eslint --max-warnings 0 gfx/web/page || status=1
      ;;
    *)
      echo "unknown check: $check (format, tidy or js)"
      status=2
      ;;
  esac
done
exit $status
