#!/usr/bin/env bash
# Builds pipotka.exe for Windows with MinGW-w64, statically linked, and runs
# the dialogue test table against it under Wine, each line feed expected as a
# carriage return and a line feed.
# Needs: g++-mingw-w64-x86-64 wine wine64, and the native build for the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows >/dev/null
cmake --build --preset windows
cmake --preset release >/dev/null
cmake --build --preset release --target dialogue_tests

export WINEDEBUG=-all
# A Wine configuration of the build's own, whoever runs this and wherever HOME is.
export WINEPREFIX=$PWD/build/wine
mkdir -p "$WINEPREFIX"
# One Wine server for all the runs, instead of one started for each.
wineserver --kill 2>/dev/null || true
wineserver --persistent
trap 'wineserver --kill' EXIT
# Wine makes its configuration on its first start, which takes a while and
# speaks on standard error: done here, not in a test.
wineboot --init >/dev/null 2>&1 || true
PIPOTKA_TEST_PROGRAM=$PWD/build/windows/pipotka.exe PIPOTKA_TEST_WRAPPER=wine PIPOTKA_TEST_LINE_END=crlf \
  build/release/dialogue_tests --gtest_filter='*DialogueTest*' --gtest_brief=1
