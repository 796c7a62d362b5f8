#!/usr/bin/env bash
# A longer fuzzing campaign: the script reader's and the renderer's fuzz targets side by
# side, SECONDS each (default 600). New inputs are kept in the build tree, in the same
# corpus folders the suite's bounded runs use (build/fuzz/fuzz/*_run/corpus), so every
# campaign starts where the last one ended; a finding is written beside them as crash-*,
# leak-*, timeout-* or oom-*, and replayed with: build/fuzz/fuzz/<target> <file>.
# Usage: fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
[[ $seconds =~ ^[0-9]+$ ]] || { echo "usage: $0 [SECONDS]"; exit 2; }

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

run() {
  local target=$1 name=$2 seeds=$3
  local dir=build/fuzz/fuzz/${name}_run
  mkdir -p "$dir/corpus"
  ASAN_OPTIONS=malloc_context_size=4 "build/fuzz/fuzz/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$dir/" "$dir/corpus" "fuzz/$seeds" >"$dir/campaign.log" 2>&1
}

run script_fuzzer script_fuzz corpus & script=$!
run render_fuzzer render_fuzz render_corpus & render=$!
status=0
wait $script || status=1
wait $render || status=1

for name in script_fuzz render_fuzz; do
  log=build/fuzz/fuzz/${name}_run/campaign.log
  echo "== $name: $(grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log" |
    sed 's/stat:://' | tr -s ' ' | paste -sd ' ')," \
    "corpus $(ls "build/fuzz/fuzz/${name}_run/corpus" | wc -l) inputs"
  grep -E 'ERROR|SUMMARY|Test unit written' "$log" || true
done
exit $status
