#!/usr/bin/env bash
# Measures whole runs of the release build against the floor: a minimal static
# C program that makes the same reads and writes. Prints, for each dialogue,
# the instructions (valgrind's callgrind) and the peak memory (/usr/bin/time)
# of both and their ratios, and fails when a ratio passes the target.
#   bench/whole_run.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
if [[ $# -eq 0 ]]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target pipotka >/dev/null
fi
pipotka=$build/pipotka
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -static -o "$work/floor" bench/floor.c

max_instructions=1.2
max_memory=1.5

instructions() { # input command...
  local input=$1
  shift
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" <"$input" 2>&1 >/dev/null |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
peak_kib() { # input command...; the least of five runs, as the kernel's count varies a little
  local input=$1 least= peak
  shift
  for _ in 1 2 3 4 5; do
    peak=$(/usr/bin/time -f '%M' "$@" <"$input" 2>&1 >/dev/null | tail -n 1)
    if [[ -z $least || $peak -lt $least ]]; then least=$peak; fi
  done
  echo "$least"
}

printf '%-10s %12s %12s %6s %10s %10s %6s\n' dialogue instructions floor ratio "peak KiB" floor ratio
failed=0
for dialogue in word:'P\nslovo\n' decoding:'Z\n--..\n' character:'M\ng\n' end:'K\n'; do
  name=${dialogue%%:*}
  printf "${dialogue#*:}" >"$work/input"
  "$pipotka" <"$work/input" >"$work/output"
  # The output in the pieces pipotka writes: the greeting, then what follows each prompt.
  mapfile -d '' pieces < <(perl -0777 -ne 'print join("\0", split(/(?<=\]: )/)), "\0"' "$work/output")
  "$work/floor" "${pieces[@]}" <"$work/input" >"$work/floor_output"
  if ! cmp -s "$work/output" "$work/floor_output"; then
    echo "$name: the floor printed other bytes than pipotka" >&2
    exit 1
  fi
  ours=$(instructions "$work/input" "$pipotka")
  floor=$(instructions "$work/input" "$work/floor" "${pieces[@]}")
  our_peak=$(peak_kib "$work/input" "$pipotka")
  floor_peak=$(peak_kib "$work/input" "$work/floor" "${pieces[@]}")
  read -r instruction_ratio memory_ratio verdict < <(awk -v a="$ours" -v b="$floor" -v c="$our_peak" \
    -v d="$floor_peak" -v mi="$max_instructions" -v mm="$max_memory" \
    'BEGIN { printf "%.3f %.3f %s\n", a / b, c / d, (a / b <= mi && c / d <= mm) ? "ok" : "over" }')
  printf '%-10s %12s %12s %6s %10s %10s %6s\n' "$name" "$ours" "$floor" "$instruction_ratio" \
    "$our_peak" "$floor_peak" "$memory_ratio"
  [[ $verdict == ok ]] || failed=1
done
echo "target: at most ${max_instructions} times the floor's instructions and ${max_memory} times its peak memory"
if ((failed)); then
  echo "over the target" >&2
  exit 1
fi
