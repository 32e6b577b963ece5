#!/usr/bin/env bash
# Checks that the sources are formatted and that clang-tidy finds nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

sources=$(git ls-files '*.cpp' '*.h')
# shellcheck disable=SC2086
clang-format --dry-run --Werror $sources

cmake --preset release >/dev/null
cmake --preset fuzz >/dev/null
run-clang-tidy -quiet -p build/release '/(console|morse|frontend|tests|bench)/[a-z_]*\.cpp$' >build/tidy.log 2>&1 ||
  { grep -E 'error:|warning:' build/tidy.log; exit 1; }
run-clang-tidy -quiet -p build/fuzz '/fuzz/[a-z_]*\.cpp$' >build/tidy-fuzz.log 2>&1 ||
  { grep -E 'error:|warning:' build/tidy-fuzz.log; exit 1; }
echo "clang-format and clang-tidy: nothing found"
