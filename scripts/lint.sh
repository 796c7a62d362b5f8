#!/usr/bin/env bash
# The house rules, checked: every failure is named by file and line.
#   format  clang-format --dry-run -Werror over every C++ file
#   tidy    clang-tidy (.clang-tidy) over the project's sources in the debug build's
#           compile_commands.json, two at a time; build the debug preset first
#   js      ESLint's recommended rules over the page's modules (eslint.config.js)
# Usage: lint.sh [--changed] [format] [tidy] [js]   (none: all three)
#   --changed  only the files changed against main (its common ancestor with HEAD), or
#              against HEAD where there is no main, committed or not; for a changed
#              header, clang-tidy takes the source file of the same name
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
changed=""
if [ "${1:-}" = --changed ]; then
  changed=yes
  shift
fi
checks=("$@")
[ ${#checks[@]} -eq 0 ] && checks=(format tidy js)
status=0

# Keeps the lines naming a file changed against main (or HEAD); all lines without --changed.
only_changed() {
  if [ -z "$changed" ]; then
    cat
    return
  fi
  local base=HEAD list
  git rev-parse -q --verify main >/dev/null && base=$(git merge-base HEAD main)
  list=$({ git diff --name-only --diff-filter=d "$base"; git ls-files --others --exclude-standard; } |
    sed -E 's#\.h$#.cpp#; p; s#\.cpp$#.h#' | sort -u)
  # Nothing changed: the input is read all the same, so that its writer never meets a
  # closed pipe.
  if [ -z "$list" ]; then
    cat >/dev/null
    return
  fi
  grep -Fx -f <(printf '%s\n' "$list") || true
}

cxx_files() {
  find app traffic vehicles gfx tools tests bench fuzz -name '*.cpp' -o -name '*.h' | sort | only_changed
}

for check in "${checks[@]}"; do
  case $check in
    format)
      echo "== clang-format"
      cxx_files | xargs -r clang-format --dry-run -Werror || status=1
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
        print(os.path.relpath(f, root))
EOF
        only_changed | xargs -r -P 2 -n 4 clang-tidy -p $build --quiet --use-color=false 2>/dev/null)
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
      if [ -z "$changed" ]; then
        npx --no-install eslint --max-warnings 0 gfx/backends/web/page || status=1
      else
        find gfx/backends/web/page -name '*.js' | sort | only_changed |
          xargs -r npx --no-install eslint --max-warnings 0 || status=1
      fi
      ;;
    *)
      echo "unknown check: $check (format, tidy or js)"
      status=2
      ;;
  esac
done
exit $status
