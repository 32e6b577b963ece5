#!/usr/bin/env bash
# Runs the test suite on the dynamically linked debug build with every run of
# the program under valgrind's memcheck: any memory error or leak fails.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset debug >/dev/null
cmake --build --preset debug
PIPOTKA_TEST_WRAPPER="valgrind -q --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect,possible" \
  ctest --preset debug
