#!/usr/bin/env bash
# Builds the libFuzzer targets and fuzzes each for a while.
#   scripts/fuzz.sh [SECONDS_EACH] [TARGET...]
# New inputs go to a temporary folder; the committed seed corpus stays as it is.
# A finding leaves its input as crash-* (or leak-*, oom-*) in the current folder
# and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(translations dialogue)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

for target in "${targets[@]}"; do
  corpus=$(mktemp -d)
  echo "== fuzzing ${target} for ${seconds} s"
  # -malloc_limit_mb: no single allocation may reach 1 MiB, whatever the input.
  build/fuzz/${target}_fuzzer -max_total_time="$seconds" -malloc_limit_mb=1 -max_len=9000 \
    -print_final_stats=1 "$corpus" "fuzz/corpus/${target}" 2>&1 |
    grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY|Test unit written'
  rm -rf "$corpus"
done
